#include "platform/SingleInstance.h"
#include "platform/Logging.h"
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pelumo {
namespace {

enum class Holder { Nobody, Someone, Unknown };

// A running instance keeps its lock file open under flock() for its whole
// run, from the moment it makes it, before it has written a byte. A file
// nobody holds that way belongs to no running instance, whatever it says.
Holder lockHolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Holder::Unknown;
    Holder holder = Holder::Nobody;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        holder = errno == EWOULDBLOCK ? Holder::Someone : Holder::Unknown;
    ::close(fd);   // also lets go of the lock taken here for the test
    return holder;
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath), m_path(lockPath)
{
    // Only a lock whose process has died counts as stale, however old it is.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    if (m_lock.tryLock(0))
        return Acquired;
    if (m_lock.error() == QLockFile::LockFailedError) {
        // QLockFile has already taken over the lock of a process that died.
        // What is left is a live instance, or a lock it could not make sense
        // of. Where flock() cannot tell, the process the lock names decides.
        const Holder holder = lockHolder(m_path);
        if (holder == Holder::Someone || (holder == Holder::Unknown && ownedByARunningInstance()))
            return HeldByAnother;
        qCWarning(lcStartup) << "taking over an unreadable or foreign lock" << m_path;
        if (removeDeadLock() && !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError)
            return HeldByAnother;   // another start took it in between
        if (m_lock.isLocked())
            return Acquired;
    }
    qCWarning(lcStartup) << "cannot make the instance lock" << m_path << m_lock.error()
                         << "- running without it";
    return RunWithoutLock;
}

// A lock that names a process on this machine. QLockFile leaves only those
// whose process still runs (and still has the name it had).
bool SingleInstance::ownedByARunningInstance() const
{
    qint64 pid = 0;
    QString host, application;
    if (!m_lock.getLockInfo(&pid, &host, &application) || pid <= 0)
        return false;
    return host.isEmpty() || host == QSysInfo::machineHostName();
}

bool SingleInstance::removeDeadLock()
{
    if (m_lock.removeStaleLockFile())
        return true;
    // One we may not even open for writing (its mode changed) is removed by
    // name; a folder in its place stays, and the program runs without a lock.
    return QFileInfo(m_path).isFile() && QFile::remove(m_path);
}

} // namespace pelumo
