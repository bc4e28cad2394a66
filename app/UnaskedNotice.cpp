#include "app/UnaskedNotice.h"
#include "app/frmTalk.h"
#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace pelumo {
namespace {

constexpr double kQuietSeconds = 1.0;
constexpr int kLookMs = 100;
const QString kName = QStringLiteral("unaskedNotices");

// The notices waiting on a window, and when the user last gave it input.
class UnaskedNotices : public QObject {
public:
    explicit UnaskedNotices(frmTalk &window) : QObject(&window), m_window(window)
    {
        setObjectName(kName);
        // Made when the first notice arises, which something just done
        // brought about: the wait counts from now.
        m_lastInput = now();
        qApp->installEventFilter(this);
        // Switch presses, which the switches keep from every other filter.
        connect(window.switches, &SwitchInput::pressed, this, [this] { m_lastInput = now(); });
        connect(window.switches, &SwitchInput::released, this, [this] { m_lastInput = now(); });
        // A timer of its own, not a queued call: the events looked at before
        // the notice opens then include those posted meanwhile.
        m_open.setSingleShot(true);
        m_open.setInterval(0);
        connect(&m_open, &QTimer::timeout, this, [this] { open(); });
    }
    ~UnaskedNotices() override { qApp->removeEventFilter(this); }

    void add(const QString &prompt, const QString &title)
    {
        m_waiting.append({prompt, title});
        if (!m_opening)
            startLooking();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::TouchBegin:
        case QEvent::TouchEnd:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            m_lastInput = now();
            break;
        default:
            break;
        }
        return false;
    }

private:
    double now() const { return m_window.services.clock.monotonicSeconds(); }

    bool quiet() const
    {
        return m_window.isVisible() && !QApplication::activeModalWidget()
            && now() - m_lastInput >= kQuietSeconds && !m_window.dwell->isBusy();
    }

    void startLooking()
    {
        if (!m_looking)
            m_looking = m_window.services.clock.startTicker(kLookMs, [this] { look(); });
    }

    // Opened from the event loop, never inside the clock's tick.
    void look()
    {
        if (!quiet())
            return;
        m_looking.reset();
        m_opening = true;
        m_open.start();
    }

    void open()
    {
        // Input that has reached the program and not yet been handled
        // (a touch landing this very moment) goes to the board, not under
        // a modal dialog that would drop it.
        const QPointer<UnaskedNotices> alive(this);
        QCoreApplication::processEvents();
        if (!alive)
            return;
        if (quiet()) {
            const Notice notice = m_waiting.takeFirst();
            m_window.AskQuestion(notice.prompt, 48, notice.title);
            if (!alive)
                return;
        }
        m_opening = false;
        if (!m_waiting.isEmpty())
            startLooking();
    }

    struct Notice {
        QString prompt, title;
    };
    frmTalk &m_window;
    QList<Notice> m_waiting;
    std::unique_ptr<Ticker> m_looking;   // runs while a notice waits for its moment
    QTimer m_open;
    double m_lastInput = 0;
    bool m_opening = false;              // between the moment found and the notice shown
};

} // namespace

void tellUnasked(frmTalk &window, const QString &prompt, const QString &title)
{
    auto *notices = window.findChild<QObject *>(kName, Qt::FindDirectChildrenOnly);
    if (!notices)
        notices = new UnaskedNotices(window);
    static_cast<UnaskedNotices *>(notices)->add(prompt, title);
}

} // namespace pelumo
