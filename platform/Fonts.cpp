#include "platform/Fonts.h"
#include <QFont>

namespace pelumo {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    // Qt keeps rendered glyphs only up to 64 pixels and draws larger ones from
    // their outlines every time: the board's and the lists' kana are larger,
    // and drawing a list of fresh candidates that way took longer than a
    // frame. Read at the first paint, so setting it here is in time; a value
    // set by the user wins.
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "320");
}

} // namespace pelumo
