#include "phrasebook/core/DiaryFile.h"
#include "editing/core/Message.h"

namespace pelumo {
namespace {

constexpr int kDateLength = 8;

bool isBlank(QChar c) { return c == u' ' || c == u'\u3000'; }

bool looksLikeDate(const QString &date)
{
    return date.size() == kDateLength
        && QDate::fromString(date, QStringLiteral("yy.MM.dd")).isValid();
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
        if (reading.entries.isEmpty() && entry.date != today)
            reading.entries.append({today, QString()});
        if (!looksLikeDate(entry.date))
            ++reading.undated;
        reading.entries.append(std::move(entry));
    }
    if (reading.entries.isEmpty())
        reading.entries.append({today, QString()});
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
