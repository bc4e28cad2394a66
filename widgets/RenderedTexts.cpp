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

QPixmap *RenderedTexts::find(Kind kind, const QString &style, const QString &text) const
{
    return cache(kind).object(key(style, text));
}

const QPixmap *RenderedTexts::keep(Kind kind, const QString &style, const QString &text,
                                   QPixmap *picture)
{
    const QString k = key(style, text);
    const qsizetype cost = bytesOf(picture->size());
    return cache(kind).insert(k, picture, cost) ? cache(kind).object(k) : nullptr;
}

void RenderedTexts::clear()
{
    m_texts.clear();
    m_graphemes.clear();
}

} // namespace pelumo
