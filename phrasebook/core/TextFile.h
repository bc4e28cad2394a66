#pragma once
// Line files as the phrase book and the diary keep them.
//
// A file that is valid UTF-8 (with or without a byte-order mark) is read as
// UTF-8; any other as Shift_JIS (code page 932), which is what an older
// installation wrote. A file is written back in the encoding it was read in, so
// a file shared with an older installation stays readable there; when code page
// 932 cannot hold a character the file becomes UTF-8 instead, so nothing is
// ever lost or turned into "?". Lines are written with CR LF; CR LF, LF and a
// lone CR all end a line on reading.
//
// Every write goes to a new file renamed over the old one, so a crash or a
// power cut in the middle leaves either the old file or the new one.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace pelumo {

enum class TextEncoding { Utf8, Utf8WithBom, ShiftJis };

struct TextFileContent {
    enum Status { Ok, Missing, Unreadable };
    Status status = Ok;
    QStringList lines;
    TextEncoding encoding = TextEncoding::Utf8;
    QString errorString;   // why the file could not be read, for the notice
};

struct TextWriteResult {
    bool ok = false;
    TextEncoding encoding = TextEncoding::Utf8;   // what was (or would have been) written
    QString errorString;                          // why the write failed
};

// The pure halves, on bytes. A final line end does not make an extra line.
TextFileContent decodeTextLines(const QByteArray &bytes);
QByteArray encodeTextLines(const QStringList &lines, TextEncoding &encoding);

TextFileContent readTextLines(const QString &path);
TextWriteResult writeTextLines(const QString &path, const QStringList &lines,
                               TextEncoding encoding);

// The name under which a file that could not be read is kept aside, so that
// no rewrite ever replaces it: the first free "<name>-kept-N.txt" beside it.
QString freeAsideName(const QString &path);

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
