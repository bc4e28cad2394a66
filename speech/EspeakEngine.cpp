#ifdef PELUMO_HAVE_ESPEAK
#include "speech/EspeakEngine.h"
#include "platform/Logging.h"
#include "speech/SpeechThread.h"
#include <QTimer>
#include <chrono>

namespace pelumo {

EspeakEngine::EspeakEngine(std::unique_ptr<AudioSink> sink, QObject *parent)
    : SpeechEngine(parent)
{
    // The callbacks run on the speech thread: they only queue a call to this
    // object, which Qt drops if the engine is gone by then.
    SpeechThread::Callbacks callbacks;
    callbacks.started = [this](quint64 id, const QString &text) {
        m_audioStartNs = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        QMetaObject::invokeMethod(
            this, [this, id, text] { onAudioStarted(id, text); }, Qt::QueuedConnection);
    };
    callbacks.finished = [this](quint64 id) {
        QMetaObject::invokeMethod(this, [this, id] { onFinished(id); }, Qt::QueuedConnection);
    };
    callbacks.audio = [this](bool available, const QString &detail) {
        QMetaObject::invokeMethod(
            this, [this, available, detail] { onAudioReport(available, detail); }, Qt::QueuedConnection);
    };
    m_thread = std::make_unique<SpeechThread>(std::move(sink), std::move(callbacks));
    // Loading the voice loads libraries and reads files; done while the main
    // window paints for the first time, it delays it.
    QTimer::singleShot(kWarmUpDelayMs, this, [this] { m_thread->startUp(); });
}

// The speech thread ends first: its last callbacks touch this object.
EspeakEngine::~EspeakEngine()
{
    m_thread.reset();
}

void EspeakEngine::speak(const QString &text, const QString &reading, SpeechKind kind)
{
    m_thread->enqueue({++m_lastId, text, reading, kind});
}

void EspeakEngine::stop()
{
    m_silencedThrough = m_lastId;
    m_thread->silenceThrough(m_lastId);
}

void EspeakEngine::setVoice(const VoiceSettings &voice)
{
    m_thread->setVoice(voice);
}

bool EspeakEngine::isSpeaking() const
{
    return m_lastId > std::max(m_silencedThrough, m_doneThrough);
}

bool EspeakEngine::waitUntilReady() const
{
    return m_thread->waitUntilReady();
}

void EspeakEngine::onAudioStarted(quint64 id, const QString &text)
{
    if (id > m_silencedThrough)
        emit audioStarted(text);
}

// Texts finish in the order given; one dropped for a newer text never does.
void EspeakEngine::onFinished(quint64 id)
{
    if (id <= m_silencedThrough)
        return;
    m_doneThrough = id;
    if (id == m_lastId)
        emit speechEnded();
}

void EspeakEngine::onAudioReport(bool available, const QString &detail)
{
    if (available) {
        qCInfo(lcSpeech) << "Audio output open";
        return;
    }
    qCWarning(lcSpeech).noquote()
        << "No audio output, speech is silent until one can be opened:" << detail;
    emit audioUnavailable();
}

} // namespace pelumo
#endif
