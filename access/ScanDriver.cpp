#include "access/ScanDriver.h"
#include "access/TargetPress.h"
#include "platform/Logging.h"
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace pelumo {
namespace {

// How often the scanner is told the time: a step is late by at most this.
constexpr int kTickMs = 20;

ScanSettings scanSettings(const AccessSettings &a)
{
    ScanSettings s;
    s.mode = a.method == InputMethod::TwoSwitches ? ScanMode::Step : ScanMode::Automatic;
    s.scanTime = a.scanTime;
    s.firstItemDelay = a.firstItemDelay;
    s.rounds = a.rounds;
    s.acceptTime = a.acceptTime;
    s.repeatBlockTime = a.repeatBlockTime;
    s.holdTime = a.callHoldTime;
    return s.clamped();
}

} // namespace

ScanDriver::ScanDriver(Clock &clock, ScanFrame &frame, std::function<ScanContext()> context,
                       QObject *parent)
    : QObject(parent), m_clock(clock), m_context(std::move(context)), m_frame(frame)
{
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ScanDriver::refresh);
    m_reframeTimer.setSingleShot(true);
    m_reframeTimer.setInterval(0);
    connect(&m_reframeTimer, &QTimer::timeout, this, &ScanDriver::reframe);
}

ScanDriver::~ScanDriver()
{
    if (m_ticker)
        qApp->removeEventFilter(this);
}

qint64 ScanDriver::now() const
{
    return qRound64(m_clock.monotonicSeconds() * 1000.0);
}

void ScanDriver::setSettings(const AccessSettings &settings)
{
    if (!settings.scanning()) {
        if (m_ticker)
            qApp->removeEventFilter(this);
        m_ticker.reset();
        m_frame.hideAll();
        m_scanner.setTable({}, now());
        return;
    }
    m_scanner.setSettings(scanSettings(settings));
    if (!m_ticker) {
        qApp->installEventFilter(this);
        m_ticker = m_clock.startTicker(kTickMs, [this] { handle(m_scanner.advanceTo(now())); });
    }
    refresh();
}

void ScanDriver::refresh()
{
    m_refreshTimer.stop();
    if (!m_ticker)
        return;
    ScanContext c = m_context();
    m_window = c.window;
    m_scale = c.scale;
    m_scanner.setTable(std::move(c.table), now());
    showHighlight();
    if (const ScanItem *item = m_scanner.highlighted())
        emit highlighted(item->name);
}

void ScanDriver::refreshSoon()
{
    if (m_ticker && !m_refreshTimer.isActive())
        m_refreshTimer.start();
}

void ScanDriver::press(SwitchId id)
{
    if (m_ticker)
        handle(m_scanner.press(id, now()));
}

void ScanDriver::release(SwitchId id)
{
    if (m_ticker)
        handle(m_scanner.release(id, now()));
}

void ScanDriver::handle(const ScanResult &result)
{
    switch (result.event) {
    case ScanEvent::Moved:
        showHighlight();
        if (const ScanItem *item = m_scanner.highlighted())
            emit highlighted(item->name);
        break;
    case ScanEvent::Selected: {
        // Pressed from the event loop, not from inside the switch's event: the
        // press may open a dialog, which is scanned in its turn.
        const ScanTarget target = result.target;
        QTimer::singleShot(0, this, [this, target] { perform(target); });
        break;
    }
    case ScanEvent::Held:
        showHighlight();   // it may have stepped on meanwhile
        emit longHold();
        break;
    case ScanEvent::Nothing:
    case ScanEvent::Ignored:
        break;
    }
}

void ScanDriver::perform(const ScanTarget &target)
{
    qCDebug(lcAccess).noquote() << "select" << target.id << target.row << target.col;
    if (m_window)
        clickTarget(m_window, target);
    refresh();
}

void ScanDriver::showHighlight()
{
    const ScanItem *item = m_scanner.highlighted();
    // What the user sees, for a carer or a script following a session.
    qCDebug(lcAccess).noquote() << "highlight" << (item ? item->name : QStringLiteral("(none)"));
    const QRect rect = item && m_window ? itemRect(m_window, *item) : QRect();
    if (rect.isEmpty())
        m_frame.hideAll();
    else
        m_frame.showFrame(m_window, rect, m_scale);
}

void ScanDriver::reframe()
{
    if (!m_ticker || !m_window)
        return;
    const ScanContext c = m_context();
    if (c.window != m_window)
        return;
    m_scale = c.scale;
    showHighlight();
}

bool ScanDriver::eventFilter(QObject *watched, QEvent *event)
{
    // The program's dialogs come and go, and the table follows.
    const auto type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && qobject_cast<QDialog *>(watched))
        refreshSoon();
    if (type == QEvent::Resize && watched == m_window)
        m_reframeTimer.start();
    return false;
}

} // namespace pelumo
