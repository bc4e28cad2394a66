#include "platform/SpeakingAgent.h"
#include "platform/Logging.h"
#ifdef PELUMO_HAVE_ESPEAK
#include "platform/EspeakEngine.h"
#endif

namespace pelumo {

SpeakingAgent::SpeakingAgent(std::unique_ptr<SpeechEngine> engine)
    : m_engine(std::move(engine))
{
    if (!m_engine)
        return;
    // The balloon shows the text being heard, also when several were queued.
    connect(m_engine.get(), &SpeechEngine::audioStarted, this, [this](const QString &text) {
        m_window.showBalloon(text);
        m_window.setTalking(true);
    });
    connect(m_engine.get(), &SpeechEngine::speechEnded, this,
            [this] { m_window.rest(kBalloonLingerMs); });
}

SpeakingAgent::~SpeakingAgent() = default;

void SpeakingAgent::show()
{
    m_window.show();
}

void SpeakingAgent::moveTo(int x, int y)
{
    m_window.move(x, y);
}

void SpeakingAgent::play(const QString &animation)
{
    m_window.play(animation);
}

void SpeakingAgent::speak(const QString &text)
{
    qCDebug(lcSpeech).noquote() << QStringLiteral("Speak \"%1\"").arg(text);
    if (!m_engine) {
        m_window.showBalloon(text);
        m_window.rest(kBalloonLingerMs * 2);
        return;
    }
    // Shown at once, before the first sound: the touch gets its answer now.
    if (!m_engine->isSpeaking())
        m_window.showBalloon(text);
    m_engine->speak(text);
}

void SpeakingAgent::stop()
{
    qCDebug(lcSpeech).noquote() << QStringLiteral("Stop");
    if (m_engine)
        m_engine->stop();
    m_window.rest(0);
}

std::unique_ptr<SpeakingAgent> makeSpeakingAgent()
{
#ifdef PELUMO_HAVE_ESPEAK
    return std::make_unique<SpeakingAgent>(std::make_unique<EspeakEngine>());
#else
    qCWarning(lcSpeech) << "Built without espeak-ng: speech is silent";
    return std::make_unique<SpeakingAgent>(nullptr);
#endif
}

} // namespace pelumo
