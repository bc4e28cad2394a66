#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <pwd.h>
#include <unistd.h>

namespace pelumo {
namespace {

QString passwordDatabaseHome()
{
    const struct passwd *entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? QFile::decodeName(entry->pw_dir) : QString();
}

bool usableHome(const QString &dir)
{
    return QDir::isAbsolutePath(dir) && QDir::cleanPath(dir) != QDir::rootPath();
}

} // namespace

QString ensureHomeFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("HOME");
    if (usableHome(fromEnvironment))
        return fromEnvironment;
    QString home = passwordDatabaseHome();
    if (!usableHome(home)) {
        // No home anywhere (a system account): a private folder under the
        // temporary folder keeps the files out of "/" at least.
        home = QDir::tempPath() + QStringLiteral("/pelumo-home-%1").arg(::getuid());
        QDir().mkpath(home);
    }
    qCWarning(lcStartup) << "HOME is" << (fromEnvironment.isEmpty() ? "unset" : fromEnvironment)
                         << "- using" << home;
    qputenv("HOME", QFile::encodeName(home));
    return home;
}

QString resolveAppDir(const QString &programDir)
{
    if (QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("Talk.txt"))))
        return programDir;
    return userDataFolder();
}

QString userDataFolder()
{
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

QString stateFolder()
{
    // Qt 6.4 has no location for it yet: the XDG rule, read here.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base) + QStringLiteral("/Talk");
}

QString messageRecoveryPath()
{
    return stateFolder() + QStringLiteral("/message.json");
}

} // namespace pelumo
