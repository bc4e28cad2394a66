#pragma once
// The conversion engine on a thread of its own: opening it (Anthy maps its
// dictionary) and converting never hold up a touch. Requests are done in
// the order given; each conversion comes back through converted(), on the
// thread that owns the service, with the ticket convert() returned.
#include "editing/core/KanjiConverter.h"
#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace pelumo {

class ConversionService : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<KanjiConverter>()>;

    // The engine is made by `make` and opened with `learningFolder`, on the
    // service's thread, at the first open().
    ConversionService(Factory make, QString learningFolder, QObject *parent = nullptr);
    ~ConversionService() override;   // waits for the request under way, drops the rest

    void open();   // once; later calls do nothing
    bool isOpened() const { return m_started; }
    int convert(const QString &kana);
    void learn(const QString &reading, const QString &chosen);

signals:
    void converted(int ticket, const pelumo::Conversion &conversion);

private:
    void post(std::function<void(KanjiConverter *)> job);
    void run();

    Factory m_make;
    QString m_folder;
    bool m_started = false;
    int m_lastTicket = 0;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void(KanjiConverter *)>> m_jobs;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace pelumo
