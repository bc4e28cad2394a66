#include "speech/SpeechController.h"
#include "platform/Logging.h"
#include "speech/core/KeyReading.h"
#include <QTimer>

namespace pelumo {
namespace {
// The dictionary is opened this long after start-up, well after the first
// paint; a message read sooner opens it itself.
constexpr int kDictionaryDelayMs = 1000;

bool spokenAt(SpokenKeys mode, const QString &stage)
{
    switch (mode) {
    case SpokenKeys::SelectionAndEntry:
        return stage == QLatin1String("E") || stage == QLatin1String("S");
    case SpokenKeys::EntryOnly:
        return stage == QLatin1String("E");
    case SpokenKeys::Never:
        return false;
    case SpokenKeys::Always:
        break;
    }
    return true;
}
} // namespace

SpeechController::SpeechController(AgentCharacter &agent, const Options &options,
                                   CommandButton *cmdRead, std::function<QString()> messageText,
                                   QObject *parent)
    : QObject(parent), m_agent(agent), m_options(options), m_cmdRead(cmdRead),
      m_messageText(std::move(messageText))
{
}

void SpeechController::SetUpCharacter()
{
    // The character is built in: nothing is loaded from AppDir, so a
    // "genie.acs" lying there plays no part.
    m_agent.show();
    placeCharacter(characterHome());
    m_agent.play(QStringLiteral("greet"));
    QTimer::singleShot(kDictionaryDelayMs, this, &SpeechController::prepareReadings);
}

void SpeechController::placeCharacter(const QPoint &at)
{
    m_agent.moveTo(at.x(), at.y());
}

void SpeechController::prepareReadings()
{
    m_reader.prepare();
    if (const QString problem = m_reader.takeProblem(); !problem.isEmpty())
        qCWarning(lcSpeech).noquote() << "no dictionary, messages are read as written:" << problem;
}

QString SpeechController::messageReading(const QString &message)
{
    prepareReadings();
    return m_reader.read(message);
}

void SpeechController::SpeakKey(const QString &Text, const QString &Stage)
{
    // A key is said by its name (ー "のばす", ？ "はてな"), never through the
    // dictionary: a lone は is the letter, not the particle.
    if (spokenAt(m_options.VoiceMode, Stage))
        m_agent.speak(Text, keyReading(Text), SpeechKind::Key);
}

void SpeechController::sayName(const QString &name)
{
    // A lone key by its name, as when touched; a word ("あ行", "編集",
    // "例文表示") as words are read. A message being read is never cut off:
    // the name waits behind it.
    const bool key = name.size() == 1 || (name.size() == 2 && name.at(0).isHighSurrogate());
    m_agent.speak(name, key ? keyReading(name) : messageReading(name), SpeechKind::Key);
}

void SpeechController::sayWhole(const QString &text)
{
    if (!text.isEmpty())
        m_agent.speak(text, messageReading(text), SpeechKind::Message);
}

void SpeechController::cmdRead_Click()
{
    emit keyTouched();
    const QString text = m_messageText();
    if (text.isEmpty())
        return;
    if (!m_reading) {
        // The end marker, and any "_" typed in the text, is read as a pause.
        // Speech is started before the window is laid out anew, so the first
        // sound does not wait for the relayout.
        m_agent.speak(text, messageReading(text), SpeechKind::Message);
        m_reading = true;
        emit readingStarted();
        m_cmdRead->setCaption(QStringLiteral("♪"));
        return;
    }
    m_agent.stop();
    m_reading = false;
    emit readingStopped();
    m_cmdRead->setCaption(QStringLiteral("読む"));
    m_cmdRead->setEnabled(true);
}

} // namespace pelumo
