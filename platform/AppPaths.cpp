#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pelumo {

QString resolveAppDir(const QString &programDir)
{
    if (QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("Talk.txt"))))
        return programDir;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/Talk");
    if (!QDir().mkpath(dir))
        qCWarning(lcFiles) << "could not create" << dir;
    return dir;
}

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Talk/Talk.ini");
}

QString instanceLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/pelumo.lock");
}

} // namespace pelumo
