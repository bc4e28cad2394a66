#include "widgets/RenderedTexts.h"

namespace pelumo {
namespace {
int g_grids = 0;
}

RenderedTexts &RenderedTexts::shared()
{
    static RenderedTexts store;
    return store;
}

void RenderedTexts::gridMade() { ++g_grids; }

void RenderedTexts::gridGone()
{
    // Pictures never outlive the grids (nor the application that drew them).
    if (--g_grids == 0)
        shared().clear();
}

const GlyphPicture *RenderedTexts::find(const QString &style, const QString &text) const
{
    return m_pictures.object(key(style, text));
}

const GlyphPicture *RenderedTexts::keep(const QString &style, const QString &text, GlyphPicture *glyph)
{
    const QString k = key(style, text);
    const qsizetype cost = bytesOf(glyph->picture.size());
    return m_pictures.insert(k, glyph, cost) ? m_pictures.object(k) : nullptr;
}

} // namespace pelumo
