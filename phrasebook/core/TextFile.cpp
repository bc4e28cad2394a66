#include "phrasebook/core/TextFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

// A file that is not valid UTF-8 throughout is read line by line: a line that
// is valid UTF-8 is read so, any other as Shift_JIS. A UTF-8 file with a few
// damaged bytes, or an older file with a few lines added in UTF-8, so loses
// only its damaged lines, where one reading of the whole would garble them
// all. Shift_JIS text is as good as never valid UTF-8 (its kana bytes cannot
// start a UTF-8 character), and neither encoding uses the byte of a line
// end inside a character. The file is written back in the encoding most of
// its lines were in.
QString decodeByLines(const QByteArray &bytes, TextEncoding &encoding)
{
    QStringDecoder sjis("Shift_JIS", QStringDecoder::Flag::Stateless);
    int utf8Lines = 0, sjisLines = 0;
    QStringList pieces;
    for (const QByteArray &line : bytes.split('\n')) {
        QString text;
        if (isAscii(line) || (decodeUtf8(line, text) && ++utf8Lines)) {
            pieces << (text.isNull() ? QString::fromLatin1(line) : text);
            continue;
        }
        ++sjisLines;
        pieces << sjis.decode(line);
    }
    encoding = sjisLines > utf8Lines ? TextEncoding::ShiftJis : TextEncoding::Utf8;
    return pieces.join(u'\n');
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
    if (decodeUtf8(body, text)) {
        content.encoding = TextEncoding::Utf8;
    } else {
        text = decodeByLines(bom ? body : bytes, content.encoding);
    }
    if (bom && content.encoding == TextEncoding::Utf8)
        content.encoding = TextEncoding::Utf8WithBom;
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
    // Text that itself begins with U+FEFF would read back as a byte-order
    // mark and lose it: a mark of our own in front keeps it.
    if (encoding == TextEncoding::Utf8 && text.startsWith(QChar(0xFEFF)))
        encoding = TextEncoding::Utf8WithBom;
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
    // Unbuffered, so that a write the disk refuses fails here: a buffered
    // write that fails only when the file is closed goes unnoticed by commit(),
    // which then puts a cut-off file in place of the old one (seen on a full
    // tmpfs).
    if (fault == FileFault::CannotOpen || !file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
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

QString freeAsideName(const QString &path)
{
    const QFileInfo info(path);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1-kept-%2.txt").arg(info.completeBaseName()).arg(n);
        if (!QFileInfo::exists(info.dir().filePath(name)))
            return name;
    }
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
