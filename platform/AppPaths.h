#pragma once
// Where the program's files live.
#include <QString>

namespace pelumo {

// The folder of the phrase file "Talk.txt" and the diary "day.txt": the
// program's own folder when a "Talk.txt" is already there (a portable install,
// or files copied from an older installation), otherwise the per-user data
// folder $XDG_DATA_HOME/Talk, created when missing. A rebuild or a removed
// build folder never takes the user's phrase book or diary with it.
QString resolveAppDir(const QString &programDir);

// $XDG_CONFIG_HOME/Talk/Talk.ini
QString settingsFilePath();

// The lock that keeps a second instance from starting.
QString instanceLockPath();

} // namespace pelumo
