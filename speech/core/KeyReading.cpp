#include "speech/core/KeyReading.h"
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/SpokenNames.h"
#include <QList>
#include <QStringList>

namespace pelumo {

QString characterName(char32_t c)
{
    if (QChar::requiresSurrogates(c))
        return unreadableCharacterWord(c);
    const QChar ch{char16_t(c)};
    if (isSmallKana(ch))
        return smallKanaName(ch);
    if (const QString name = symbolName(ch); !name.isEmpty())
        return name;
    if (isKana(ch))
        return QString(ch);
    if (const QString name = digitName(ch); !name.isEmpty())
        return name;
    if (const QString name = letterName(ch); !name.isEmpty())
        return ch.isLower() ? QStringLiteral("こもじ ") + name : name;
    return unreadableCharacterWord(c);
}

QString keyReading(const QString &key)
{
    QString word;
    if (emoticonAt(key, 0, &word) == key.size() && !word.isEmpty())
        return word;
    // A key of plain kana is said as written; anything else name by name.
    bool allKana = !key.isEmpty();
    for (QChar c : key)
        allKana = allKana && isKana(c) && !isSmallKana(c) && c != u'ー';
    if (allKana)
        return smoothForEspeak(key);
    QStringList names;
    for (char32_t c : key.toUcs4())
        if (!QChar::isSpace(c))
            names << characterName(c);
    return smoothForEspeak(names.join(u' '));
}

} // namespace pelumo
