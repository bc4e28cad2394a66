#pragma once
// What the program says: the key echoes as the voice option wants them, and
// 読む, which reads the message aloud and turns into ♪ to stop it.
#include "platform/core/Options.h"
#include "speech/core/Agent.h"
#include "speech/core/MessageReader.h"
#include "widgets/CommandButton.h"
#include <QObject>
#include <QPoint>
#include <functional>

namespace pelumo {

class SpeechController : public QObject {
    Q_OBJECT
public:
    // messageText gives the message as it stands now.
    SpeechController(AgentCharacter &agent, const Options &options, CommandButton *cmdRead,
                     std::function<QString()> messageText, QObject *parent = nullptr);

    // A key by its name, when the voice option says this stage is spoken:
    // "S" a key that opens the selection screen, "E" an entry, "1" the first
    // touch of a two-touch key.
    void SpeakKey(const QString &Text, const QString &Stage);
    void cmdRead_Click();
    // A control's or group's name as switch scanning reaches it, said as a
    // key is, whatever the voice option: the user may not see the screen.
    void sayName(const QString &name);
    bool isSpeaking() const { return m_agent.isSpeaking(); }
    // A whole text said at once, apart from the message: はい, いいえ, a quick
    // phrase, the last message again. 読む and its ♪ are left as they are; a
    // message being read is not cut off, and the text follows it.
    void sayWhole(const QString &text);
    bool isReadingAloud() const { return m_reading; }
    void SetUpCharacter();
    // Where the character stands (its top-left corner, screen pixels): as
    // set up, or left of something of ours it would cover.
    void placeCharacter(const QPoint &at);
    static QPoint characterHome() { return {855, 20}; }
    static constexpr int kCharacterWidth = 120;
    static constexpr int kCharacterHeight = 136;
    QString messageReading(const QString &message);

signals:
    void keyTouched();
    void readingStarted();   // the message area widens while it is read
    void readingStopped();   // ♪: the message gets its end mark, the area narrows

private:
    void prepareReadings();

    AgentCharacter &m_agent;
    const Options &m_options;
    CommandButton *m_cmdRead;
    std::function<QString()> m_messageText;
    MessageReader m_reader;   // opens the dictionary after start-up, or on first need
    bool m_reading = false;   // 読む shows ♪
};

} // namespace pelumo
