#pragma once
// One running instance a user: a lock file held for the whole run. A lock
// left behind by a crashed run belongs to no live process and is taken over.
#include <QLockFile>
#include <QString>

namespace pelumo {

class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath);
    // False when another instance holds the lock.
    bool acquire();

private:
    QLockFile m_lock;
};

} // namespace pelumo
