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

// A Talk.ini that is not a plain file (a FIFO would hold the start for ever,
// a link to a device would be read without end) or is far larger than any
// settings file is left untouched: every option takes its default, and what
// the user chooses holds for this run only.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &path);
    ~IniSettingsStore() override;
    QString read(const QString &key, const QString &fallback) const override;
    bool write(const QString &key, const QString &value) override;
    QString path() const { return m_path; }
    static constexpr qint64 kMaxBytes = 1 << 20;

private:
    QString m_path;
    std::unique_ptr<QSettings> m_settings;   // none when the file is refused
    QHash<QString, QString> m_unsaved;   // values the file could not take, by key
};

} // namespace pelumo
