#pragma once
// Line files as the phrase book and the diary keep them.
//
// The encoding is decided once for the whole file: a file that is valid UTF-8
// (with or without a byte-order mark) is UTF-8; any other is Shift_JIS (code
// page 932, what an older installation wrote) unless most of its lines read
// only as UTF-8. A line the file's encoding cannot read is shown as the other
// encoding reads it, or as best it decodes when neither can (a damaged line).
//
// Every line keeps the bytes it was read from. A line written back with the
// text it was read with is written as those very bytes, whatever they are, so
// a save changes only what the user changed. A new or changed line is
// written in the file's encoding; when that cannot hold it, nothing is
// written and the caller is told, so that it can ask before the file changes
// format. Lines are written with CR LF; CR LF, LF and a lone CR all end a
// line on reading.
//
// Every write goes to a new file renamed over the old one, so a crash or a
// power cut in the middle leaves either the old file or the new one.
#include "platform/core/RegularFile.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace pelumo {

// Far above the largest phrase book (32,767 lines of 32,767 characters would
// be more, but a real book of 32,767 phrases is about 2 MB).
inline constexpr qint64 kMaxLineFileBytes = qint64(64) << 20;

enum class TextEncoding { Utf8, Utf8WithBom, ShiftJis };
inline const QByteArray kUtf8Mark("\xEF\xBB\xBF");   // the byte-order mark

// Where a line's bytes lie in the file, without its line end.
struct LineSpan {
    qsizetype from = 0, size = 0;
};

struct TextFileContent {
    enum Status { Ok, Missing, Unreadable, NotAFile, TooLarge };
    Status status = Ok;
    QStringList lines;       // may be let go (dropTexts) by a holder that keeps the texts itself
    TextEncoding encoding = TextEncoding::Utf8;
    int damagedLines = 0;    // lines neither encoding reads: shown as best they decode
    QByteArray bytes;        // the file as read
    QList<LineSpan> spans;   // each line's bytes in it, one for every line
    qint64 size = 0;         // the file's size, when it was too large to read
    QString errorString;     // why the file could not be read, for the log

    QByteArrayView lineBytes(qsizetype line) const;
    // The lines' texts go, their bytes stay: a write over this file reads
    // them again from the bytes, once, which costs a few milliseconds for
    // the largest book and saves holding every line twice.
    void dropTexts() { lines = QStringList(); }
};

// Bytes for lines, over the file they replace: Ok, with the file as it will
// be read back (its bytes are what to write), or NeedsOtherEncoding when the
// file's encoding cannot hold a new line or the bytes would not read back as
// these lines.
struct EncodedLines {
    enum Status { Ok, NeedsOtherEncoding };
    Status status = Ok;
    TextFileContent content;
};

struct TextWriteResult {
    enum Status { Written, Failed, NeedsOtherEncoding };
    Status status = Failed;
    TextFileContent written;   // the file as now on disk, when Written
    QString errorString;       // why the write failed, for the log
};

// The pure halves, on bytes. A final line end does not make an extra line.
// Lines over an empty TextFileContent of an encoding are all new.
TextFileContent decodeTextLines(const QByteArray &bytes);
EncodedLines encodeTextLines(const QStringList &lines, const TextFileContent &asRead);

TextFileContent readTextLines(const QString &path);
TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               const TextFileContent &asRead);
// A new file in the encoding given, no line of it read before.
TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               TextEncoding encoding);

// Any file's bytes, whole, through a new file renamed over the old one:
// empty, or the system's words for why not. Honours the fault seam below.
QString writeFileBytes(const QString &path, const QByteArray &bytes);

// Told the path of every line file written (Talk.txt, day.txt, the lists),
// after the write, on the thread that wrote it; an empty hook tells nobody.
using SavedFileHook = std::function<void(const QString &path)>;
void setSavedFileHook(SavedFileHook hook);

// The name under which a file that could not be read is kept aside, so that
// no rewrite ever replaces it: the first free "<name>-kept-N.<suffix>" beside
// it (Talk-kept-1.txt, message-kept-1.json).
QString freeAsideName(const QString &path);

// A file that was not read, renamed to a free name beside it so that no
// write replaces it. wanted is the name promised to the user; a free one is
// taken when it is empty or no longer free. Ok with no name when there is no
// file. The name is set even when the rename fails, for the notice.
struct AsideMove {
    QString name;
    QString errorString;
    bool ok() const { return errorString.isEmpty(); }
};
AsideMove moveAside(const QString &path, const QString &wanted = QString());

// Before a file changes format, a copy of it byte for byte under that name.
// ok() with an empty name when there was no file to copy.
struct AsideCopy {
    QString name;          // the copy's file name, beside the file
    QString errorString;   // why it could not be made, for the log
    bool ok() const { return errorString.isEmpty(); }
};
AsideCopy copyAside(const QString &path);

// The one seam where tests make file operations fail. The hook is asked before
// each operation; anything but None makes that operation fail as named.
enum class FileFault { None, CannotOpen, ShortWrite, FailedRename, NoSpace };
enum class FileOperation { Read, Write };
using FileFaultHook = std::function<FileFault(FileOperation, const QString &path)>;
void setFileFaultHook(FileFaultHook hook);   // an empty hook turns faults off
// The fault the hook asks for at this operation (None without a hook); for
// the other file users (the settings store) to honour the same seam.
FileFault fileFault(FileOperation op, const QString &path);

} // namespace pelumo
