#include "board/core/BoardTables.h"
#include <QTest>

using namespace pelumo;
Q_DECLARE_METATYPE(pelumo::BoardKind)

class BoardTablesTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data()
    {
        QTest::addColumn<BoardKind>("kind");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("entry");
        const auto H = BoardKind::Hiragana, K = BoardKind::Katakana, A = BoardKind::Alphanumeric;
        QTest::newRow("あ at the right edge") << H << 9 << 0 << 9 << "あ";
        QTest::newRow("わ at the left edge") << H << 9 << 0 << 0 << "わ";
        QTest::newRow("、 bottom left") << H << 9 << 4 << 0 << "、";
        QTest::newRow("。 under ん") << H << 9 << 3 << 0 << "。";
        QTest::newRow("ー under よ") << H << 9 << 3 << 2 << "ー";
        QTest::newRow("？ bottom of や") << H << 9 << 4 << 2 << "？";
        QTest::newRow("の") << H << 9 << 4 << 5 << "の";
        QTest::newRow("こ") << H << 9 << 4 << 8 << "こ";
        QTest::newRow("15: あ moves to 14") << H << 14 << 0 << 14 << "あ";
        QTest::newRow("15: わ at 5") << H << 14 << 0 << 5 << "わ";
        QTest::newRow("15: が at 4") << H << 14 << 0 << 4 << "が";
        QTest::newRow("15: ぱ at 0") << H << 14 << 0 << 0 << "ぱ";
        QTest::newRow("15: ぽ bottom left") << H << 14 << 4 << 0 << "ぽ";
        QTest::newRow("15: ぢ") << H << 14 << 1 << 2 << "ぢ";
        QTest::newRow("12: left columns empty") << H << 12 << 0 << 1 << "";
        QTest::newRow("12: わ at 3") << H << 12 << 0 << 3 << "わ";
        QTest::newRow("12: no voiced row") << H << 12 << 0 << 2 << "";
        QTest::newRow("katakana ア") << K << 9 << 0 << 9 << "ア";
        QTest::newRow("katakana ヲ") << K << 9 << 1 << 0 << "ヲ";
        QTest::newRow("katakana ー") << K << 9 << 3 << 2 << "ー";
        QTest::newRow("15 katakana ヅ") << K << 14 << 2 << 2 << "ヅ";
        QTest::newRow("digits") << A << 9 << 0 << 9 << "0";
        QTest::newRow("Q") << A << 9 << 1 << 0 << "Q";
        QTest::newRow(";") << A << 9 << 2 << 9 << ";";
        QTest::newRow("/") << A << 9 << 3 << 0 << "/";
        QTest::newRow("。 on alphanumeric") << A << 9 << 4 << 6 << "。";
        QTest::newRow("(^_^)") << A << 9 << 4 << 8 << "(^_^)";
        QTest::newRow("(T_T)") << A << 9 << 4 << 9 << "(T_T)";
        QTest::newRow("15 alphanumeric: 1 stays left") << A << 14 << 0 << 0 << "1";
        QTest::newRow("15 alphanumeric: 10 empty") << A << 14 << 0 << 10 << "";
        QTest::newRow("15 alphanumeric: 14 empty") << A << 14 << 4 << 14 << "";
    }
    void cells()
    {
        QFETCH(BoardKind, kind);
        QFETCH(int, lastColumn);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, entry);
        const QList<QStringList> cells = boardCells(kind, lastColumn);
        QCOMPARE(cells.size(), 5);
        QCOMPARE(cells[0].size(), lastColumn + 1);
        QCOMPARE(cells[row][col], entry);
    }

    void standardHiraganaReadsAsTheChart()
    {
        const QList<QStringList> cells = boardCells(BoardKind::Hiragana, 9);
        const QStringList rows = {"わらやまはなたさかあ", "をりゆみひにちしきい", "んるよむふぬつすくう",
                                  "。れーめへねてせけえ", "、ろ？もほのとそこお"};
        for (int r = 0; r < 5; ++r)
            QCOMPARE(cells[r].join(QString()), rows[r]);
    }

    void everyKanaCellIsFilledOnTheStandardBoards()
    {
        for (BoardKind kind : {BoardKind::Hiragana, BoardKind::Katakana})
            for (const QStringList &row : boardCells(kind, 9))
                for (const QString &cell : row)
                    QCOMPARE(cell.size(), 1);
    }

    void kindCycleAndCaptions()
    {
        QCOMPARE(nextBoardKind(boardKindOfCaption("英数")), BoardKind::Hiragana);
        QCOMPARE(nextBoardKind(boardKindOfCaption(" ひら ")), BoardKind::Katakana);
        QCOMPARE(nextBoardKind(boardKindOfCaption("カタ")), BoardKind::Alphanumeric);
        QCOMPARE(boardKindOfCaption("???"), BoardKind::Alphanumeric);
        QCOMPARE(boardCaption(BoardKind::Hiragana), QString("ひら"));
        QCOMPARE(boardCaption(BoardKind::Katakana), QString("カタ"));
        QCOMPARE(boardCaption(BoardKind::Alphanumeric), QString("英数"));
    }

    void columnWidths()
    {
        QCOMPARE(boardColumnWidth(9), 1530);
        QCOMPARE(boardColumnWidth(14), 1013);
        QCOMPARE(boardColumnWidth(12), 1530);
    }
};

QTEST_APPLESS_MAIN(BoardTablesTest)
#include "board_tables_test.moc"
