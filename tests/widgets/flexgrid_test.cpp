#include "widgets/FlexGrid.h"
#include "widgets/RenderedTexts.h"
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace pelumo;

namespace {
// Counts paint events and the area they asked for.
class CountingGrid : public FlexGrid {
public:
    int paints = 0;
    QRegion painted;
protected:
    void paintEvent(QPaintEvent *e) override
    {
        ++paints;
        painted += e->region();
        FlexGrid::paintEvent(e);
    }
};

// A 5 x 3 grid on screen, with the paints of its first showing forgotten.
bool showAndForgetPaints(CountingGrid &g)
{
    g.resize(400, 300);
    g.setRows(5);
    g.setCols(3);
    g.show();
    if (!QTest::qWaitForWindowExposed(&g))
        return false;
    QCoreApplication::processEvents();
    g.paints = 0;
    g.painted = QRegion();
    return true;
}

// The pixels darker than mid-grey: the ink of black text on white.
QList<QPoint> inkOf(const QImage &image)
{
    QList<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                ink << QPoint(x, y);
    return ink;
}

void fillColumn(FlexGrid &g, int col, const QStringList &texts)
{
    g.setRows(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r)
        g.setTextMatrix(r, col, texts[r]);
}
}

class FlexGridTest : public QObject {
    Q_OBJECT
private slots:
    // Faults: pictures kept per grid, so that memory grows with every grid
    // and list shown; a budget counted in pixels rather than bytes; pictures
    // left behind by the last grid.
    void thePicturesOfEveryGridStayWithinOneBudget()
    {
        {
            std::vector<std::unique_ptr<FlexGrid>> grids;
            for (int g = 0; g < 4; ++g) {
                auto grid = std::make_unique<FlexGrid>();
                grid->resize(900, 400);
                grid->setCols(1);
                grid->setColWidth(0, 900 * 15);
                QStringList texts;
                for (int r = 0; r < 300; ++r)
                    texts << QStringLiteral("れい%1 %2 きょうはいいてんきですね").arg(g).arg(r);
                fillColumn(*grid, 0, texts);
                for (int top = 0; top < 300; top += 10) {
                    grid->setTopRow(top);
                    grid->grab();
                }
                grids.push_back(std::move(grid));
            }
            const qsizetype bytes = RenderedTexts::shared().bytes();
            QVERIFY(bytes > 0);   // the store was used
            QVERIFY(bytes <= RenderedTexts::kBudget);
        }
        QCOMPARE(RenderedTexts::shared().bytes(), qsizetype(0));
    }

    // Faults: a character's picture cut to less than its ink (strokes that
    // overhang the advance, marks above or below the line, a combining mark),
    // or put down away from where the text itself would be drawn.
    void aCharacterIsDrawnWholeFromItsPicture_data()
    {
        QTest::addColumn<QString>("text");
        for (const char *t : {"あ", "ぎ", "ゃ", "ー", "「", "W", "gj", "か\u309a", "ヴ"})
            QTest::newRow(t) << QString::fromUtf8(t);
    }
    void aCharacterIsDrawnWholeFromItsPicture()
    {
        QFETCH(QString, text);
        FlexGrid g;
        QFont font(QStringLiteral("IPAGothic"));
        font.setPixelSize(150);
        g.setFont(font);
        g.resize(600, 300);
        g.setRows(1);
        g.setCols(1);
        g.setColWidth(0, 600 * 15);
        g.setTextMatrix(0, 0, text);
        // Where the grid puts a general cell's text: 2 px in, centred on the row.
        const QFontMetrics fm(font);
        const QPoint pen(2, (g.rowHeightPixels() - fm.height()) / 2 + fm.ascent());
        QImage drawn(600, 300, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter p(&drawn);
            p.setClipRect(0, 0, 600, g.rowHeightPixels());
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(pen, text);
        }
        QCOMPARE(inkOf(g.grab().toImage()), inkOf(drawn));
    }

    void resizingKeepsTextAndEmptiesNewCells()
    {
        FlexGrid g;
        g.setRows(2);
        g.setCols(2);
        g.setTextMatrix(1, 1, "x");
        g.setCols(3);
        g.setRows(4);
        QCOMPARE(g.textMatrix(1, 1), QString("x"));
        QCOMPARE(g.textMatrix(3, 2), QString());
        g.setRow(3);
        g.setCol(2);
        g.setCellBackColor(colors::LightGreen);
        g.setCellAlignment(FlexGrid::AlignCenterBottom);
        g.setRows(0);
        g.setRows(4);
        QCOMPARE(g.textMatrix(0, 0), QString());
        QCOMPARE(g.textMatrix(1, 1), QString());
        QCOMPARE(g.cellBackColor(3, 2), colors::White);   // a cell dropped comes back new
        QCOMPARE(g.cellAlignment(3, 2), int(FlexGrid::AlignGeneral));
        QCOMPARE(g.textMatrix(9, 9), QString());   // outside reads as empty
    }

