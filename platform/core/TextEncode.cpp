// Lines back to bytes over the file they replace: every line written with
// the text it was read with gets its very bytes again, the others are
// encoded in the file's encoding, and the result is trusted only once it
// reads back as the same lines.
#include "platform/core/TextFile.h"
#include <QHash>
#include <QStringEncoder>

namespace pelumo {
namespace {

// The lines of a file as read, by their text: the first unused line with a
// text gives its bytes; once all are used the last serves again. Lines of
// the same text are chained, so the table costs one entry a distinct text.
class OriginalLines {
public:
    explicit OriginalLines(const TextFileContent &c) : m_next(c.spans.size(), -1)
    {
        m_first.reserve(c.spans.size());
        for (qsizetype i = c.spans.size() - 1; i >= 0; --i) {
            auto it = m_first.find(c.lines.at(i));
            if (it == m_first.end()) {
                m_first.insert(c.lines.at(i), i);
            } else {
                m_next[i] = *it;
                *it = i;
            }
        }
    }
    qsizetype take(const QString &text)
    {
        auto it = m_first.find(text);
        if (it == m_first.end())
            return -1;
        const qsizetype line = *it;
        if (m_next.at(line) >= 0)
            *it = m_next.at(line);
        return line;
    }

private:
    QHash<QString, qsizetype> m_first;
    QList<qsizetype> m_next;
};

// Shift_JIS through one encoder: its error flag, once set, stays set, and
// any error means the file's encoding cannot take the lines.
class LineEncoder {
public:
    explicit LineEncoder(TextEncoding encoding) : m_encoding(encoding) {}
    bool append(const QString &line, QByteArray &out)
    {
        if (m_encoding != TextEncoding::ShiftJis) {
            out += line.toUtf8();
            return true;
        }
        out += m_sjis(line);
        return !m_sjis.hasError();
    }

private:
    TextEncoding m_encoding;
    QStringEncoder m_sjis{"Shift_JIS", QStringEncoder::Flag::Stateless};
};

// UTF-8 bytes that are valid throughout, with one line end a line, read back
// as the very lines they were made from: no need to decode them again.
// A lone half of a surrogate pair has no UTF-8 form: the converter writes a
// replacement character, valid UTF-8 that reads back as another character.
bool hasLoneSurrogate(const QStringList &lines)
{
    for (const QString &line : lines)
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate())
                ++i;
            else if (c.isSurrogate())
                return true;
        }
    return false;
}

bool readsBackUnchanged(const QByteArray &out, TextEncoding encoding, const QStringList &lines)
{
    return encoding != TextEncoding::ShiftJis && QByteArrayView(out).isValidUtf8()
        && out.count('\n') == lines.size() && out.count('\r') == lines.size()
        && !hasLoneSurrogate(lines);
}

} // namespace

EncodedLines encodeTextLines(const QStringList &lines, const TextFileContent &asRead)
{
    EncodedLines result;
    TextFileContent &c = result.content;
    c.encoding = asRead.encoding;
    // A holder may have let the texts go and kept the bytes: they read again
    // as the very lines they were read as.
    const bool textsKept = asRead.lines.size() == asRead.spans.size();
    OriginalLines originals(textsKept ? asRead : decodeTextLines(asRead.bytes));
    LineEncoder encoder(asRead.encoding);
    c.bytes = c.encoding == TextEncoding::Utf8WithBom ? kUtf8Mark : QByteArray();
    c.spans.reserve(lines.size());
    for (const QString &line : lines) {
        const qsizetype from = c.bytes.size();
        const qsizetype original = originals.take(line);
        if (original >= 0)
            c.bytes.append(asRead.lineBytes(original));
        else if (!encoder.append(line, c.bytes))
            return {EncodedLines::NeedsOtherEncoding, {}};
        c.spans.append({from, c.bytes.size() - from});
        c.bytes += "\r\n";
    }
    // Text that itself begins with U+FEFF would read back as a byte-order
    // mark and lose it: a mark of our own in front keeps it.
    if (c.encoding == TextEncoding::Utf8 && c.bytes.startsWith(kUtf8Mark)) {
        c.bytes.prepend(kUtf8Mark);
        c.encoding = TextEncoding::Utf8WithBom;
        for (LineSpan &span : c.spans)
            span.from += kUtf8Mark.size();
    }
    if (readsBackUnchanged(c.bytes, c.encoding, lines)) {
        c.lines = lines;
        return result;
    }
    // Otherwise the bytes are read back the way a later read will read them
    // before they are trusted: the converter does not flag every character it
    // changes (U+001A comes out as DEL), Shift_JIS bytes may happen to be
    // valid UTF-8, and lines kept as they were may read otherwise among
    // other lines.
    TextFileContent written = decodeTextLines(c.bytes);
    if (written.lines != lines)
        return {EncodedLines::NeedsOtherEncoding, {}};
    return {EncodedLines::Ok, std::move(written)};
}

} // namespace pelumo
