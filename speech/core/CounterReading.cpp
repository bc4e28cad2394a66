#include "speech/core/CounterReading.h"
#include "speech/core/NumberReading.h"
#include <QList>

namespace pelumo {
namespace {

// A counter, its plain reading, and how the end of the number's reading
// runs into it: pairs of "ending=reading of ending and counter", separated
// by blanks. Whole numbers with a reading of their own come as "12:reading".
struct Counter {
    const char16_t *written;
    const char16_t *plain;
    const char16_t *changes;
};

const char16_t kDays[] = u"2:ふつか 3:みっか 4:よっか 5:いつか 6:むいか 7:なのか 8:ようか "
                         u"9:ここのか 10:とおか 14:じゅうよっか 20:はつか 24:にじゅうよっか";

const Counter kCounters[] = {
    {u"本", u"ほん", u"いち=いっぽん さん=さんぼん ろく=ろっぽん はち=はっぽん じゅう=じゅっぽん "
                    u"ひゃく=ひゃっぽん せん=せんぼん"},
    {u"杯", u"はい", u"いち=いっぱい さん=さんばい ろく=ろっぱい はち=はっぱい じゅう=じゅっぱい "
                    u"ひゃく=ひゃっぱい せん=せんばい"},
    {u"匹", u"ひき", u"いち=いっぴき さん=さんびき ろく=ろっぴき はち=はっぴき じゅう=じゅっぴき "
                    u"ひゃく=ひゃっぴき せん=せんびき"},
    {u"分", u"ふん", u"いち=いっぷん さん=さんぷん よん=よんぷん ろく=ろっぷん はち=はっぷん "
                    u"じゅう=じゅっぷん ひゃく=ひゃっぷん"},
    {u"回", u"かい", u"いち=いっかい ろく=ろっかい はち=はっかい じゅう=じゅっかい ひゃく=ひゃっかい"},
    {u"階", u"かい", u"いち=いっかい さん=さんがい ろく=ろっかい はち=はっかい じゅう=じゅっかい"},
    {u"個", u"こ", u"いち=いっこ ろく=ろっこ はち=はっこ じゅう=じゅっこ ひゃく=ひゃっこ"},
    {u"ヶ月", u"かげつ", u"いち=いっかげつ ろく=ろっかげつ はち=はっかげつ じゅう=じゅっかげつ"},
    {u"か月", u"かげつ", u"いち=いっかげつ ろく=ろっかげつ はち=はっかげつ じゅう=じゅっかげつ"},
    {u"カ月", u"かげつ", u"いち=いっかげつ ろく=ろっかげつ はち=はっかげつ じゅう=じゅっかげつ"},
    {u"歳", u"さい", u"20:はたち いち=いっさい はち=はっさい じゅう=じゅっさい"},
    {u"才", u"さい", u"20:はたち いち=いっさい はち=はっさい じゅう=じゅっさい"},
    {u"冊", u"さつ", u"いち=いっさつ はち=はっさつ じゅう=じゅっさつ"},
    {u"週間", u"しゅうかん", u"いち=いっしゅうかん はち=はっしゅうかん じゅう=じゅっしゅうかん"},
    {u"時間", u"じかん", u"よん=よじかん なな=しちじかん きゅう=くじかん"},
    {u"時", u"じ", u"よん=よじ なな=しちじ きゅう=くじ"},
    {u"月", u"がつ", u"よん=しがつ なな=しちがつ きゅう=くがつ"},
    {u"日間", u"にちかん", u"1:いちにちかん 2:ふつかかん 3:みっかかん 4:よっかかん 5:いつかかん "
                          u"6:むいかかん 7:なのかかん 8:ようかかん 9:ここのかかん 10:とおかかん"},
    {u"日", u"にち", kDays},
    {u"人", u"にん", u"1:ひとり 2:ふたり よん=よにん"},
    {u"円", u"えん", u"よん=よえん"},
    {u"年", u"ねん", u"よん=よねん"},
    {u"つ", u"つ", u"1:ひとつ 2:ふたつ 3:みっつ 4:よっつ 5:いつつ 6:むっつ 7:ななつ 8:やっつ "
                  u"9:ここのつ"},
};

const Counter *counterAt(QStringView text, qsizetype pos)
{
    const Counter *best = nullptr;
    qsizetype bestLength = 0;
    for (const Counter &c : kCounters) {
        const QStringView written(c.written);
        if (written.size() > bestLength && text.mid(pos).startsWith(written)) {
            best = &c;
            bestLength = written.size();
        }
    }
    return best;
}

// The reading a rule list gives, or an empty string when none applies.
QString changedReading(QStringView changes, QStringView digits, const QString &number)
{
    for (QStringView rule : changes.split(u' ', Qt::SkipEmptyParts)) {
        if (const qsizetype colon = rule.indexOf(u':'); colon > 0) {
            if (rule.left(colon) == digits)
                return rule.mid(colon + 1).toString();
        } else if (const qsizetype eq = rule.indexOf(u'='); eq > 0) {
            if (number.endsWith(rule.left(eq)))
                return number.chopped(eq) + rule.mid(eq + 1).toString();
        }
    }
    return {};
}

} // namespace

qsizetype counterLengthAt(QStringView text, qsizetype pos)
{
    const Counter *c = counterAt(text, pos);
    return c ? QStringView(c->written).size() : 0;
}

QString countedReading(QStringView digits, QStringView counter, bool afterMonth)
{
    const QString number = numberReading(digits);
    const Counter *c = counterAt(counter, 0);
    if (!c)
        return number + counter.toString();
    if (counter == u"日" && digits == u"1")
        return afterMonth ? QStringLiteral("ついたち") : QStringLiteral("いちにち");
    // Whole numbers first, then the endings, in the order listed.
    const QString changed = changedReading(c->changes, digits, number);
    return changed.isEmpty() ? number + QString::fromUtf16(c->plain) : changed;
}

} // namespace pelumo
