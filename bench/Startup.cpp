// Start-up to the first painted main window and the peak memory of that run,
// each in a child process, beside a bare window of the same size holding a
// 5 x 10 grid of the board's font. With a DISPLAY the children run under X
// and the paint counts once the X server has it; offscreen otherwise.
#include "BareWindow.h"
#include "BenchData.h"
#include "Display.h"
#include "Stats.h"
#include "app/Application.h"
#include "app/frmTalk.h"
#include "platform/Fonts.h"
#include "widgets/ScaledLayout.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <tuple>
#include <QFile>

namespace bench {
int espeakFloorChild();
namespace {
constexpr int kStarts = 15;

// A figure of this process image's memory: "VmHWM:" the peak resident size,
// "VmRSS:" the size now. getrusage's ru_maxrss is no use here: Linux keeps it
// across exec, so a child started by a big parent reports the parent's size.
long residentKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Tells the parent once the window's first paint is done, with the peak
// resident memory so far, then the resident memory two seconds later, when
// what start-up left for later has been done, and ends the child.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Runs after the rest of this paint pass (the children) is done.
            QTimer::singleShot(0, [] {
                syncWithDisplay();
                std::printf("painted %ld\n", residentKiB("VmHWM:"));
                std::fflush(stdout);
            });
            QTimer::singleShot(2000, [] {
                std::printf("later %ld\n", residentKiB("VmRSS:"));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
private:
    bool m_seen = false;
};

int bareWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    pelumo::installFontSubstitutions();
    BareWindow bare;
    QWidget &window = bare.window;
    FirstPaintReporter reporter(&window);
    window.show();
    return app.exec();
}

struct Start {
    double ms = 0;
    double peakMiB = 0;    // at the first paint
    double laterMiB = 0;   // two seconds after it
};

Start startChild(const QString &mode, const QString &dataHome)
{
    QTemporaryDir home;
    QProcess child;
    child.setProcessEnvironment(childEnvironment(home, dataHome));
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), {"--child", mode});
    Start result;
    while (child.waitForReadyRead(10000)) {
        const QByteArray line = child.readLine();
        if (line.startsWith("painted")) {
            result.ms = timer.nsecsElapsed() / 1e6;
            result.peakMiB = line.mid(8).trimmed().toDouble() / 1024;
        } else if (line.startsWith("later")) {
            result.laterMiB = line.mid(6).trimmed().toDouble() / 1024;
            break;
        }
    }
    child.waitForFinished(5000);
    return result;
}

struct Starts {
    Samples ms, peakMiB, laterMiB;
};

// Starts of the three kinds taken in turn, so that a busy moment of the
// machine falls on all of them alike.
void measureStarts(const QString &fullDataHome, Starts &floor, Starts &empty, Starts &full)
{
    for (int i = 0; i < kStarts; ++i)
        for (auto [mode, dataHome, into] : {std::tuple{"floor", QString(), &floor},
                                            std::tuple{"app", QString(), &empty},
                                            std::tuple{"app", fullDataHome, &full}}) {
            const Start s = startChild(QString::fromLatin1(mode), dataHome);
            into->ms.add(s.ms);
            into->peakMiB.add(s.peakMiB);
            into->laterMiB.add(s.laterMiB);
        }
}

Row againstFloor(const QString &figure, const Samples &value, const Samples &floor, double most,
                 const QString &unit = QStringLiteral("ms"))
{
    Row r{figure, value, floor, unit};
    r.goal = QStringLiteral("median <= %1 x floor").arg(most);
    r.met = value.median() <= most * floor.median();
    return r;
}

} // namespace

// In the child: "--child app" or "--child floor". Returns -1 otherwise.
int runChild(int argc, char *argv[])
{
    if (argc < 3 || qstrcmp(argv[1], "--child") != 0)
        return -1;
    if (qstrcmp(argv[2], "floor") == 0)
        return bareWindow(argc, argv);
    if (qstrcmp(argv[2], "espeak") == 0)
        return espeakFloorChild();
    std::unique_ptr<FirstPaintReporter> reporter;
    return pelumo::runPelumo(argc, argv, [&reporter](pelumo::frmTalk &window) {
        reporter = std::make_unique<FirstPaintReporter>(&window);
    });
}

std::vector<Row> measureStartup(const QString &fullDataHome)
{
    Starts floor, empty, full;
    measureStarts(fullDataHome, floor, empty, full);
    const QString mib = QStringLiteral("MiB");
    const QString where = childPlatform() == u"xcb" ? QStringLiteral(" (X server)") : QStringLiteral(" (offscreen)");
    return {
        againstFloor("start-up, empty store" + where, empty.ms, floor.ms, 1.2),
        againstFloor("start-up, full phrase book and diary" + where, full.ms, floor.ms, 1.2),
        againstFloor("memory at the first paint, full store (peak, MiB)", full.peakMiB, floor.peakMiB, 1.4, mib),
        againstFloor("memory 2 s after the first paint, full store (MiB)", full.laterMiB, floor.laterMiB, 1.4, mib),
    };
}

} // namespace bench
