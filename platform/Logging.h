#pragma once
// Logging categories of the program. Off by default; turn them on with, for
// example, QT_LOGGING_RULES="pelumo.*.debug=true".
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcSpeech)
Q_DECLARE_LOGGING_CATEGORY(lcStartup)
Q_DECLARE_LOGGING_CATEGORY(lcAccess)
Q_DECLARE_LOGGING_CATEGORY(lcBackup)
