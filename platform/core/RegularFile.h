#pragma once
// Reading a whole file that must be an ordinary file of sensible size.
//
// The phrase book, the diary, the settings and the kept message are read at
// start-up; a Talk.txt that is a FIFO would block open() for ever, and one
// linked to /dev/zero would fill the memory. A link is followed (a carer may link the
// phrase book to a shared folder), but what it leads to must be a regular
// file: that is checked before the file is opened, opened without blocking,
// checked again on the open file, and never more than the limit is read.
#include <QByteArray>
#include <QString>

namespace pelumo {

struct FileBytes {
    enum Status { Ok, Missing, NotAFile, TooLarge, Failed };
    Status status = Ok;
    QByteArray bytes;
    qint64 size = 0;       // what the file said its size was, for TooLarge
    QString errorString;   // the system's words, for the log
};

FileBytes readRegularFile(const QString &path, qint64 limit);

// What tells one version of a file from another without reading it: the
// file a link leads to, its size, and the times of its last change, to the
// nanosecond. Any write, replacement or rename of the file changes it.
struct FileStamp {
    bool exists = false;
    quint64 device = 0, inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0, changedNs = 0;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
FileStamp fileStamp(const QString &path);

} // namespace pelumo
