// A kana press on the real program with the full store, in a child process
// as at start-up (under X when there is a display), from the press until the
// last repaint it brings has been taken by the display; beside a bare window
// of the same size that repaints all of itself on every press.
#include "BareWindow.h"
#include "BenchData.h"
#include "Display.h"
#include "Stats.h"
#include "app/Application.h"
#include "app/frmTalk.h"
#include "platform/Fonts.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <random>

namespace bench {
namespace {
constexpr int kPressesPerChild = 120;
constexpr int kChildrenEach = 2;
constexpr int kPauseMs = 60;         // between presses: a brisk finger, and time for what they leave for later
constexpr int kSettleMs = 2500;      // what start-up leaves for later is done before the first press

// Counts the paints of one window and its children; the character's own
// window, which moves on a timer of its own, is not counted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *w = qobject_cast<QWidget *>(object);
            if (w && w->window() == m_window) {
                ++paints;
                if (clock.isValid()) {
                    const QRect r = static_cast<QPaintEvent *>(event)->rect();
                    std::fprintf(stderr, "paint %.3f %s/%s %dx%d\n", clock.nsecsElapsed() / 1e6,
                                 w->metaObject()->className(), qPrintable(w->objectName()), r.width(), r.height());
                }
            }
        }
        return false;
    }
    int paints = 0;
    QElapsedTimer clock;   // started while each paint is traced
private:
    QWidget *m_window;
};

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// From the press until a round of the event loop brings no more paints of
// the window, and the display has taken the last one. With
// PELUMO_BENCH_TRACE set, each press also goes to stderr in parts: the
// handler, the rounds of the loop that paint, the display's answer, and the
// GUI thread's own CPU time over the whole (less than the whole: it waited).
double timedPress(PaintCounter &counter, QWidget *grid, const QPoint &at, const char *what)
{
    static const bool trace = qEnvironmentVariableIsSet("PELUMO_BENCH_TRACE");
    QElapsedTimer timer;
    const double cpu = threadCpuMs();
    timer.start();
    if (trace)
        counter.clock = timer;
    QTest::mousePress(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    const double handled = timer.nsecsElapsed() / 1e6;
    int rounds = 0;
    for (; rounds < 50; ++rounds) {
        const int before = counter.paints;
        QCoreApplication::processEvents();
        if (counter.paints == before)
            break;
    }
    const double painted = timer.nsecsElapsed() / 1e6;
    syncWithDisplay();
    const double total = timer.nsecsElapsed() / 1e6;
    if (trace)
        std::fprintf(stderr, "trace %s total %.2f handler %.2f paint %.2f sync %.2f cpu %.2f rounds %d\n", what,
                     total, handled, painted - handled, total - painted, threadCpuMs() - cpu, rounds);
    return total;
}

QPoint cellCentre(pelumo::FlexGrid *grid, int row, int col)
{
    return grid->cellRect(row, col).center();
}

// The default touch (OPT1=0): a kana on the board opens the selection
// screen, a press there enters the kana. The message is cleared now and
// then, as between two messages.
void pressKana(pelumo::frmTalk &f)
{
    PaintCounter counter(&f);
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> row(0, 4), col(0, 9), cell(0, 2);
    for (int i = 0; i < kPressesPerChild; ++i) {
        std::printf("board %.3f\n", timedPress(counter, f.grdBoard, cellCentre(f.grdBoard, row(rng), col(rng)), "board"));
        QTest::qWait(kPauseMs);
        std::printf("select %.3f\n", timedPress(counter, f.grdBoard2, cellCentre(f.grdBoard2, 1, cell(rng)), "select"));
        QTest::qWait(kPauseMs);
        f.showScreen(pelumo::Screen::Board);
        if (i % 8 == 7)
            f.txtTalk->setText(QString());
        QTest::qWait(kPauseMs);
    }
    std::fflush(stdout);
}

// The floor: the board's grid in a bare window that repaints the whole of
// itself on a press, nothing else.
int repaintFloor(int argc, char *argv[])
{
    QApplication app(argc, argv);
    pelumo::installFontSubstitutions();
    BareWindow bare;
    QWidget &window = bare.window;
    pelumo::FlexGrid *grid = bare.grid;
    QObject::connect(grid, &pelumo::FlexGrid::mouseDown, &window, [&window] { window.update(); });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    PaintCounter counter(&window);
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> row(0, 4), col(0, 9);
    for (int i = 0; i < 2 * kPressesPerChild; ++i) {
        std::printf("floor %.3f\n", timedPress(counter, grid, cellCentre(grid, row(rng), col(rng)), "floor"));
        QTest::qWait(kPauseMs);
    }
    std::fflush(stdout);
    return 0;
}

void readChild(const QString &mode, const QString &dataHome, Samples &board, Samples &select, Samples &floor)
{
    QTemporaryDir home;
    QProcess child;
    child.setProcessEnvironment(childEnvironment(home, dataHome));
    if (qEnvironmentVariableIsSet("PELUMO_BENCH_TRACE"))
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {"--child", mode});
    child.waitForFinished(300000);
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() != 2)
            continue;
        Samples *into = f[0] == "board" ? &board : f[0] == "select" ? &select : f[0] == "floor" ? &floor : nullptr;
        if (into)
            into->add(f[1].toDouble());
    }
}

Row p99Row(const QString &figure, const Samples &value, const Samples &floor)
{
    Row r{figure, value, floor};
    r.goal = QStringLiteral("p99 <= 3 x floor p99 (%1)").arg(floor.p99(), 0, 'f', 2);
    r.met = value.p99() <= 3 * floor.p99();
    return r;
}

} // namespace

// In the child: "--child kana" (the program, pressing kana once start-up is
// done) or "--child repaintfloor". Returns -1 otherwise.
int runKanaPressChild(int argc, char *argv[])
{
    if (argc < 3 || qstrcmp(argv[1], "--child") != 0)
        return -1;
    if (qstrcmp(argv[2], "repaintfloor") == 0)
        return repaintFloor(argc, argv);
    if (qstrcmp(argv[2], "kana") != 0)
        return -1;
    return pelumo::runPelumo(argc, argv, [](pelumo::frmTalk &window) {
        QTimer::singleShot(kSettleMs, &window, [&window] {
            pressKana(window);
            std::_Exit(0);
        });
    });
}

std::vector<Row> measureKanaPresses(const QString &fullDataHome)
{
    Samples board, select, floor, unused;
    for (int i = 0; i < kChildrenEach; ++i) {
        readChild("repaintfloor", fullDataHome, unused, unused, floor);
        readChild("kana", fullDataHome, board, select, floor);
    }
    const QString where = childPlatform() == u"xcb" ? " (X server)" : " (offscreen)";
    return {
        p99Row("kana press on the board, full store" + where, board, floor),
        p99Row("kana press on the selection screen, full store" + where, select, floor),
    };
}

} // namespace bench
