#pragma once
// The per-user settings store: group [OPT] of an INI file, every value text.
#include <QHash>
#include <QString>
#include <memory>

class QSettings;

namespace pelumo {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &key, const QString &fallback) const = 0;
    // False when the value could not be stored.
    virtual bool write(const QString &key, const QString &value) = 0;
};

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &path);
    ~IniSettingsStore() override;
    QString read(const QString &key, const QString &fallback) const override;
    bool write(const QString &key, const QString &value) override;
    QString path() const;

private:
    std::unique_ptr<QSettings> m_settings;
    QHash<QString, QString> m_unsaved;   // values the file could not take, by key
};

} // namespace pelumo
