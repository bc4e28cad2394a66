#include "platform/SettingsStore.h"
#include "platform/Logging.h"
#include "phrasebook/core/TextFile.h"
#include <QSettings>

namespace pelumo {
namespace {
const QString kGroup = QStringLiteral("OPT/");
}

IniSettingsStore::IniSettingsStore(const QString &path)
    : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString &key, const QString &fallback) const
{
    if (m_unsaved.contains(key))
        return m_unsaved.value(key);
    // A store that cannot be read gives every option its default.
    const bool failed = fileFault(FileOperation::Read, path()) != FileFault::None;
    const QVariant value = failed ? QVariant() : m_settings->value(kGroup + key);
    const QString text = value.isValid() ? value.toString() : fallback;
    qCDebug(lcSettings) << "read" << key << text;
    return text;
}

bool IniSettingsStore::write(const QString &key, const QString &value)
{
    // A value the file cannot take is still kept for this run, so the program
    // goes on with what the user chose (QSettings keeps it in memory too).
    if (fileFault(FileOperation::Write, path()) != FileFault::None) {
        m_unsaved.insert(key, value);
        qCWarning(lcSettings) << "could not write" << key << "to" << path();
        return false;
    }
    m_unsaved.remove(key);
    m_settings->setValue(kGroup + key, value);
    m_settings->sync();
    const bool ok = m_settings->status() == QSettings::NoError;
    if (ok)
        qCDebug(lcSettings) << "wrote" << key << value;
    else
        qCWarning(lcSettings) << "could not write" << key << "to" << m_settings->fileName();
    return ok;
}

QString IniSettingsStore::path() const { return m_settings->fileName(); }

} // namespace pelumo
