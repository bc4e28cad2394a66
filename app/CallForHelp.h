#pragma once
// 呼ぶ: a call for help. The chime repeats and the whole screen flashes until
// someone touches the screen or presses a key on it; stop() ends it from
// elsewhere (a switch press, which in the switch modes the flash never sees).
// The flash is shown over any dialog that is open, and stays in front of one
// opened while it is up. While a dialog blocks the panel, the call's own 呼ぶ
// stands in the panel's place above it (CallStandIn).
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;

namespace pelumo {

class CallStandIn;
class Chime;
class Clock;
class CommandButton;
class FlashWindow;
class Ticker;

class CallForHelp : public QObject {
    Q_OBJECT
public:
    // The flash covers the screen the main window is on.
    CallForHelp(Clock &clock, Chime &chime, QWidget &mainWindow, QObject *parent = nullptr);
    ~CallForHelp() override;

    void start();   // nothing while calling already
    void stop();    // nothing while not calling
    bool isCalling() const { return m_ticker != nullptr; }
    // The flash, once a call has been made.
    FlashWindow *flash() const { return m_flash.get(); }

    // Keeps panelButton, the panel's 呼ぶ, within reach above every dialog
    // while panelShown says the panel is shown.
    void standInFor(CommandButton &panelButton, std::function<bool()> panelShown);
    QWidget *standIn() const;   // null until asked for

    static constexpr int kFlashMs = 500;   // each colour's time

signals:
    void stopped();

private:
    void flashNext();

    Clock &m_clock;
    Chime &m_chime;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<FlashWindow> m_flash;
    std::unique_ptr<CallStandIn> m_standIn;
    std::unique_ptr<Ticker> m_ticker;   // runs while calling
};

} // namespace pelumo
