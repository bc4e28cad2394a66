#include "platform/SettingsStore.h"
#include "platform/Logging.h"
#include "platform/core/TextFile.h"
#include "platform/core/RegularFile.h"
#include <QSettings>

namespace pelumo {
namespace {
const QString kGroup = QStringLiteral("OPT/");

// QSettings reads its file as soon as it is made; it must never be made on
// something it cannot read to the end. A missing file is fine (it is made
// at the first write), and so is one it may not read (it reads as empty).
bool isSafeToOpen(const QString &path)
{
    const FileBytes::Status status = readRegularFile(path, IniSettingsStore::kMaxBytes).status;
    return status == FileBytes::Ok || status == FileBytes::Missing || status == FileBytes::Failed;
}
} // namespace

IniSettingsStore::IniSettingsStore(const QString &path)
    : m_path(path)
{
    if (isSafeToOpen(path))
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    else
        qCWarning(lcSettings) << "not a plain settings file, or too large; left untouched:" << path;
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString &key, const QString &fallback) const
{
    if (m_unsaved.contains(key))
        return m_unsaved.value(key);
    // A store that cannot be read gives every option its default.
    const bool failed = !m_settings || fileFault(FileOperation::Read, path()) != FileFault::None;
    const QVariant value = failed ? QVariant() : m_settings->value(kGroup + key);
    const QString text = value.isValid() ? value.toString() : fallback;
    qCDebug(lcSettings) << "read" << key << text;
    return text;
}

bool IniSettingsStore::write(const QString &key, const QString &value)
{
    // A value the file cannot take is still kept for this run, so the program
    // goes on with what the user chose (QSettings keeps it in memory too).
    if (!m_settings || fileFault(FileOperation::Write, path()) != FileFault::None) {
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

} // namespace pelumo
