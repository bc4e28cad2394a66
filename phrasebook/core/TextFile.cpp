#include "phrasebook/core/TextFile.h"
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace pelumo {

namespace {

FileFaultHook &faultHook()
{
    static FileFaultHook hook;
    return hook;
}

const QByteArray kBom("\xEF\xBB\xBF");

bool decodeUtf8(const QByteArray &bytes, QString &text)
{
    // The decoder would drop a byte-order mark of its own accord; the one mark
    // that says "UTF-8" is taken off by the caller, any other is text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    text = utf8(bytes);
    return !utf8.hasError();
}

// More lines with non-ASCII text are valid UTF-8 than are not. Shift_JIS
// text is almost never valid UTF-8, so a file in it scores near zero.
bool mostlyUtf8(const QByteArray &bytes)
{
    int utf8 = 0, other = 0;
    for (const QByteArray &line : bytes.split('\n')) {
        if (std::all_of(line.cbegin(), line.cend(), [](char c) { return uchar(c) < 0x80; }))
            continue;
        QString ignored;
        (decodeUtf8(line, ignored) ? utf8 : other) += 1;
    }
    return utf8 > other;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);
    return lines;
}

} // namespace

TextFileContent decodeTextLines(const QByteArray &bytes)
{
    TextFileContent content;
    const bool bom = bytes.startsWith(kBom);
    const QByteArray body = bom ? bytes.mid(kBom.size()) : bytes;
    QString text;
    if (decodeUtf8(body, text) || mostlyUtf8(body)) {
        // A UTF-8 file with a few damaged bytes stays UTF-8: read as Shift_JIS
        // every line of it would be garbled, not only the damaged ones.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        text = utf8(body);
        content.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    } else {
        QStringDecoder sjis("Shift_JIS");
        text = sjis(bytes);
        content.encoding = TextEncoding::ShiftJis;
    }
    content.lines = splitLines(text);
    return content;
}

QByteArray encodeTextLines(const QStringList &lines, TextEncoding &encoding)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    if (encoding == TextEncoding::ShiftJis) {
        QStringEncoder sjis("Shift_JIS");
        QByteArray bytes = sjis(text);
        // The converter does not flag every character it changes (U+001A
        // comes out as DEL), and bytes that happen to be valid UTF-8 would be
        // read as UTF-8: so the bytes are read back the way a later read will
        // read them before they are trusted.
        if (sjis.isValid() && !sjis.hasError() && decodeTextLines(bytes).lines == lines)
            return bytes;
        encoding = TextEncoding::Utf8;   // the code page cannot hold every character
    }
    QByteArray bytes = text.toUtf8();
    if (encoding == TextEncoding::Utf8WithBom)
        bytes.prepend(kBom);
    return bytes;
}

TextFileContent readTextLines(const QString &path)
{
    TextFileContent content;
    if (!QFile::exists(path)) {
        content.status = TextFileContent::Missing;
        return content;
    }
    QFile file(path);
    if (fileFault(FileOperation::Read, path) != FileFault::None) {
        content.status = TextFileContent::Unreadable;
        content.errorString = QStringLiteral("Input/output error");
        return content;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        content.status = TextFileContent::Unreadable;
        content.errorString = file.errorString();
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.status = TextFileContent::Unreadable;
        content.errorString = file.errorString();
        return content;
    }
    content = decodeTextLines(bytes);
    return content;
}

TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               TextEncoding encoding)
{
    TextWriteResult result;
    const QByteArray bytes = encodeTextLines(lines, encoding);
    result.encoding = encoding;
    const FileFault fault = fileFault(FileOperation::Write, path);
    QSaveFile file(path);
    if (fault == FileFault::CannotOpen || !file.open(QIODevice::WriteOnly)) {
        result.errorString = fault == FileFault::CannotOpen
            ? QStringLiteral("Permission denied") : file.errorString();
        return result;
    }
    const qint64 wanted = fault == FileFault::ShortWrite ? bytes.size() / 2 : bytes.size();
    if (file.write(bytes.constData(), wanted) != bytes.size() || fault == FileFault::NoSpace) {
        result.errorString = fault == FileFault::NoSpace
            ? QStringLiteral("No space left on device")
            : (file.error() != QFileDevice::NoError ? file.errorString()
                                                     : QStringLiteral("Short write"));
        file.cancelWriting();
        return result;
    }
    if (fault == FileFault::FailedRename) {
        file.cancelWriting();
        result.errorString = QStringLiteral("Could not rename the new file over the old one");
        return result;
    }
    if (!file.commit()) {
        result.errorString = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

FileFault fileFault(FileOperation op, const QString &path)
{
    return faultHook() ? faultHook()(op, path) : FileFault::None;
}

void setFileFaultHook(FileFaultHook hook)
{
    faultHook() = std::move(hook);
}

} // namespace pelumo
