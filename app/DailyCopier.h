#pragma once
// The daily copy of the user's data, made at the first save of each day on a
// thread of its own: the save that starts it never waits for it and never
// fails because of it. A copy that fails is logged and tried again at the
// next save.
#include "backup/core/BackupFiles.h"
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QThreadPool>
#include <functional>

namespace pelumo {

class DailyCopier : public QObject {
    Q_OBJECT
public:
    using Now = std::function<QDateTime()>;
    DailyCopier(QList<DataFile> files, QString root, Now now, QObject *parent = nullptr);
    ~DailyCopier() override;   // waits for the copy under way

    // From any thread, after a file was written: a data file's first save of
    // the day starts the copy, once this object's thread gets to it.
    void fileSaved(const QString &path);
    // Waits for the copy under way, if any (for the tests and the end).
    void waitForCopy();

signals:
    // On this object's thread, after each copy: whether today's is there.
    void copyFinished(bool ok);

private:
    void startIfDue(const QString &path);
    void finished(const QDate &day, bool ok);

    const QList<DataFile> m_files;
    const QString m_root;
    const Now m_now;
    QThreadPool m_pool;
    QDate m_doneFor;
    bool m_running = false;
};

} // namespace pelumo
