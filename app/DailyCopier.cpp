#include "app/DailyCopier.h"
#include "backup/core/DailyCopies.h"
#include "platform/Logging.h"
#include <QDir>

namespace pelumo {

DailyCopier::DailyCopier(QList<DataFile> files, QString root, Now now, QObject *parent)
    : QObject(parent), m_files(std::move(files)), m_root(std::move(root)), m_now(std::move(now))
{
    m_pool.setMaxThreadCount(1);
}

DailyCopier::~DailyCopier()
{
    waitForCopy();
}

void DailyCopier::waitForCopy()
{
    m_pool.waitForDone();
}

void DailyCopier::fileSaved(const QString &path)
{
    // Queued even on this thread: the save goes on at once.
    QMetaObject::invokeMethod(this, [this, path] { startIfDue(path); }, Qt::QueuedConnection);
}

void DailyCopier::startIfDue(const QString &path)
{
    const QString saved = QDir::cleanPath(path);
    const bool ours = std::any_of(m_files.cbegin(), m_files.cend(), [&](const DataFile &file) {
        return QDir::cleanPath(file.path) == saved;
    });
    const QDateTime now = m_now();
    if (!ours || m_running || m_doneFor == now.date())
        return;
    m_running = true;
    m_pool.start([this, now] {
        const DailyCopy copy = makeDailyCopy(m_files, m_root, now);
        if (copy.status == DailyCopy::Failed)
            qCWarning(lcBackup) << "daily copy failed:" << copy.write.fileName
                                << copy.write.errorString;
        else
            qCDebug(lcBackup) << "daily copy" << now.date() << copy.status << "let go"
                              << copy.removed;
        const bool ok = copy.status != DailyCopy::Failed;
        QMetaObject::invokeMethod(this, [this, day = now.date(), ok] { finished(day, ok); },
                                  Qt::QueuedConnection);
    });
}

void DailyCopier::finished(const QDate &day, bool ok)
{
    m_running = false;
    if (ok)
        m_doneFor = day;
    emit copyFinished(ok);
}

} // namespace pelumo
