#pragma once
// 呼ぶ: a call for help. The chime repeats and the whole screen flashes until
// someone touches the screen or presses a key on it; stop() ends it from
// elsewhere (a switch press, which in the switch modes the flash never sees).
// The flash is shown over any dialog that is open, and stays in front of one
// opened while it is up.
#include <QObject>
#include <QPointer>
#include <memory>

class QWidget;

namespace pelumo {

class Chime;
class Clock;
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
    // The flash, once a call has been made; for tests.
    FlashWindow *flash() const { return m_flash.get(); }

    static constexpr int kFlashMs = 500;   // each colour's time

signals:
    void stopped();

private:
    void flashNext();

    Clock &m_clock;
    Chime &m_chime;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<FlashWindow> m_flash;
    std::unique_ptr<Ticker> m_ticker;   // runs while calling
};

} // namespace pelumo
