#include "platform/Fonts.h"
#include <QFont>

namespace pelumo {

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
}

} // namespace pelumo