    void setColumnTextsFillsOneColumn_data()
    {
        QTest::addColumn<int>("rowsBefore");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<QStringList>("column");
        QTest::newRow("rows grow to fit") << 2 << QStringList{"あ", "い", "う"} << 3
                                          << QStringList{"あ", "い", "う"};
        QTest::newRow("same length") << 3 << QStringList{"x", "y", "z"} << 3 << QStringList{"x", "y", "z"};
        QTest::newRow("shorter: the rest emptied, rows kept") << 4 << QStringList{"x"} << 4
                                                              << QStringList{"x", "", "", ""};
        QTest::newRow("empty list empties the column") << 2 << QStringList{} << 2 << QStringList{"", ""};
        QTest::newRow("into an empty grid") << 0 << QStringList{"", "𠀋"} << 2 << QStringList{"", "𠀋"};
    }

    void setColumnTextsFillsOneColumn()
    {
        QFETCH(int, rowsBefore);
        QFETCH(QStringList, texts);
        FlexGrid g;
        g.setCols(2);
        g.setRows(rowsBefore);
        for (int r = 0; r < rowsBefore; ++r) {
            g.setTextMatrix(r, 0, QString::number(r));
            g.setTextMatrix(r, 1, "old");
        }
        g.setRow(qMax(0, rowsBefore - 1));
        g.setCellBackColor(colors::LightGreen);
        g.setColumnTexts(1, texts);
        g.setColumnTexts(2, {"ignored"});   // no such column
        QTEST(g.rows(), "rowsAfter");
        QStringList column, first;
        for (int r = 0; r < g.rows(); ++r) {
            column << g.textMatrix(r, 1);
            first << g.textMatrix(r, 0);
        }
        QTEST(column, "column");
        for (int r = 0; r < g.rows(); ++r)   // the other column is left as it was
            QCOMPARE(first[r], r < rowsBefore ? QString::number(r) : QString());
        if (rowsBefore > 0)
            QCOMPARE(g.cellBackColor(rowsBefore - 1, 0), colors::LightGreen);
    }

    // The grid shares the list it is given: a later write to either side must
    // not show on the other.
    void columnTextsAreCopiedOnWrite()
    {
        FlexGrid g;
        g.setCols(2);
        QStringList texts{"c", "a", "b"};
        g.setColumnTexts(1, texts);
        g.setTextMatrix(0, 1, "z");
        QCOMPARE(texts, QStringList({"c", "a", "b"}));
        texts[1] = "changed";
        QCOMPARE(g.textMatrix(1, 1), QString("a"));
        g.setCol(1);
        g.setSort(FlexGrid::SortStringAscending);
        QCOMPARE(g.textMatrix(0, 1), QString("a"));
        QCOMPARE(texts, QStringList({"c", "changed", "b"}));
    }

    // Rows past the texts written so far sort as empty and take their
    // colours with them.
    void sortMovesRowsNeverWrittenToo()
    {
        FlexGrid g;
        g.setCols(2);
        g.setRows(5);
        g.setColumnTexts(1, {"b", "a"});
        g.setRow(4);
        g.setCellBackColor(colors::LightGreen);
        g.setRow(1);
        g.setCellAlignment(FlexGrid::AlignCenterBottom);   // the row of "a"
        g.setCol(1);
        g.setSort(FlexGrid::SortStringDescending);
        QCOMPARE(g.textMatrix(0, 1), QString("b"));
        QCOMPARE(g.textMatrix(1, 1), QString("a"));
        QCOMPARE(g.cellBackColor(4, 0), colors::LightGreen);
        g.setSort(FlexGrid::SortStringAscending);
        QCOMPARE(g.textMatrix(3, 1), QString("a"));
        QCOMPARE(g.cellAlignment(3, 0), int(FlexGrid::AlignCenterBottom));
        QCOMPARE(g.cellBackColor(2, 0), colors::LightGreen);
    }

    void cellBackColorPaintsColToColSel()
    {
        FlexGrid g;
        g.setRows(2);
        g.setCols(3);
        g.setRow(1);
        g.setCol(1);
        g.setColSel(2);
        g.setCellBackColor(colors::LightGreen);
        QCOMPARE(g.cellBackColor(1, 0), colors::White);
        QCOMPARE(g.cellBackColor(1, 1), colors::LightGreen);
        QCOMPARE(g.cellBackColor(1, 2), colors::LightGreen);
        g.setCol(0);   // collapses the selection again
        g.setCellBackColor(colors::Grey);
        QCOMPARE(g.cellBackColor(1, 0), colors::Grey);
        QCOMPARE(g.cellBackColor(1, 1), colors::LightGreen);
    }

