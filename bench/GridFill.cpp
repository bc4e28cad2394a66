// Filling the phrase list's grid with a full book, as 例文表示 does once its
// phrases are read and sorted: two columns of 32,767 rows, the first row
// highlighted, from switching drawing off until the first paint is done.
#include "BenchData.h"
#include "Stats.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <functional>

namespace bench {
namespace {
using pelumo::FlexGrid;

constexpr int kFills = 30;
using Fill = std::function<void(FlexGrid *, const QStringList &, const QStringList &)>;

// A label where the first character changes, as the kana-row labels stand
// only at the first phrase of their row.
QStringList rowLabels(const QStringList &sorted)
{
    QStringList labels;
    labels.reserve(sorted.size());
    QChar shown;
    for (const QString &text : sorted) {
        const QChar first = text.isEmpty() ? QChar() : text.front();
        labels << (first != shown ? QString(first) + u'行' : QString());
        shown = first;
    }
    return labels;
}

void fillCellByCell(FlexGrid *grid, const QStringList &labels, const QStringList &texts)
{
    grid->setRows(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r) {
        grid->setTextMatrix(r, 0, labels.at(r));
        grid->setTextMatrix(r, 1, texts.at(r));
    }
}

void fillByColumn(FlexGrid *grid, const QStringList &labels, const QStringList &texts)
{
    grid->setColumnTexts(0, labels);
    grid->setColumnTexts(1, texts);
}

Samples timedFills(const QStringList &texts, const Fill &fill)
{
    const QStringList labels = rowLabels(texts);
    pelumo::ScaledLayout layout;
    QWidget window;
    window.resize(pelumo::kDesignClientWidth, pelumo::kDesignClientHeight);
    auto *grid = new FlexGrid(&window);
    layout.place(grid, {0, 2400, 15345, 5715}, {pelumo::kGothic, 54.75});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "bench: the grid was not shown\n");
    Samples s;
    for (int i = 0; i < kFills; ++i) {
        grid->setRows(0);   // as an emptied list, outside the timing
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        grid->setRedraw(false);
        grid->setCols(2);
        fill(grid, labels, texts);
        grid->setColWidth(0, 2400);
        grid->setColWidth(1, 15345 - 2400 - 338);
        grid->setRow(0);
        grid->setCol(1);
        grid->setColSel(1);
        grid->setCellBackColor(pelumo::colors::LightGreen);
        grid->setTopRow(0);
        grid->setRedraw(true);
        grid->repaint();
        s.add(timer.nsecsElapsed() / 1e6);
    }
    return s;
}

// The floor: the same texts copied once into a vector.
Samples copiedTexts(const QStringList &texts)
{
    const QStringList labels = rowLabels(texts);
    Samples s;
    for (int i = 0; i < kFills; ++i) {
        QElapsedTimer timer;
        timer.start();
        QVector<QString> cells;
        cells.reserve(2 * texts.size());
        for (qsizetype r = 0; r < texts.size(); ++r) {
            cells.append(labels.at(r));
            cells.append(texts.at(r));
        }
        s.add(timer.nsecsElapsed() / 1e6);
    }
    return s;
}

} // namespace

std::vector<Row> measureGridFill(const QStringList &phrases)
{
    QStringList sorted = phrases;
    std::sort(sorted.begin(), sorted.end());
    const Samples floor = copiedTexts(sorted);
    auto row = [&](const char *figure, const Fill &fill) {
        Row r;
        r.figure = figure;
        r.value = timedFills(sorted, fill);
        r.floor = floor;
        r.goal = "median <= 2 x floor";
        r.met = r.value.median() <= 2 * r.floor.median();
        return r;
    };
    return {row("fill the phrase grid cell by cell, 32,767", fillCellByCell),
            row("fill the phrase grid by column, 32,767", fillByColumn)};
}

} // namespace bench
