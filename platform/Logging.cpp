#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcSettings, "pelumo.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcFiles, "pelumo.files", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSpeech, "pelumo.speech", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStartup, "pelumo.startup", QtWarningMsg)
Q_LOGGING_CATEGORY(lcAccess, "pelumo.access", QtWarningMsg)
Q_LOGGING_CATEGORY(lcBackup, "pelumo.backup", QtWarningMsg)
