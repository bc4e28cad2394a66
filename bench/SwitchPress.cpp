// A switch press under two-switch scanning, through the event loop, timed
// until the frame is painted where the press put it: a step to the next
// column, and a selection that opens the selection screen and frames its
// first item. The floor is a bare widget repainting a rectangle on a key.
#include "Stats.h"
#include "support/TestWindow.h"
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

namespace bench {
namespace {
using pelumo::frmTalk;
using pelumo::test::TestWindow;

constexpr int kPresses = 30;
constexpr int kTimeoutMs = 2000;

// Notes the first paint of a widget after it was armed.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *w) { w->installEventFilter(this); }
    void arm(const QElapsedTimer *since) { m_since = since, paintedAfterMs = -1; }
    double paintedAfterMs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_since && paintedAfterMs < 0)
            paintedAfterMs = m_since->nsecsElapsed() / 1e6;
        return false;
    }

private:
    const QElapsedTimer *m_since = nullptr;
};

// From the key's press until painted is first painted.
double timedPress(QWidget *target, Qt::Key key, QWidget *painted)
{
    PaintWatch watch(painted);
    QElapsedTimer since;
    since.start();
    watch.arm(&since);
    QTest::keyClick(target, key);
    QDeadlineTimer deadline(kTimeoutMs);
    while (watch.paintedAfterMs < 0 && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        if (watch.paintedAfterMs < 0)
            QThread::usleep(50);
    }
    return watch.paintedAfterMs < 0 ? kTimeoutMs : watch.paintedAfterMs;
}

QWidget *frameOf(frmTalk &f)
{
    return const_cast<pelumo::ScanFrame *>(&f.scanning->frame());
}

Samples bareRepaints()
{
    QWidget window;
    window.resize(400, 400);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "bench: the bare window was not shown\n");
    Samples s;
    for (int i = 0; i < kPresses; ++i) {
        s.add(timedPress(&window, Qt::Key_A, &window));
        window.update();
    }
    return s;
}

} // namespace

std::vector<Row> measureSwitchPresses(const QStringList &phrases)
{
    TestWindow w({{"InputMode", "2"}});
    w.putPhrases(phrases);
    frmTalk &f = w.start();
    if (!QTest::qWaitForWindowExposed(&f))
        std::fprintf(stderr, "bench: the window was not shown\n");
    Row step, select;
    step.figure = "switch: step press until the frame is painted on the next item";
    select.figure = "switch: select あ until the selection screen is framed";
    step.goal = select.goal = "p99 < 16.7";
    for (int i = 0; i < kPresses; ++i)
        step.value.add(timedPress(&f, Qt::Key_Space, frameOf(f)));
    for (int i = 0; i < kPresses; ++i) {
        f.scanning->refresh();                        // あ行 framed
        QTest::keyClick(&f, Qt::Key_Return);          // into the column
        QCoreApplication::processEvents();
        select.value.add(timedPress(&f, Qt::Key_Return, frameOf(f)));   // あ
        f.board->cmdEnd2_Click();   // 戻る
        QCoreApplication::processEvents();
    }
    step.floor = select.floor = bareRepaints();
    step.met = step.value.p99() < 16.7;
    select.met = select.value.p99() < 16.7;
    return {step, select};
}

} // namespace bench
