// Bytes to lines: the encoding decided once for the whole file, each line
// decoded with the place of its bytes kept. Lines back to bytes are in
// TextEncode.cpp.
#include "platform/core/TextFile.h"
#include <QStringDecoder>
#include <algorithm>

namespace pelumo {
namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

// A decoder of its own each time: the converter's error flag is not reset
// between uses.
bool decodeShiftJis(QByteArrayView bytes, QString &text)
{
    QStringDecoder sjis("Shift_JIS", QStringDecoder::Flag::Stateless);
    text = sjis(bytes);
    return !sjis.hasError();
}

// The decoder (and QString::fromUtf8) would drop a byte-order mark of its own
// accord; the one mark that says "UTF-8" is taken off as the file's header,
// any other is text.
QString utf8Text(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

bool decodeUtf8(QByteArrayView bytes, QString &text)
{
    if (!bytes.isValidUtf8())
        return false;
    text = utf8Text(bytes);
    return true;
}

QByteArrayView withoutBom(QByteArrayView line)
{
    return line.startsWith(kUtf8Mark) ? line.sliced(kUtf8Mark.size()) : line;
}

// CR LF, LF and a lone CR end a line; neither encoding uses these bytes
// inside a character.
QList<LineSpan> splitSpans(const QByteArray &bytes, qsizetype start)
{
    QList<LineSpan> spans;
    const qsizetype n = bytes.size();
    for (qsizetype i = start; i < n; ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r')
            continue;
        spans.append({start, i - start});
        if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        spans.append({start, n - start});
    return spans;
}

// What each encoding makes of a line of a file that is not UTF-8 throughout,
// found once for the vote and used again to decode it. A line that begins
// with a mark is not kept: it votes without the mark, and is decoded with it.
struct LineReading {
    bool known = false, ascii = false, utf8 = false, sjis = false;
    QString sjisText;
};

// Lines that only one encoding reads vote for it; Shift_JIS text is as good as
// never valid UTF-8, and ASCII or a line both read votes for neither. A mark
// at a line's start is left out, so a line votes the same wherever it stands.
TextEncoding majorityEncoding(const TextFileContent &c, QList<LineReading> &readings)
{
    int utf8 = 0, sjis = 0;
    readings.resize(c.spans.size());
    for (qsizetype i = 0; i < c.spans.size(); ++i) {
        const QByteArrayView whole = c.lineBytes(i), line = withoutBom(whole);
        LineReading &r = readings[i];
        r.ascii = isAscii(line);
        if (r.ascii) {
            r.known = line.size() == whole.size();
            continue;
        }
        r.utf8 = line.isValidUtf8();
        r.sjis = decodeShiftJis(line, r.sjisText);
        r.known = line.size() == whole.size();
        utf8 += r.utf8 && !r.sjis;
        sjis += r.sjis && !r.utf8;
    }
    return sjis > utf8 ? TextEncoding::ShiftJis : TextEncoding::Utf8;
}

// A line in the file's encoding; one that encoding cannot read, in the other;
// one neither reads, as best the file's encoding decodes it.
QString decodeLine(QByteArrayView line, TextEncoding encoding, int &damaged)
{
    QString text;
    const bool sjisFirst = encoding == TextEncoding::ShiftJis;
    if (sjisFirst ? decodeShiftJis(line, text) : decodeUtf8(line, text))
        return text;
    if (sjisFirst ? decodeUtf8(line, text) : decodeShiftJis(line, text))
        return text;
    ++damaged;
    if (sjisFirst)
        decodeShiftJis(line, text);
    else
        text = utf8Text(line);
    return text;
}

// The same choice as decodeLine, from what the vote found.
QString decodeRead(const LineReading &r, QByteArrayView line, TextEncoding encoding,
                   QStringDecoder &sjis, int &damaged)
{
    const bool utf8 = r.utf8 || r.ascii;
    if (encoding == TextEncoding::ShiftJis) {
        if (r.ascii)
            return sjis(line);
        if (r.sjis || !utf8)
            damaged += !r.sjis;
        return r.sjis || !utf8 ? r.sjisText : utf8Text(line);
    }
    if (!utf8 && !r.sjis)
        ++damaged;
    return utf8 || !r.sjis ? utf8Text(line) : r.sjisText;
}

// Every line, decoded as the file's encoding says; with readings, each line
// as decodeLine would.
void decodeEveryLine(TextFileContent &c, const QList<LineReading> &readings = {})
{
    c.lines.reserve(c.spans.size());
    QStringDecoder sjis("Shift_JIS", QStringDecoder::Flag::Stateless);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    for (qsizetype i = 0; i < c.spans.size(); ++i) {
        const QByteArrayView line = c.lineBytes(i);
        if (i < readings.size() && readings.at(i).known)
            c.lines.append(decodeRead(readings.at(i), line, c.encoding, sjis, c.damagedLines));
        else if (!readings.isEmpty())
            c.lines.append(decodeLine(line, c.encoding, c.damagedLines));
        else if (c.encoding == TextEncoding::ShiftJis)
            c.lines.append(sjis(line));
        else
            c.lines.append(utf8(line));
    }
}

} // namespace

QByteArrayView TextFileContent::lineBytes(qsizetype line) const
{
    const LineSpan s = spans.at(line);
    return QByteArrayView(bytes).sliced(s.from, s.size);
}

TextFileContent decodeTextLines(const QByteArray &bytes)
{
    TextFileContent c;
    c.bytes = bytes;
    const bool bom = bytes.startsWith(kUtf8Mark);
    if (QByteArrayView(bytes).sliced(bom ? kUtf8Mark.size() : 0).isValidUtf8()) {
        c.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
        c.spans = splitSpans(bytes, bom ? kUtf8Mark.size() : 0);
        decodeEveryLine(c);
        return c;
    }
    // The mark belongs to the first line of a file that is not UTF-8.
    c.spans = splitSpans(bytes, 0);
    QString ignored;
    if (decodeShiftJis(bytes, ignored)) {
        c.encoding = TextEncoding::ShiftJis;
        decodeEveryLine(c);
        return c;
    }
    QList<LineReading> readings;
    c.encoding = majorityEncoding(c, readings);
    if (bom && c.encoding == TextEncoding::Utf8) {
        c.encoding = TextEncoding::Utf8WithBom;
        c.spans = splitSpans(bytes, kUtf8Mark.size());
        readings[0].known = false;   // its span now starts after the mark
    }
    decodeEveryLine(c, readings);
    return c;
}

} // namespace pelumo
