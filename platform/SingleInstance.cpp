#include "platform/SingleInstance.h"

namespace pelumo {

SingleInstance::SingleInstance(const QString &lockPath) : m_lock(lockPath)
{
    // Only a lock whose process has died counts as stale, however old it is.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

} // namespace pelumo
