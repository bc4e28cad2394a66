#include "platform/core/SwappedFile.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace pelumo {
namespace {

QString systemError(const char *what, const QByteArray &name)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(what), QFile::decodeName(name),
                                          QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The new content in a file of its own; empty on success.
QString writeFresh(const QByteArray &name, const QByteArray &bytes)
{
    ::unlink(name.constData());
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return systemError("cannot make", name);
    QString error = writeAll(fd, bytes) ? QString() : systemError("cannot write", name);
    if (::close(fd) != 0 && error.isEmpty())
        error = systemError("cannot close", name);
    if (!error.isEmpty())
        ::unlink(name.constData());
    return error;
}

// fresh takes target's name: swapped with it when there is one (fresh then
// names the old content), renamed to it when there is none, or, where the
// file system cannot swap, renamed over it. Whether fresh still names
// something to remove is told in `swapped`.
bool moveIntoPlace(const QByteArray &fresh, const QByteArray &target, bool &swapped)
{
    swapped = ::renameat2(AT_FDCWD, fresh.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0;
    if (swapped)
        return true;
    // ENOENT: no old file yet; EINVAL and the like: no swap on this file system.
    return ::rename(fresh.constData(), target.constData()) == 0;
}

QString syncFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(QFileInfo(path).path());
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return systemError("cannot open", name);
    const QString error = ::fsync(fd) == 0 ? QString() : systemError("cannot sync", name);
    ::close(fd);
    return error;
}

} // namespace

QString safeCopyPath(const QString &path)
{
    return path + QStringLiteral(".safe");
}

QString swapInFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray fresh = target + ".new";
    if (QString error = writeFresh(fresh, bytes); !error.isEmpty())
        return error;
    bool swapped = false;
    if (!moveIntoPlace(fresh, target, swapped)) {
        const QString error = systemError("cannot move into place", target);
        ::unlink(fresh.constData());
        return error;
    }
    if (swapped)
        ::unlink(fresh.constData());   // the old content; its safe copy keeps its own name
    return QString();
}

QString syncSwappedFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const QByteArray copy = QFile::encodeName(safeCopyPath(path));
    const QByteArray copyNew = copy + ".new";
    QString error;
    // The file is opened once, so that the copy names the very file synced,
    // whatever a swap meanwhile puts at path.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? QString() : systemError("cannot open", name);
    if (::fsync(fd) != 0)
        error = systemError("cannot sync", name);
    if (error.isEmpty()) {
        ::unlink(copyNew.constData());
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, copyNew.constData(), AT_SYMLINK_FOLLOW) != 0
            || ::rename(copyNew.constData(), copy.constData()) != 0) {
            error = systemError("cannot name the safe copy", copy);
            ::unlink(copyNew.constData());
        }
    }
    ::close(fd);
    const QString folderError = syncFolder(path);
    return error.isEmpty() ? folderError : error;
}

} // namespace pelumo
