#pragma once
// A small private file replaced on every change, cheaply enough for the path
// of a touch, and kept safe against a kill and a power cut.
//
// swapInFile writes the new content to a fresh file beside the old one and
// swaps the two names in one step (renameat2's RENAME_EXCHANGE), then removes
// the old content. Renaming the new file over the old one would be as
// atomic, but ext4 then starts writing the new file to the disk before the
// rename returns: 0.5 ms typically and 5–12 ms in the slow hundredth on a
// busy disk, against 0.4–0.6 ms for the swap. From the return on, a kill or a
// crash cannot take the new content: it is in the page cache.
//
// A power cut can, until the file is on the disk: syncSwappedFile puts it
// there and gives that very file a second name, safeCopyPath(path), which no
// swap removes. Until the next sync, a power cut leaves at worst that copy
// (and the file itself empty or as it was).
#include <QByteArray>
#include <QString>

namespace pelumo {

QString safeCopyPath(const QString &path);

// Empty on success, otherwise why it failed (for the log); the file is then
// as it was. The file is made private (0600); whatever else stands at path
// (a link, a FIFO) must be removed by the caller first.
QString swapInFile(const QString &path, const QByteArray &bytes);

// Puts the file on the disk, its safe copy's name beside it, and both names
// in the folder on the disk. Empty on success or when there is no file.
QString syncSwappedFile(const QString &path);

} // namespace pelumo
