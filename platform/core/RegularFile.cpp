#include "platform/core/RegularFile.h"
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelumo {
namespace {

FileBytes failure(FileBytes::Status status, int error)
{
    FileBytes result;
    result.status = status;
    result.errorString = QString::fromLocal8Bit(std::strerror(error));
    return result;
}

// Refuses what is not a regular file or is larger than the limit.
bool acceptable(const struct stat &info, qint64 limit, FileBytes &result)
{
    if (!S_ISREG(info.st_mode)) {
        result.status = FileBytes::NotAFile;
        result.errorString = QStringLiteral("not a regular file (mode %1)").arg(info.st_mode, 0, 8);
        return false;
    }
    result.size = info.st_size;
    if (info.st_size > limit) {
        result.status = FileBytes::TooLarge;
        result.errorString = QStringLiteral("%1 bytes, more than %2").arg(info.st_size).arg(limit);
        return false;
    }
    return true;
}

// Up to limit + 1 bytes, so that a file that grew past the limit is seen.
bool readUpTo(int fd, qint64 limit, QByteArray &bytes)
{
    bytes.resize(qsizetype(std::min<qint64>(limit + 1, 1 << 16)));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(limit + 1, qint64(filled) * 2)));
        }
        const ssize_t n = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += n;
    }
    bytes.resize(filled);
    return true;
}

} // namespace

FileBytes readRegularFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return failure(errno == ENOENT ? FileBytes::Missing : FileBytes::Failed, errno);
    FileBytes result;
    if (!acceptable(info, limit, result))
        return result;
    // Non-blocking: should a FIFO take the file's place after the check,
    // opening it still returns at once, and the check below refuses it.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno == ENOENT ? FileBytes::Missing : FileBytes::Failed, errno);
    const bool ok = ::fstat(fd, &info) == 0 && acceptable(info, limit, result)
        && readUpTo(fd, limit, result.bytes);
    const int error = errno;
    ::close(fd);
    if (result.status != FileBytes::Ok)
        return result;
    if (!ok)
        return failure(FileBytes::Failed, error);
    if (result.bytes.size() > limit) {
        result.status = FileBytes::TooLarge;
        result.size = result.bytes.size();
        result.bytes.clear();
        result.errorString = QStringLiteral("grew past %1 bytes while read").arg(limit);
    }
    return result;
}

FileStamp fileStamp(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {true, quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), ns(st.st_mtim),
            ns(st.st_ctim)};
}

} // namespace pelumo
