#pragma once
// Switch scanning on the program's windows: the scanner run on the clock,
// fed by the switches, shown by the frame, and the selected target pressed
// as a touch presses it. The program says, through `context`, which window
// is being worked and its scan table; the driver asks again after every
// press and whenever one of the program's dialogs opens or closes.
#include "access/ScanFrame.h"
#include "access/core/Scanner.h"
#include "platform/Clock.h"
#include "platform/core/Options.h"
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace pelumo {

struct ScanContext {
    QWidget *window = nullptr;   // the main window or the dialog in front
    double scale = 1.0;          // its layout's scale, for the frame's width
    ScanTable table;
};

class ScanDriver : public QObject {
    Q_OBJECT
public:
    // The frame shows the highlight; it is shared with dwell's ring.
    ScanDriver(Clock &clock, ScanFrame &frame, std::function<ScanContext()> context,
               QObject *parent = nullptr);
    ~ScanDriver() override;

    // Scans with one or two switches as the settings say, or stops.
    void setSettings(const AccessSettings &settings);
    bool isScanning() const { return m_ticker != nullptr; }
    // What is shown changed: the table is asked for again and scanning
    // starts at its first item.
    void refresh();
    // The same, once the event in hand is done: for a screen changed by
    // something other than a scanned press.
    void refreshSoon();

    void press(SwitchId id);
    void release(SwitchId id);

    const Scanner &scanner() const { return m_scanner; }
    QWidget *window() const { return m_window; }
    const ScanFrame &frame() const { return m_frame; }

signals:
    // The highlight came to an item (a step, a group entered, a new screen):
    // its name, for the tick and for auditory scanning.
    void highlighted(const QString &name);
    // A switch has been held down for the settings' callHoldTime: once a hold.
    void longHold();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qint64 now() const;
    void handle(const ScanResult &result);
    void perform(const ScanTarget &target);
    void showHighlight();
    // The worked window was resized: the frame follows its item and scale.
    void reframe();

    Clock &m_clock;
    std::function<ScanContext()> m_context;
    Scanner m_scanner;
    QPointer<QWidget> m_window;
    double m_scale = 1.0;
    ScanFrame &m_frame;
    std::unique_ptr<Ticker> m_ticker;
    QTimer m_refreshTimer;   // a refresh asked for, not yet made
    QTimer m_reframeTimer;   // the window's layout is placed after its resize
};

} // namespace pelumo
