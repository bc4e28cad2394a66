#include "speech/SpeakingAgent.h"
#include "platform/Logging.h"
#include <QTimer>
#include "speech/Voices.h"

namespace pelumo {

SpeakingAgent::SpeakingAgent(std::unique_ptr<SpeechEngine> engine)
    : m_engine(std::move(engine))
{
    if (!m_engine)
        return;
    // The balloon shows the text being heard, also when several were queued.
    connect(m_engine.get(), &SpeechEngine::audioStarted, this, [this](const QString &text) {
        window().showBalloon(text);
        window().setTalking(true);
    });
    connect(m_engine.get(), &SpeechEngine::speechEnded, this,
            [this] { window().rest(kBalloonLingerMs); });
    connect(m_engine.get(), &SpeechEngine::audioUnavailable, this, &SpeakingAgent::audioUnavailable);
}

SpeakingAgent::~SpeakingAgent() = default;

CharacterWindow &SpeakingAgent::window()
{
    if (!m_window)
        m_window = std::make_unique<CharacterWindow>();
    return *m_window;
}

// The figure is made and shown a moment after start-up: a second window made
// and painted then delays the main window's first paint, and the user's board
// comes first. Until then the place and the gesture asked for are kept.
void SpeakingAgent::show()
{
    QTimer::singleShot(kShowDelayMs, this, [this] {
        CharacterWindow &w = window();
        if (m_position)
            w.move(*m_position);
        w.show();
        if (!m_pendingAnimation.isEmpty())
            w.play(std::exchange(m_pendingAnimation, QString()));
    });
}

void SpeakingAgent::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
    if (m_window)
        m_window->move(x, y);
}

void SpeakingAgent::play(const QString &animation)
{
    if (m_window && m_window->isVisible())
        m_window->play(animation);
    else
        m_pendingAnimation = animation;
}

void SpeakingAgent::speak(const QString &text, const QString &reading, SpeechKind kind)
{
    // The balloon shows the text as it is heard: the end marker, and any "_"
    // read as a pause, are not shown.
    const QString shown = QString(text).replace(QLatin1Char('_'), QLatin1Char(' ')).trimmed();
    const QString given = m_engine ? m_engine->givenText(shown, reading, kind) : reading;
    const QString voice = m_engine ? m_engine->voiceName() : QStringLiteral("espeak-ng");
    qCDebug(lcSpeech).noquote() << QStringLiteral("Speak \"") + text + QStringLiteral("\" reading \"")
                                       + given + QStringLiteral("\" voice \"") + voice + QLatin1Char('"');
    if (!m_engine) {
        window().showBalloon(shown);
        window().rest(kBalloonLingerMs * 2);
        return;
    }
    // The voice is started first, so the first sound does not wait for the
    // balloon's layout; both show in answer to the same touch.
    const bool idle = !m_engine->isSpeaking();
    m_engine->speak(shown, reading, kind);
    if (idle)
        window().showBalloon(shown);
}

void SpeakingAgent::stop()
{
    qCDebug(lcSpeech).noquote() << "Stop";
    if (m_engine)
        m_engine->stop();
    window().rest(0);
}

void SpeakingAgent::setVoice(const VoiceSettings &voice)
{
    if (m_engine)
        m_engine->setVoice(voice);
}

std::unique_ptr<SpeakingAgent> makeSpeakingAgent(const QString &storedVoice)
{
    const VoiceFile voice = chooseVoice(storedVoice, openJTalkVoices());
    qCInfo(lcSpeech).noquote() << QStringLiteral("voice \"%1\"").arg(voice.name);
    return std::make_unique<SpeakingAgent>(makeSpeechEngine(voice));
}

} // namespace pelumo
