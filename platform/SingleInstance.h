#pragma once
// One running instance a user: a lock file held for the whole run.
//
// The lock only ever keeps a second start from opening a second window; it
// must never keep Pelumo from starting at all. A lock left by a crashed run,
// an empty or garbled lock (a power cut while it was written), one that
// cannot be read, or one written on another machine belongs to no running
// instance and is taken over. When the lock cannot be made at all (a
// read-only or full runtime folder) the program runs without it.
#include <QLockFile>
#include <QString>

namespace pelumo {

class SingleInstance {
public:
    enum Outcome {
        Acquired,         // this is the one instance
        HeldByAnother,    // another instance runs: end silently
        RunWithoutLock,   // the lock cannot be made here; run all the same
    };

    explicit SingleInstance(const QString &lockPath);
    Outcome acquire();

private:
    bool ownedByARunningInstance() const;
    bool removeDeadLock();

    QLockFile m_lock;
    QString m_path;
};

} // namespace pelumo
