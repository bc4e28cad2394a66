#pragma once
// A conversion engine for window tests: segments and candidates from a small
// table, and the choices it was told, which the test reads once the service's
// thread has told them (under the lock).
#include "editing/ConversionService.h"
#include <QMap>
#include <mutex>

namespace pelumo::test {

struct FakeConversions {
    std::mutex mutex;
    QMap<QString, Conversion> table = {
        {"おはよう", {{"おはよう", {"お早う", "おはよう"}}}},
        {"きょうはいいてんきです",
         {{"きょうは", {"今日は", "京は"}}, {"いい", {"良い"}}, {"てんきです", {"天気です"}}}},
    };
    QStringList learned;   // "reading→chosen"
    QStringList asked;     // the kana converted
    bool opened = false;
    QString folder;

    QStringList learnedNow()
    {
        std::lock_guard lock(mutex);
        return learned;
    }
    QStringList askedNow()
    {
        std::lock_guard lock(mutex);
        return asked;
    }
};

class FakeConverter : public KanjiConverter {
public:
    explicit FakeConverter(std::shared_ptr<FakeConversions> data) : m_data(std::move(data)) {}
    bool open(const QString &folder) override
    {
        std::lock_guard lock(m_data->mutex);
        m_data->opened = true;
        m_data->folder = folder;
        return true;
    }
    Conversion convert(const QString &kana) override
    {
        std::lock_guard lock(m_data->mutex);
        m_data->asked << kana;
        return m_data->table.value(kana);
    }
    void learn(const QString &reading, const QString &chosen) override
    {
        std::lock_guard lock(m_data->mutex);
        m_data->learned << reading + "→" + chosen;
    }

private:
    std::shared_ptr<FakeConversions> m_data;
};

inline ConversionService::Factory fakeConverter(std::shared_ptr<FakeConversions> data)
{
    return [data] { return std::make_unique<FakeConverter>(data); };
}

} // namespace pelumo::test
