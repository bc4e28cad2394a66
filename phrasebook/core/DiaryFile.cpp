#include "phrasebook/core/DiaryFile.h"
#include "platform/core/MessageRules.h"
#include <algorithm>

namespace pelumo {
namespace {

constexpr int kDateLength = 8;

bool isBlank(QChar c) { return c == u' ' || c == u'\u3000'; }

int twoDigits(const QString &text, int at)
{
    const QChar a = text.at(at), b = text.at(at + 1);
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9')
        return -1;
    return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

// By hand rather than through QDate::fromString, which costs a hundred
// milliseconds over a diary of a hundred years.
bool looksLikeDate(const QString &date)
{
    if (date.size() != kDateLength || date.at(2) != u'.' || date.at(5) != u'.')
        return false;
    const int year = twoDigits(date, 0), month = twoDigits(date, 3), day = twoDigits(date, 6);
    // Which century the year is cannot be told; 2000 on takes 29 February of "00".
    return year >= 0 && QDate::isValid(2000 + year, month, day);
}

} // namespace

QString diaryDateText(const QDate &date)
{
    return date.toString(QStringLiteral("yy.MM.dd"));
}

bool parseDiaryLine(const QString &line, DiaryEntry &entry)
{
    QString t = line;
    t.remove(u'"');
    // Blanks before the date would shift it and cut the entry's first
    // character off at the next rewrite; the program never writes any.
    t = trimBlanks(t);
    if (t.isEmpty())
        return false;
    entry.date = t.left(kDateLength);
    // The character after the date is the separating space. When a line was
    // edited by hand and holds something else there, it belongs to the text:
    // skipping it would lose it at the next rewrite.
    const qsizetype textFrom = t.size() > kDateLength && isBlank(t.at(kDateLength))
        ? kDateLength + 1 : kDateLength;
    entry.text = trimBlanks(t.mid(textFrom));
    return true;
}

DiaryReading readDiaryLines(const QStringList &lines, const QString &today)
{
    DiaryReading reading;
    reading.entries.reserve(lines.size() + 1);
    for (const QString &line : lines) {
        DiaryEntry entry;
        if (!parseDiaryLine(line, entry)) {
            ++reading.skipped;
            continue;
        }
        if (!looksLikeDate(entry.date))
            ++reading.undated;
        reading.entries.append(std::move(entry));
    }
    // Today's row normally heads the file, but an entry of the 1990s sorts
    // above it: looking at the first line alone would add an empty row for
    // today, and a new line for it, at every registration.
    const bool hasToday = std::any_of(reading.entries.cbegin(), reading.entries.cend(),
                                      [&](const DiaryEntry &e) { return e.date == today; });
    if (!hasToday)
        reading.entries.prepend({today, QString()});
    return reading;
}

QString diaryLine(const QString &date, const QString &text)
{
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    body.replace(u'\r', u' ');
    body.replace(u'\n', u' ');
    body.replace(QChar(0x2028), u' ');
    body.replace(QChar(0x2029), u' ');
    return u'"' + date + u' ' + body + u'"';
}

} // namespace pelumo
