// Reading and writing line files on disk; the decisions on bytes are in
// TextLines.cpp.
#include "platform/core/TextFile.h"
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>

namespace pelumo {

namespace {

FileFaultHook &faultHook()
{
    static FileFaultHook hook;
    return hook;
}

TextFileContent::Status contentStatus(FileBytes::Status status)
{
    switch (status) {
    case FileBytes::Ok: return TextFileContent::Ok;
    case FileBytes::Missing: return TextFileContent::Missing;
    case FileBytes::NotAFile: return TextFileContent::NotAFile;
    case FileBytes::TooLarge: return TextFileContent::TooLarge;
    case FileBytes::Failed: break;
    }
    return TextFileContent::Unreadable;
}

// Unbuffered, so that a write the disk refuses fails here: a buffered write
// that fails only when the file is closed goes unnoticed by commit(), which
// then puts a cut-off file in place of the old one (seen on a full tmpfs).
QString writeWhole(const QString &path, const QByteArray &bytes)
{
    const FileFault fault = fileFault(FileOperation::Write, path);
    QSaveFile file(path);
    if (fault == FileFault::CannotOpen)
        return QStringLiteral("Permission denied");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 wanted = fault == FileFault::ShortWrite ? bytes.size() / 2 : bytes.size();
    if (file.write(bytes.constData(), wanted) != bytes.size() || fault == FileFault::NoSpace) {
        const QString error = fault == FileFault::NoSpace ? QStringLiteral("No space left on device")
            : file.error() != QFileDevice::NoError       ? file.errorString()
                                                          : QStringLiteral("Short write");
        file.cancelWriting();
        return error;
    }
    if (fault == FileFault::FailedRename) {
        file.cancelWriting();
        return QStringLiteral("Could not rename the new file over the old one");
    }
    return file.commit() ? QString() : file.errorString();
}

QMutex savedHookMutex;

SavedFileHook &savedHook()
{
    static SavedFileHook hook;
    return hook;
}

void tellSaved(const QString &path)
{
    QMutexLocker lock(&savedHookMutex);
    if (savedHook())
        savedHook()(path);
}

} // namespace

QString writeFileBytes(const QString &path, const QByteArray &bytes)
{
    return writeWhole(path, bytes);
}

void setSavedFileHook(SavedFileHook hook)
{
    QMutexLocker lock(&savedHookMutex);
    savedHook() = std::move(hook);
}

TextFileContent readTextLines(const QString &path)
{
    const FileBytes file = readRegularFile(path, kMaxLineFileBytes);
    TextFileContent content;
    if (file.status == FileBytes::Ok && fileFault(FileOperation::Read, path) == FileFault::None)
        return decodeTextLines(file.bytes);
    content.status = contentStatus(file.status);
    content.size = file.size;
    if (file.status != FileBytes::Missing)
        content.errorString = file.errorString;
    if (file.status == FileBytes::Ok) {
        content.status = TextFileContent::Unreadable;
        content.errorString = QStringLiteral("Input/output error");
    }
    return content;
}

TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               const TextFileContent &asRead)
{
    TextWriteResult result;
    EncodedLines encoded = encodeTextLines(lines, asRead);
    if (encoded.status == EncodedLines::NeedsOtherEncoding) {
        result.status = TextWriteResult::NeedsOtherEncoding;
        return result;
    }
    result.errorString = writeWhole(path, encoded.content.bytes);
    if (result.errorString.isEmpty()) {
        result.status = TextWriteResult::Written;
        result.written = std::move(encoded.content);
        tellSaved(path);
    }
    return result;
}

TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               TextEncoding encoding)
{
    TextFileContent none;
    none.encoding = encoding;
    return writeTextLines(path, lines, none);
}

namespace {

// A dangling link is a name taken too: renaming onto it would replace it.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || !info.symLinkTarget().isEmpty();
}

} // namespace

QString freeAsideName(const QString &path)
{
    const QFileInfo info(path);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1-kept-%2.%3")
                                 .arg(info.completeBaseName()).arg(n).arg(info.suffix());
        if (!nameTaken(info.dir().filePath(name)))
            return name;
    }
}

AsideMove moveAside(const QString &path, const QString &wanted)
{
    AsideMove move;
    if (!QFileInfo::exists(path))
        return move;
    const QDir dir = QFileInfo(path).dir();
    move.name = wanted.isEmpty() || nameTaken(dir.filePath(wanted)) ? freeAsideName(path) : wanted;
    // QDir, not QFile: QFile falls back to copying, which would open a FIFO.
    if (!QDir().rename(path, dir.filePath(move.name)))
        move.errorString = QStringLiteral("cannot rename to %1").arg(dir.filePath(move.name));
    return move;
}

AsideCopy copyAside(const QString &path)
{
    AsideCopy copy;
    const FileBytes file = readRegularFile(path, kMaxLineFileBytes);
    if (file.status == FileBytes::Missing)
        return copy;
    if (file.status != FileBytes::Ok) {
        copy.errorString = file.errorString;
        return copy;
    }
    const QString name = freeAsideName(path);
    copy.errorString = writeWhole(QFileInfo(path).dir().filePath(name), file.bytes);
    if (copy.errorString.isEmpty())
        copy.name = name;
    return copy;
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
