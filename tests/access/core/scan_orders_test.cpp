#include "access/core/PanelOrder.h"
#include "access/core/ScanOrders.h"
#include "board/core/BoardTables.h"
#include "support/ScanTables.h"
#include <QTest>

using namespace pelumo;
using pelumo::test::describe;
using pelumo::test::targetIds;

namespace {

QStringList topNames(const ScanTable &table)
{
    QStringList names;
    for (const ScanItem &item : table)
        names << item.name;
    return names;
}


LetterBoardFacts board(BoardKind kind, int lastColumn)
{
    LetterBoardFacts facts;
    facts.cells = boardCells(kind, lastColumn);
    facts.kana = kind != BoardKind::Alphanumeric;
    facts.kindCaption = boardCaption(kind);
    return facts;
}

// The selection screen after a press on か (board row 0): no row above, the
// following row さ on the left, が in place of あ on the right.
QList<QStringList> selectionAroundKa()
{
    return {{"", "", ""}, {"さ", "か", "が"}, {"し", "き", "ぎ"}};
}

const QString kCommands = "読む 編集 例文 ひら 広げる";

} // namespace

class ScanOrdersTest : public QObject {
    Q_OBJECT
private slots:
    void letterBoardGroups_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<QString>("groups");
        QTest::newRow("10 columns") << int(BoardKind::Hiragana) << 9
            << "あ行 か行 さ行 た行 な行 は行 ま行 や行 ら行 わ行 " + kCommands;
        QTest::newRow("15 columns: the voiced columns after わ") << int(BoardKind::Hiragana) << 14
            << "あ行 か行 さ行 た行 な行 は行 ま行 や行 ら行 わ行 が行 ざ行 だ行 ば行 ぱ行 " + kCommands;
        QTest::newRow("12 columns: empty columns left out") << int(BoardKind::Hiragana) << 11
            << "あ行 か行 さ行 た行 な行 は行 ま行 や行 ら行 わ行 " + kCommands;
        QTest::newRow("katakana") << int(BoardKind::Katakana) << 9
            << "ア行 カ行 サ行 タ行 ナ行 ハ行 マ行 ヤ行 ラ行 ワ行 読む 編集 例文 カタ 広げる";
        QTest::newRow("alphanumeric by rows") << int(BoardKind::Alphanumeric) << 14
            << "1の段 Qの段 Aの段 /の段 :の段 読む 編集 例文 英数 広げる";
    }
    void letterBoardGroups()
    {
        QFETCH(int, kind);
        QFETCH(int, lastColumn);
        QTEST(topNames(letterBoardOrder(board(BoardKind(kind), lastColumn))).join(' '), "groups");
    }

    void letterBoardItems()
    {
        const ScanTable table = letterBoardOrder(board(BoardKind::Hiragana, 9));
        QCOMPARE(describe({table[0]}), QString("あ行[あ い う え お]"));
        QCOMPARE(describe({table[7]}), QString("や行[や ゆ よ ー ？]"));
        QCOMPARE(describe({table[11]}), QString("編集[← → ↑ ↓ ＢＳ 始め]"));
        QCOMPARE(describe({table[12]}), QString("例文[例文表示 例文追加]"));
        // あ stands at the right edge; ん in the わ column at the left.
        QCOMPARE(table[0].items[0].target, ScanTarget::cell("grdBoard", 0, 9));
        QCOMPARE(table[9].items[2].target, ScanTarget::cell("grdBoard", 2, 0));
        QCOMPARE(table[11].items[0].target, ScanTarget::control("cmdRes2"));

        const ScanTable wide15 = letterBoardOrder(board(BoardKind::Hiragana, 14));
        QCOMPARE(wide15[14].items[0].target, ScanTarget::cell("grdBoard", 0, 0));   // ぱ
        const ScanTable alnum = letterBoardOrder(board(BoardKind::Alphanumeric, 14));
        QCOMPARE(describe({alnum[4]}), QString(":の段[: % + - ? @ 。 ! (^_^) (T_T)]"));
    }

    void letterBoardCommands()
    {
        LetterBoardFacts facts = board(BoardKind::Hiragana, 9);
        facts.diaryOpen = true;
        facts.wide = true;
        const ScanTable table = letterBoardOrder(facts);
        // The widened message covers the board's columns.
        QCOMPARE(describe(table),
                 QString("読む 編集[← → ↑ ↓ ＢＳ 始め] 日記終了 ひら コピと貼る[狭める コピ 貼る]"));
    }

    // Faults: a prediction group after the board's rows, or shown when
    // empty, on the alphanumeric board, or under the widened message; a
    // word or cell out of its order; a cell that holds nothing offered.
    void predictionGroups_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("cells");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("first");
        const QStringList two{"おはよう", "おはし"};
        const int hira = int(BoardKind::Hiragana), alnum = int(BoardKind::Alphanumeric);
        QTest::newRow("both") << two << true << hira << false << "単語[おはよう おはし] 予測[は か ち] | あ行 か行";
        QTest::newRow("cells alone") << QStringList() << true << hira << false << "予測[は か ち] | あ行 か行";
        QTest::newRow("one word stands alone") << QStringList{"おはよう"} << false << hira << false
                                               << "おはよう | あ行 か行";
        QTest::newRow("none: the board as it was") << QStringList() << false << hira << false << "| あ行 か行";
        QTest::newRow("not on the alphanumeric board") << two << true << alnum << false << "| 1の段 Qの段";
        QTest::newRow("not under the widened message") << two << true << hira << true << "| 読む 編集";
    }
    void predictionGroups()
    {
        QFETCH(QStringList, words);
        QFETCH(bool, cells);
        QFETCH(int, kind);
        QFETCH(bool, wide);
        QFETCH(QString, first);
        LetterBoardFacts facts = board(BoardKind(kind), 9);
        facts.words = words;
        facts.wide = wide;
        if (cells)   // は, か, ち and a cell that holds nothing on a 10-column board
            facts.predictedCells = {{0, 4}, {0, 8}, {1, 6}, {0, 12}};
        const ScanTable table = letterBoardOrder(facts);
        // The items before the board's first row described in full, then
        // the names of the next two.
        int k = 0;
        while (k < int(table.size()) && (table[k].name == "単語" || table[k].name == "予測" || words.contains(table[k].name)))
            ++k;
        const QStringList next = topNames(ScanTable(table.begin() + k, table.end())).mid(0, 2);
        QCOMPARE(QStringList({describe(ScanTable(table.begin(), table.begin() + k)), next.join(' ')}).join(" | ").trimmed(),
                 first);
        if (!words.isEmpty() && kind == int(BoardKind::Hiragana) && !wide)
            QCOMPARE(table[0].isGroup ? table[0].items[1].target : table[0].target,
                     ScanTarget::control(words.size() > 1 ? "cmdWord1" : "cmdWord0"));
    }

    // 終了 and 設定 are carers' buttons: no order reaches them.
    void carersButtonsNeverScanned()
    {
        QStringList ids;
        LetterBoardFacts facts = board(BoardKind::Hiragana, 14);
        facts.wide = true;
        ids << targetIds(letterBoardOrder(facts)) << targetIds(selectionOrder({selectionAroundKa()}))
            << targetIds(listOrder({"例文終了"})) << targetIds(diaryEntryOrder({"日記終了"}));
        QVERIFY(!ids.contains("cmdEnd"));
        QVERIFY(!ids.contains("cmdOpt"));
        QVERIFY(ids.contains("cmdRead"));
    }

    void panel_data()
    {
        QTest::addColumn<QStringList>("quick");
        QTest::addColumn<bool>("mark");
        QTest::addColumn<QString>("expected");
        const QString fixed = "呼ぶ はい いいえ もう一度 元に戻す 履歴";
        QTest::newRow("no quick phrases") << QStringList() << false << "パネル[" + fixed + "]";
        QTest::newRow("one stands alone") << QStringList{"みず"} << false << "パネル[" + fixed + " みず]";
        QTest::newRow("several as a group") << QStringList{"みず", "いたい"} << true
                                            << "パネル[" + fixed + " よく使う文[みず いたい] ★]";
    }
    void panel()
    {
        QFETCH(QStringList, quick);
        QFETCH(bool, mark);
        const ScanItem group = panelGroup({quick, mark, "★"});
        QTEST(describe({group}), "expected");
        QVERIFY(!targetIds({group}).contains("cmdEnd"));
    }

    void spokenNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("kana column") << "あ行" << "あぎょう";
        QTest::newRow("voiced column") << "が行" << "がぎょう";
        QTest::newRow("keyboard row") << "Qの段" << "Qのだん";
        QTest::newRow("a command") << "読む" << "読む";
        QTest::newRow("行 alone is a key") << "行" << "行";
        QTest::newRow("phrase button") << "例文表示" << "例文表示";
    }
    void spokenNames()
    {
        QFETCH(QString, name);
        QTEST(spokenName(name), "spoken");
    }

    void selection_data()
    {
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::addColumn<bool>("afterSpace");
        QTest::addColumn<int>("order");
        QTest::addColumn<QString>("expected");
        const auto chosen = int(SelectionOrder::ChosenFirst);
        QTest::newRow("chosen, its form, スペース, the neighbour") << selectionAroundKa() << false << chosen
            << "か が スペース さ き[き ぎ し] 戻る";
        QTest::newRow("after a space, 戻る first") << selectionAroundKa() << true << chosen
            << "戻る か が スペース さ き[き ぎ し]";
        QTest::newRow("スペース after the rows") << selectionAroundKa() << false
            << int(SelectionOrder::SpaceAfterRows) << "か が さ き[き ぎ し] スペース 戻る";
        QTest::newRow("rows as shown") << selectionAroundKa() << false << int(SelectionOrder::Rows)
            << "か か[か が さ] き[き ぎ し] スペース 戻る";
        QTest::newRow("は: both forms before スペース, ば first")
            << QList<QStringList>{{"ま", "な", "た"}, {"ぱ", "は", "ば"}, {"み", "ひ", "に"}} << false << chosen
            << "は ば ぱ スペース な[な た ま] ひ[ひ に み] 戻る";
        QTest::newRow("a row of one is its cell")
            << QList<QStringList>{{"", "", ""}, {"か", "あ", "ぁ"}, {"", "い", ""}} << false << chosen
            << "あ ぁ スペース か い 戻る";
        QTest::newRow("な: no forms, スペース second")
            << QList<QStringList>{{"", "", ""}, {"は", "な", "た"}, {"ひ", "に", "ち"}} << false << chosen
            << "な スペース た は に[に ち ひ] 戻る";
    }
    void selection()
    {
        QFETCH(QList<QStringList>, cells);
        QFETCH(bool, afterSpace);
        QFETCH(int, order);
        // The right-hand cell is a form when it is not the board's neighbour
        // (あ, さ, た in these rows); the left one only for ぱ.
        const QString right = cells[1][2];
        const bool formRight = right != "あ" && right != "た" && right != "さ";
        const bool formLeft = cells[1][0] == "ぱ";
        const ScanTable table = selectionOrder({cells, afterSpace, formLeft, formRight, SelectionOrder(order)});
        QTEST(describe(table), "expected");
    }

    void selectionTargets()
    {
        const ScanTable table = selectionOrder({.cells = selectionAroundKa(), .formRight = true});
        QCOMPARE(table[0].target, ScanTarget::cell("grdBoard2", 1, 1));
        QCOMPARE(table[1].target, ScanTarget::cell("grdBoard2", 1, 2));
        QCOMPARE(table[2].target, ScanTarget::control("cmdspace"));
        QCOMPARE(table[3].target, ScanTarget::cell("grdBoard2", 1, 0));
        QCOMPARE(table[4].items[2].target, ScanTarget::cell("grdBoard2", 2, 0));
        QCOMPARE(table[5].target, ScanTarget::control("cmdEnd2"));
    }

    // The keys a touch reaches beside a list or an open entry, after their
    // own: 例文削除 on the phrase list, the board's keys as the board has them.
    void otherScreens()
    {
        QCOMPARE(describe(listOrder({"例文終了", PhraseKey::Delete})),
                 QString("▽ △ 決定 例文終了 例文削除 読む ひら 広げる"));
        QCOMPARE(listOrder({"例文終了", PhraseKey::Delete})[4].target, ScanTarget::control("cmdSampDel"));
        QCOMPARE(describe(diaryEntryOrder({"日記終了", PhraseKey::None, "カタ", true})),
                 QString("修正する 戻る 日記終了 読む カタ コピと貼る[狭める コピ 貼る]"));
        const ScanTable question = questionOrder("ＯＫ", "キャンセル");
        QCOMPARE(describe(question), QString("キャンセル ＯＫ"));
        QCOMPARE(question[0].target, ScanTarget::control("cmdOK1"));
        QCOMPARE(describe(questionOrder("ＯＫ", "")), QString("ＯＫ"));
    }
};

QTEST_APPLESS_MAIN(ScanOrdersTest)
#include "scan_orders_test.moc"
