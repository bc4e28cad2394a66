#pragma once
// Where the program's files live.
#include <QString>

namespace pelumo {

// Makes HOME name the user's home folder before anything asks for a folder:
// when it is unset, empty or not absolute it is taken from the password
// database, so that no folder of ours is ever made under the root "/".
// Returns the home folder in use.
QString ensureHomeFolder();

// The folder of the phrase file "Talk.txt" and the diary "day.txt": the
// program's own folder when a "Talk.txt" is already there (a portable install,
// or files copied from an older installation), otherwise the per-user data
// folder $XDG_DATA_HOME/Talk, created when missing. A rebuild or a removed
// build folder never takes the user's phrase book or diary with it.
QString resolveAppDir(const QString &programDir);

// $XDG_DATA_HOME/Talk (by default ~/.local/share/Talk), created when
// missing: the program's own files of the user's (the history of what was
// said, the quick phrases), wherever Talk.txt is.
QString userDataFolder();

// $XDG_CONFIG_HOME/Talk/Talk.ini
QString settingsFilePath();

// The lock that keeps a second instance from starting.
QString instanceLockPath();

// $XDG_STATE_HOME/Talk (by default ~/.local/state/Talk): what the program
// keeps between runs that is not the user's documents. Not created here.
QString stateFolder();

// The message in progress, kept for the next start after a crash.
QString messageRecoveryPath();

} // namespace pelumo
