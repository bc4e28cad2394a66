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

} // namespace pelumo