    void sortKeepsRowsWhole()
    {
        FlexGrid g;
        g.setCols(2);
        fillColumn(g, 1, {"さくら", "ああ", "1ばん", "あい", "Zoo"});
        for (int r = 0; r < 5; ++r)
            g.setTextMatrix(r, 0, QString::number(r));
        g.setRow(2);
        g.setCellBackColor(colors::LightGreen);   // the row of "1ばん"
        g.setCol(1);
        g.setColSel(1);
        g.setSort(FlexGrid::SortStringAscending);
        QStringList order, keys;
        for (int r = 0; r < 5; ++r) {
            order << g.textMatrix(r, 1);
            keys << g.textMatrix(r, 0);
        }
        QCOMPARE(order, QStringList({"1ばん", "Zoo", "ああ", "あい", "さくら"}));
        QCOMPARE(keys, QStringList({"2", "4", "1", "3", "0"}));
        QCOMPARE(g.cellBackColor(0, 0), colors::LightGreen);
        g.setSort(FlexGrid::SortStringDescending);
        QCOMPARE(g.textMatrix(0, 1), QString("さくら"));
        QCOMPARE(g.textMatrix(4, 1), QString("1ばん"));
    }

    void redrawOffDefersPaintingUntilOn()
    {
        CountingGrid g;
        QVERIFY(showAndForgetPaints(g));
        g.setRedraw(false);
        for (int r = 0; r < 5; ++r)
            g.setTextMatrix(r, 0, "x");
        g.setColumnTexts(1, {"a", "b", "c"});
        g.setRows(40);
        QCoreApplication::processEvents();
        QCOMPARE(g.paints, 0);
        g.setRedraw(true);
        QTRY_COMPARE(g.paints, 1);
    }

    void changingOneCellRepaintsOnlyThatCell()
    {
        CountingGrid g;
        QVERIFY(showAndForgetPaints(g));
        g.setRow(1);
        g.setCol(1);
        g.setCellBackColor(colors::LightGreen);
        QTRY_COMPARE(g.paints, 1);
        QCOMPARE(g.painted.boundingRect(), g.cellRect(1, 1));
    }

    void topRowScrollsAndStopsAtTheEnd()
    {
        FlexGrid g;
        g.resize(200, 10 * g.rowHeightPixels());
        g.setCols(1);
        g.setRows(100);
        QCOMPARE(g.visibleRows(), 10);
        g.setTopRow(5);
        QCOMPARE(g.topRow(), 5);
        QVERIFY(g.cellRect(4, 0).isEmpty());
        QCOMPARE(g.cellRect(5, 0).top(), 0);
        g.setTopRow(1000);
        QCOMPARE(g.topRow(), 90);
        g.setTopRow(-3);
        QCOMPARE(g.topRow(), 0);
        g.setRows(3);
        QCOMPARE(g.topRow(), 0);
    }

    void pressGivesMouseDownThenClickOnThePressedCell()
    {
        FlexGrid g;
        g.resize(300, 200);
        g.setRows(3);
        g.setCols(3);
        g.setColWidth(-1, 1200);   // 80 pixels at scale 1
        QStringList events;
        connect(&g, &FlexGrid::mouseDown, [&] { events << QString("down %1,%2").arg(g.row()).arg(g.col()); });
        connect(&g, &FlexGrid::click, [&] { events << QString("click %1,%2").arg(g.mouseRow()).arg(g.mouseCol()); });
        QTest::mouseClick(&g, Qt::LeftButton, {}, g.cellRect(2, 1).center());
        QCOMPARE(events, QStringList({"down 2,1", "click 2,1"}));
        events.clear();
        QTest::mouseClick(&g, Qt::LeftButton, {}, QPoint(295, 5));   // right of the last column
        QVERIFY(events.isEmpty());
        g.setEnabled(false);
        QTest::mouseClick(&g, Qt::LeftButton, {}, g.cellRect(0, 0).center());
        QVERIFY(events.isEmpty());
    }

    void columnWidthsFollowTheScale()
    {
        FlexGrid g;
        g.setCols(2);
        g.setColWidth(-1, 1530);
        g.setScale(Scale(1.0));
        QCOMPARE(g.cellRect(0, 1).left(), 102);
        g.setScale(Scale(2.0));
        QCOMPARE(g.cellRect(0, 1).left(), 204);
    }

    void manyRowsStayCheap()
    {
        FlexGrid g;
        g.resize(600, 400);
        g.setCols(2);
        g.setRedraw(false);
        g.setRows(32767);
        for (int r = 0; r < 32767; ++r)
            g.setTextMatrix(r, 1, QString::number(32767 - r));
        g.setRedraw(true);
        g.setCol(1);
        g.setSort(FlexGrid::SortStringAscending);
        QCOMPARE(g.textMatrix(0, 1), QString("1"));
        QCOMPARE(g.textMatrix(32766, 1), QString("9999"));
        g.setTopRow(40000);
        QCOMPARE(g.topRow(), 32767 - g.visibleRows());
    }
};

QTEST_MAIN(FlexGridTest)
#include "flexgrid_test.moc"
