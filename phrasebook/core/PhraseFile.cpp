#include "phrasebook/core/PhraseFile.h"
#include "platform/core/MessageRules.h"

namespace pelumo {

namespace {

const QString kPlaceholderLine = u'"' + kPlaceholderText + u'"';

// A pasted text may hold line breaks; the file has no escape for them.
QString withoutLineBreaks(const QString &text)
{
    if (!text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += u' ';
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::optional<QString> parsePhraseLine(const QString &line)
{
    if (trimBlanks(line).isEmpty())
        return std::nullopt;
    QString phrase = line;
    phrase.remove(u'"');
    return trimBlanks(phrase);
}

QString phraseAsRead(const QString &text)
{
    QString phrase = withoutLineBreaks(text);
    phrase.remove(u'"');
    return trimBlanks(phrase);
}

bool isPlaceholderRow(const QString &text)
{
    const QString t = trimBlanks(text);
    return t == kDiaryRowText || t == kMemoRowText || t == kPlaceholderText;
}

ParsedPhrases parsePhraseLines(const QStringList &lines)
{
    ParsedPhrases parsed;
    int counted = 0;
    for (const QString &line : lines) {
        if (line.size() > kMaxLineLength) {
            ++parsed.tooLongLines;
            continue;
        }
        std::optional<QString> phrase = parsePhraseLine(line);
        if (!phrase)
            continue;
        if (*phrase != kPlaceholderText && counted++ >= kMaxPhrases) {
            ++parsed.excessPhrases;
            continue;
        }
        parsed.phrases << *phrase;
    }
    return parsed;
}

PhraseLines phraseFileLines(const QStringList &rows)
{
    PhraseLines out;
    QStringList lines;
    lines.reserve(rows.size() + 1);
    bool placeholderWritten = false;
    for (const QString &row : rows) {
        if (isPlaceholderRow(row)) {
            if (!placeholderWritten)
                lines << kPlaceholderLine;
            placeholderWritten = true;
            continue;
        }
        if (trimBlanks(row).isEmpty())
            continue;
        const QString line = u'"' + withoutLineBreaks(row) + u'"';
        if (line.size() > kMaxLineLength) {
            out.status = PhraseLines::LineTooLong;
            return out;
        }
        lines << line;
    }
    if (!placeholderWritten)
        lines.prepend(kPlaceholderLine);
    if (lines.size() - 1 > kMaxPhrases) {   // the placeholder is written once
        out.status = PhraseLines::TooManyPhrases;
        return out;
    }
    out.lines = std::move(lines);
    return out;
}

} // namespace pelumo
