// A quick tap on an editing key: pressed and released through the event loop,
// timed from the press until the key is painted white again. The key is
// found by its caption, so the figure does not depend on how the window
// keeps its buttons.
#include "Stats.h"
#include "support/TestWindow.h"
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <functional>
#include <memory>

namespace bench {
namespace {
using pelumo::CommandButton;
using pelumo::frmTalk;
using pelumo::test::TestWindow;

constexpr int kTaps = 20;
constexpr int kTimeoutMs = 2000;
constexpr int kTouchMs = 5;   // from touching the screen to lifting the finger

// Notes when the button is first painted in its release colour after the
// release was sent.
class ReleasePaintWatch : public QObject {
public:
    explicit ReleasePaintWatch(CommandButton *button) : m_button(button)
    {
        button->installEventFilter(this);
    }
    void arm(const QElapsedTimer *since)
    {
        m_since = since;
        released = false;
        paintedAfterMs = -1;
    }
    bool released = false;
    double paintedAfterMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::Paint && released
            && paintedAfterMs < 0 && m_button->backColor() == pelumo::colors::White)
            paintedAfterMs = m_since->nsecsElapsed() / 1e6;
        return false;
    }

private:
    CommandButton *m_button;
    const QElapsedTimer *m_since = nullptr;
};

CommandButton *buttonCaptioned(frmTalk &f, const QString &caption)
{
    for (CommandButton *b : f.findChildren<CommandButton *>())
        if (b->caption() == caption && b->isVisible())
            return b;
    return nullptr;
}

// From the press until the paint in the release colour. The finger lifts a
// few milliseconds after it touched, as a quick tap on a touch screen does:
// the release waits in the queue for whatever the press set going.
double timedTap(CommandButton *button, ReleasePaintWatch &watch)
{
    QElapsedTimer since;
    watch.arm(&since);
    QTimer::singleShot(0, button, [button, &since, &watch] {
        since.start();
        QTimer::singleShot(kTouchMs, button, [button, &watch] {
            watch.released = true;
            QTest::mouseRelease(button, Qt::LeftButton);
        });
        QTest::mousePress(button, Qt::LeftButton);
    });
    QDeadlineTimer deadline(kTimeoutMs);
    while (watch.paintedAfterMs < 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (watch.paintedAfterMs < 0)
            QThread::usleep(50);
    }
    return watch.paintedAfterMs < 0 ? kTimeoutMs : watch.paintedAfterMs;
}

Samples taps(CommandButton *button, const std::function<void()> &before)
{
    ReleasePaintWatch watch(button);
    Samples s;
    for (int i = 0; i < kTaps; ++i) {
        before();
        QCoreApplication::processEvents();
        s.add(timedTap(button, watch));
    }
    return s;
}

// The floor: a lone button that turns grey when pressed and white when released.
Samples bareButtonTaps()
{
    QWidget window;
    window.resize(200, 200);
    auto *button = new CommandButton(QStringLiteral("←"), pelumo::colors::White, &window);
    button->setGeometry(10, 10, 85, 181);
    QObject::connect(button, &QAbstractButton::pressed,
                     [button] { button->setBackColor(pelumo::colors::Grey); });
    QObject::connect(button, &QAbstractButton::released,
                     [button] { button->setBackColor(pelumo::colors::White); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "bench: the lone button was not shown\n");
    return taps(button, [] {});
}

} // namespace

std::vector<Row> measureTapRelease()
{
    TestWindow w;
    frmTalk &f = w.start();
    if (!QTest::qWaitForWindowExposed(&f))
        std::fprintf(stderr, "bench: the window was not shown\n");
    // The test window's clock runs no repeat on its own; none is due within
    // a 5 ms touch on the real clock either (the first comes after 0.23 s).
    CommandButton *left = buttonCaptioned(f, QStringLiteral("←"));
    Row r;
    r.figure = "tap ← until its release colour is painted";
    r.goal = "p99 < 16.7 (a 5 ms touch included)";
    if (!left) {
        std::fprintf(stderr, "bench: no visible button captioned ←\n");
        r.met = false;
        return {r};
    }
    r.value = taps(left, [&f] {
        // Room to move left: the caret on the end marker of a word.
        f.txtTalk->setText(QStringLiteral("こんにちは_"));
        f.txtTalk->setSelStart(5);
        f.txtTalk->setSelLength(1);
    });
    r.floor = bareButtonTaps();
    r.met = r.value.p99() < 16.7;
    return {r};
}

} // namespace bench
