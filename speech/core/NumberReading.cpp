#include "speech/core/NumberReading.h"
#include "speech/core/SpokenNames.h"

namespace pelumo {
namespace {

// Units of four digits: 万, 億, 兆, 京. Twenty digits are the most we name.
constexpr qsizetype kMaxNamedDigits = 20;
const char16_t *const kGroupUnits[] = {u"", u"まん", u"おく", u"ちょう", u"けい"};
const char16_t *const kOnes[] = {u"", u"いち", u"に", u"さん", u"よん", u"ご",
                                 u"ろく", u"なな", u"はち", u"きゅう"};
// Hundreds and thousands change their sound after some digits.
const char16_t *const kHundreds[] = {u"", u"ひゃく", u"にひゃく", u"さんびゃく", u"よんひゃく",
                                     u"ごひゃく", u"ろっぴゃく", u"ななひゃく", u"はっぴゃく",
                                     u"きゅうひゃく"};
const char16_t *const kThousands[] = {u"", u"せん", u"にせん", u"さんぜん", u"よんせん",
                                      u"ごせん", u"ろくせん", u"ななせん", u"はっせん",
                                      u"きゅうせん"};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// One group of up to four digits, without its unit; empty for 0000.
QString groupReading(QStringView group)
{
    QString out;
    const qsizetype n = group.size();
    for (qsizetype i = 0; i < n; ++i) {
        const int d = group.at(i).unicode() - u'0';
        const qsizetype place = n - 1 - i;   // 3 thousands, 2 hundreds, 1 tens, 0 ones
        if (d == 0)
            continue;
        if (place == 3)
            out += QString::fromUtf16(kThousands[d]);
        else if (place == 2)
            out += QString::fromUtf16(kHundreds[d]);
        else if (place == 1)
            out += (d == 1 ? QString() : QString::fromUtf16(kOnes[d])) + QStringLiteral("じゅう");
        else
            out += QString::fromUtf16(kOnes[d]);
    }
    return out;
}

// いち and はち, and a ten at the end, run into ちょう and けい: いっちょう.
QString joinUnit(QString group, int unit)
{
    if (unit >= 3) {
        if (group.endsWith(u"いち"))
            group.replace(group.size() - 2, 2, QStringLiteral("いっ"));
        else if (group.endsWith(u"はち"))
            group.replace(group.size() - 2, 2, QStringLiteral("はっ"));
        else if (group.endsWith(u"じゅう"))
            group.replace(group.size() - 3, 3, QStringLiteral("じゅっ"));
    }
    return group + QString::fromUtf16(kGroupUnits[unit]);
}

const QStringView kKanjiDigits = u"〇一二三四五六七八九";
const QStringView kKanjiPlaces = u"十百千";   // 10, 100, 1000 within a group of four
const QStringView kKanjiGroups = u"万億兆";  // 10^4, 10^8, 10^12

// 三千五百 → 3500: places within groups, each group closed by its unit.
bool kanjiValue(QStringView text, quint64 &value)
{
    quint64 total = 0, group = 0, digit = 0;
    bool pendingDigit = false;
    for (QChar c : text) {
        if (const qsizetype d = kKanjiDigits.indexOf(c); d >= 0) {
            digit = quint64(d);
            pendingDigit = true;
        } else if (const qsizetype p = kKanjiPlaces.indexOf(c); p >= 0) {
            group += (pendingDigit ? digit : 1) * (p == 0 ? 10 : p == 1 ? 100 : 1000);
            pendingDigit = false;
        } else if (const qsizetype g = kKanjiGroups.indexOf(c); g >= 0) {
            const quint64 unit = g == 0 ? 10000ULL : g == 1 ? 100000000ULL : 1000000000000ULL;
            total += (group + (pendingDigit ? digit : 0)) * unit;
            group = 0;
            pendingDigit = false;
        } else {
            return false;
        }
    }
    value = total + group + (pendingDigit ? digit : 0);
    return true;
}

} // namespace

QString kanjiNumeralDigits(QStringView text)
{
    if (text.isEmpty())
        return {};
    bool digitsOnly = true;
    for (QChar c : text)
        digitsOnly = digitsOnly && kKanjiDigits.contains(c);
    if (digitsOnly && text.size() > 1) {   // 二〇二六: written digit by digit
        QString out;
        for (QChar c : text)
            out += QChar(char16_t(u'0' + kKanjiDigits.indexOf(c)));
        return out;
    }
    quint64 value = 0;
    return kanjiValue(text, value) ? QString::number(value) : QString();
}

QString digitsReading(QStringView digits)
{
    QString out;
    for (QChar c : digits)
        out += digitName(c);
    return out;
}

QString numberReading(QStringView digits)
{
    if (digits.isEmpty())
        return {};
    if (digits.size() == 1)
        return digitName(digits.at(0));
    if (digits.at(0) == u'0' || digits.size() > kMaxNamedDigits)
        return digitsReading(digits);
    QString out;
    const qsizetype groups = (digits.size() + 3) / 4;
    qsizetype start = 0;
    for (qsizetype g = groups - 1; g >= 0; --g) {
        const qsizetype len = digits.size() - start - g * 4;
        const QString group = groupReading(digits.mid(start, len));
        start += len;
        if (group.isEmpty())
            continue;
        // A thousand before a unit is いっせん: 10,000,000 いっせんまん.
        const bool lone1000 = g > 0 && group == u"せん";
        out += joinUnit(lone1000 ? QStringLiteral("いっせん") : group, int(g));
    }
    return out;
}

qsizetype numberLengthAt(QStringView text, qsizetype pos)
{
    auto digitsFrom = [&text](qsizetype i) {
        qsizetype j = i;
        while (j < text.size() && isDigit(text.at(j)))
            ++j;
        return j - i;
    };
    qsizetype end = pos + digitsFrom(pos);
    if (end == pos)
        return 0;
    // Commas count only between groups of exactly three digits.
    if (end - pos <= 3) {
        while (end < text.size() && text.at(end) == u',' && digitsFrom(end + 1) == 3)
            end += 4;
    }
    if (end + 1 < text.size() && text.at(end) == u'.' && digitsFrom(end + 1) > 0)
        end += 1 + digitsFrom(end + 1);
    return end - pos;
}

QString numberTextReading(QStringView number)
{
    const qsizetype point = number.indexOf(u'.');
    QString whole = number.left(point < 0 ? number.size() : point).toString();
    whole.remove(u',');
    QString out = numberReading(whole);
    if (point >= 0)
        out += QStringLiteral("てん") + digitsReading(number.mid(point + 1));
    return out;
}

} // namespace pelumo
