// Touches on the running main window, timed from the press until the repaint
// has been done, beside the same press on a bare grid that only repaints.
#include "BenchData.h"
#include "Stats.h"
#include "app/MessageKeeper.h"
#include "support/TestWindow.h"
#include <QElapsedTimer>
#include <optional>
#include <random>

namespace bench {
namespace {
using pelumo::FlexGrid;
using pelumo::frmTalk;
using pelumo::test::TestWindow;

constexpr int kTouches = 300;

double timedPress(FlexGrid *grid, int row, int col)
{
    const QPoint at = grid->cellRect(row, col).center();
    QElapsedTimer timer;
    timer.start();
    QTest::mousePress(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();   // posted keys, then the repaint
    return timer.nsecsElapsed() / 1e6;
}

// Back to the board with a short message, as between two words.
void backToBoard(frmTalk &f, int touch)
{
    f.showScreen(pelumo::Screen::Board);
    if (touch % 8 == 0)
        f.txtTalk->setText(QString());
    QCoreApplication::processEvents();
}

// keep: the message kept against a crash, as the program keeps it, each
// change written before it is painted.
Samples boardTouches(const QString &mode, const QStringList &phrases, bool keep = false)
{
    TestWindow w({{"OPT1", mode}});
    writePhraseBook(w.dir.filePath("data/Talk"), phrases);
    frmTalk &f = w.start();
    std::optional<pelumo::MessageKeeper> keeper;
    if (keep)
        keeper.emplace(f, w.dir.filePath("state/message.json"));
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> row(0, 4), col(0, 9);
    Samples s;
    for (int i = 0; i < kTouches; ++i) {
        s.add(timedPress(f.grdBoard, row(rng), col(rng)));
        backToBoard(f, i);
    }
    return s;
}

Samples selectionTouches(const QStringList &phrases)
{
    TestWindow w;
    writePhraseBook(w.dir.filePath("data/Talk"), phrases);
    frmTalk &f = w.start();
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> row(0, 4), col(0, 9), cell(0, 2);
    Samples s;
    for (int i = 0; i < kTouches; ++i) {
        TestWindow::press(f.grdBoard, row(rng), col(rng));
        s.add(timedPress(f.grdBoard2, 1, cell(rng)));
        backToBoard(f, i);
    }
    return s;
}

// The floor: a grid of the board's size and font that colours the pressed
// cell and repaints, nothing else.
Samples bareGridTouches(int rows, int cols, double points)
{
    pelumo::ScaledLayout layout;
    QWidget window;
    window.resize(pelumo::kDesignClientWidth, pelumo::kDesignClientHeight);
    auto *grid = new FlexGrid(&window);
    layout.place(grid, {0, 2400, 15345, rows == 3 ? 7035 : 5715}, {pelumo::kGothic, points});
    grid->setRows(rows);
    grid->setCols(cols);
    grid->setColWidth(-1, rows == 3 ? 5250 : 1530);
    int lastRow = 0, lastCol = 0;
    QObject::connect(grid, &FlexGrid::mouseDown, [&] {
        const int r = grid->row(), c = grid->col();
        grid->setRow(lastRow);
        grid->setCol(lastCol);
        grid->setCellBackColor(pelumo::colors::White);
        grid->setRow(r);
        grid->setCol(c);
        grid->setCellBackColor(pelumo::colors::LightGreen);
        lastRow = r;
        lastCol = c;
    });
    window.show();
    QTest::qWaitForWindowExposed(&window);
    std::mt19937 rng(9);
    std::uniform_int_distribution<int> row(0, rows - 1), col(0, cols - 1);
    Samples s;
    for (int i = 0; i < kTouches; ++i)
        s.add(timedPress(grid, row(rng), col(rng)));
    return s;
}

Row touchRow(const QString &figure, Samples value, Samples floor)
{
    Row r{figure, std::move(value), std::move(floor)};
    r.goal = "p99 < 16.7, median <= 2 x floor";
    r.met = r.value.p99() < 16.7 && r.value.median() <= 2 * r.floor.median();
    return r;
}

} // namespace

std::vector<Row> measureTouches(const QStringList &phrases)
{
    const Samples boardFloor = bareGridTouches(5, 10, 54.75);
    const Samples selectionFloor = bareGridTouches(3, 3, 114.75);
    return {
        touchRow("board touch, mode 0 (opens the selection screen)", boardTouches("0", phrases), boardFloor),
        touchRow("board touch, mode 2 (enters, candidate lookup)", boardTouches("2", phrases), boardFloor),
        touchRow("board touch, mode 2, the message kept", boardTouches("2", phrases, true), boardFloor),
        touchRow("selection-screen touch, mode 0", selectionTouches(phrases), selectionFloor),
    };
}

} // namespace bench
