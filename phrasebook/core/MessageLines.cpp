#include "phrasebook/core/MessageLines.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/MessageRules.h"
#include <QSet>

namespace pelumo {
namespace {

constexpr QChar kQuote = u'"';

bool pairedSurrogate(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    return i > 0 && text.at(i - 1).isHighSurrogate();
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return u >= u'a' && u <= u'f' ? u - u'a' + 10 : -1;
}

// Four hex digits at from, or nothing.
std::optional<char16_t> hexUnit(QStringView text, qsizetype from)
{
    if (from + 4 > text.size())
        return std::nullopt;
    char16_t unit = 0;
    for (QChar c : text.sliced(from, 4)) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        unit = char16_t(unit * 16 + digit);
    }
    return unit;
}

QString unescaped(QStringView body)
{
    QString out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body.at(i) != kQuote) {
            out += body.at(i);
            continue;
        }
        if (++i == body.size())
            break;   // a quote alone at the end: dropped
        const QChar code = body.at(i);
        if (code == u'n') {
            out += u'\n';
        } else if (code == u'r') {
            out += u'\r';
        } else if (const auto unit = code == u'u' ? hexUnit(body, i + 1) : std::nullopt) {
            out += QChar(*unit);
            i += 4;
        } else {
            out += code;   // a quote, or no escape at all: the quote is dropped
        }
    }
    return out;
}

} // namespace

QString messageLine(const QString &message)
{
    QString line(1, kQuote);
    line.reserve(message.size() + 2);
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message.at(i);
        if (c == kQuote)
            line += QStringLiteral("\"\"");
        else if (c == u'\n')
            line += QStringLiteral("\"n");
        else if (c == u'\r')
            line += QStringLiteral("\"r");
        else if (c.isSurrogate() && !pairedSurrogate(message, i))
            line += QStringLiteral("\"u") + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        else
            line += c;
    }
    return line + kQuote;
}

std::optional<QString> parseMessageLine(const QString &line)
{
    const QString trimmed = trimBlanks(line);
    const bool quoted = trimmed.size() >= 2 && trimmed.startsWith(kQuote) && trimmed.endsWith(kQuote);
    const QString message = quoted ? unescaped(QStringView(trimmed).sliced(1, trimmed.size() - 2))
                                   : parsePhraseLine(line).value_or(QString());
    if (trimBlanks(message).isEmpty())
        return std::nullopt;
    return message;
}

MessageReading readMessageLines(const QStringList &lines, int limit)
{
    MessageReading reading;
    QSet<QString> seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> message = parseMessageLine(lines.at(i));
        if (!message)
            continue;
        const bool repeat = seen.contains(*message);
        if (repeat || reading.messages.size() >= limit) {
            if (!repeat && reading.firstBeyond < 0)
                reading.firstBeyond = i;
            ++reading.leftOut;
            continue;
        }
        seen.insert(*message);
        reading.messages << *message;
        reading.lineOf << i;
    }
    return reading;
}

TextFileContent messageFileBase(const QStringList &lines, const TextFileContent &asRead)
{
    if (asRead.status == TextFileContent::Ok && !asRead.bytes.isEmpty())
        return asRead;
    TextFileContent shiftJis;
    shiftJis.encoding = TextEncoding::ShiftJis;
    if (encodeTextLines(lines, shiftJis).status == EncodedLines::Ok)
        return shiftJis;
    return TextFileContent();   // new UTF-8: every escaped line reads back as written
}

} // namespace pelumo
