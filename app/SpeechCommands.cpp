// Speech of the message and of single characters, and the character's set-up.
#include "app/frmTalk.h"
#include "platform/Logging.h"
#include "speech/core/KeyReading.h"
#include <QTimer>

namespace pelumo {
namespace {
// The dictionary is opened this long after start-up, well after the first
// paint; a message read sooner opens it itself.
constexpr int kDictionaryDelayMs = 1000;
}

void frmTalk::SetUpCharacter()
{
    // The character is built in: nothing is loaded from AppDir, so a
    // "genie.acs" lying there plays no part.
    AgentCharacter &character = services.agent;
    character.show();
    character.moveTo(855, 20);
    character.play(QStringLiteral("greet"));
    QTimer::singleShot(kDictionaryDelayMs, this, &frmTalk::prepareReadings);
}

void frmTalk::prepareReadings()
{
    m_reader.prepare();
    if (const QString problem = m_reader.takeProblem(); !problem.isEmpty())
        qCWarning(lcSpeech).noquote() << "no dictionary, messages are read as written:" << problem;
}

QString frmTalk::messageReading(const QString &message)
{
    prepareReadings();
    return m_reader.read(message);
}

void frmTalk::SpeakKey(const QString &Text, double Delay, const QString &Stage)
{
    Q_UNUSED(Delay);
    bool spoken;
    switch (optionNumber(state.VoiceMode)) {
    case 1:   // at selection and at entry
        spoken = Stage == QLatin1String("E") || Stage == QLatin1String("S");
        break;
    case 2:   // at entry only
        spoken = Stage == QLatin1String("E");
        break;
    case 3:   // never
        spoken = false;
        break;
    default:  // 0, every time, and anything unknown
        spoken = true;
        break;
    }
    // A key is said by its name (ー "のばす", ？ "はてな"), never through the
    // dictionary: a lone は is the letter, not the particle.
    if (spoken)
        services.agent.speak(Text, keyReading(Text), SpeechKind::Key);
}

void frmTalk::cmdRead_Click()
{
    beepIfWanted();
    if (txtTalk->text().isEmpty())
        return;
    if (cmdRead->caption() != QStringLiteral("♪")) {
        // The end marker, and any "_" typed in the text, is read as a pause.
        // Speech is started before the window is laid out anew, so the first
        // sound does not wait for the relayout.
        services.agent.speak(txtTalk->text(), messageReading(txtTalk->text()), SpeechKind::Message);
        SetWideLayout();
        cmdRead->setCaption(QStringLiteral("♪"));
        return;
    }
    SetWideLayout();
    services.agent.stop();
    QString text = txtTalk->text();
    if (!text.endsWith(QLatin1Char('_'))) {
        text += QLatin1Char('_');
        txtTalk->setText(text);
    }
    txtTalk->setSelStart(int(text.size()) - 1);
    txtTalk->setSelLength(1);
    // While a diary entry is shown the message area stays wide.
    if (fraDay->isHidden())
        SetNarrowLayout();
    cmdRead->setCaption(QStringLiteral("読む"));
    cmdRead->setEnabled(true);
}

} // namespace pelumo
