#include "editing/ConversionService.h"
#include <QMetaObject>

namespace pelumo {

ConversionService::ConversionService(Factory make, QString learningFolder, QObject *parent)
    : QObject(parent), m_make(std::move(make)), m_folder(std::move(learningFolder))
{
    qRegisterMetaType<pelumo::Conversion>();
}

ConversionService::~ConversionService()
{
    if (!m_started)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_one();
    m_thread.join();
}

void ConversionService::open()
{
    if (m_started)
        return;
    m_started = true;
    m_thread = std::thread([this] { run(); });
}

int ConversionService::convert(const QString &kana)
{
    open();
    const int ticket = ++m_lastTicket;
    post([this, ticket, kana](KanjiConverter *engine) {
        Conversion result = engine ? engine->convert(kana) : Conversion{};
        // Delivered on the owner's thread; dropped if the service is gone.
        QMetaObject::invokeMethod(
            this, [this, ticket, result] { emit converted(ticket, result); }, Qt::QueuedConnection);
    });
    return ticket;
}

void ConversionService::learn(const QString &reading, const QString &chosen)
{
    open();
    post([reading, chosen](KanjiConverter *engine) {
        if (engine)
            engine->learn(reading, chosen);
    });
}

void ConversionService::post(std::function<void(KanjiConverter *)> job)
{
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

// The engine lives and dies on this thread, as Anthy wants.
void ConversionService::run()
{
    std::unique_ptr<KanjiConverter> engine = m_make ? m_make() : nullptr;
    if (engine && !engine->open(m_folder))
        engine.reset();
    for (;;) {
        std::function<void(KanjiConverter *)> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job(engine.get());
    }
}

} // namespace pelumo
