#include "platform/SettingsStore.h"
#include "platform/Logging.h"
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
    const QVariant value = m_settings->value(kGroup + key);
    const QString text = value.isValid() ? value.toString() : fallback;
    qCDebug(lcSettings) << "read" << key << text;
    return text;
}

bool IniSettingsStore::write(const QString &key, const QString &value)
{
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
