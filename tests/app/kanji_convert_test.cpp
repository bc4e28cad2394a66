// 変換 through the window, on a table engine (support/FakeConverter.h):
// the list in place of the board, 決定 segment by segment, 元に戻す, the
// answer that comes too late, scanning, and nothing of it with the setting off.
#include "support/ScanTables.h"
#include "support/TestWindow.h"
#include "platform/AppPaths.h"
#include "support/LineFiles.h"
#include <QDir>

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {

void typed(frmTalk &f, const QString &kana)
{
    f.message->setText(kana + "_", int(kana.size()));
    f.message->selectNextIfCaret();
}

QStringList listRows(frmTalk &f)
{
    QStringList rows;
    for (int r = 0; r < f.grdSp->rows(); ++r)
        rows << f.grdSp->textMatrix(r, 0);
    return rows;
}

QStringList topNames(const ScanTable &table)
{
    QStringList names;
    for (const ScanItem &item : table)
        names << item.name;
    return names;
}

// 変換, then the answer from the engine's thread.
bool convert(frmTalk &f)
{
    TestWindow::tap(f.cmdConvert);
    return QTest::qWaitFor([&f] { return f.state.screen.shown == Screen::Conversion; }, 2000);
}

void decideRow(frmTalk &f, int row)
{
    for (int i = 0; i < row; ++i)
        TestWindow::tap(f.cmdDown);
    TestWindow::tap(f.cmdDec);
}

} // namespace

class KanjiConvertTest : public QObject {
    Q_OBJECT
private slots:
    // With the setting at its default there is no button, no engine, no
    // thread, and the scan order is as before.
    void offByDefault()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCoreApplication::processEvents();
        QVERIFY(!f.cmdConvert->isVisible());
        QVERIFY(!f.conversion);
        QVERIFY(!topNames(f.mainScanTable()).contains("変換"));
    }

    // おはよう, 変換: row 0 the kana, then the engine's candidates; ▽ 決定
    // gives お早う with the marker kept and highlighted, learned, and 読む
    // reads it as おはよう.
    void oneSegment()
    {
        TestWindow w({{"KanjiConvert", "1"}});
        frmTalk &f = w.start();
        QTRY_VERIFY(f.cmdConvert->isVisible());
        typed(f, "おはよう");
        QVERIFY(convert(f));
        QCOMPARE(listRows(f), (QStringList{"おはよう", "お早う", "おはよう"}));
        QVERIFY(f.grdSp->isVisible() && !f.grdBoard->isVisible() && f.fraTalk->isVisible());
        QVERIFY(!f.cmdConvert->isVisible());
        decideRow(f, 1);
        QCOMPARE(f.state.screen.shown, Screen::Board);
        QCOMPARE(f.message->text(), QString("お早う_"));
        QCOMPARE(f.message->selStart(), 3);
        QCOMPARE(f.message->selLength(), 1);
        QTRY_COMPARE(w.conversions->learnedNow(), QStringList{"おはよう→お早う"});
        QCOMPARE(w.conversions->folder, userDataFolder());
        w.agent.calls.clear();
        TestWindow::tap(f.cmdRead);
        QCOMPARE(w.agent.spoken().value(0), QString("オハヨー"));
    }

    // Segment by segment: each 変換 goes on with the rest of the cut the
    // first one made; row 0 keeps a segment's kana (nothing learned) and the
    // next 変換 still goes on. 元に戻す takes back one decision in one step.
    void segmentBySegment()
    {
        TestWindow w({{"KanjiConvert", "1"}, {"SidePanel", "1"}});
        frmTalk &f = w.start();
        QTRY_VERIFY(f.cmdConvert->isVisible());
        typed(f, "きょうはいいてんきです");
        const QStringList steps[] = {{"きょうは", "今日は", "京は"}, {"いい", "良い"}, {"てんきです", "天気です"}};
        const int chosen[] = {1, 0, 1};
        const QString after[] = {"今日はいいてんきです_", "今日はいいてんきです_", "今日はいい天気です_"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(convert(f));
            QCOMPARE(listRows(f), steps[i]);
            decideRow(f, chosen[i]);
            QCOMPARE(f.message->text(), after[i]);
        }
        QCOMPARE(w.conversions->askedNow(), QStringList{"きょうはいいてんきです"});   // one cut for all three
        QTRY_COMPARE(w.conversions->learnedNow(), (QStringList{"きょうは→今日は", "てんきです→天気です"}));
        TestWindow::tap(f.panel->cmdUndo);
        QCOMPARE(f.message->text(), QString("今日はいいてんきです_"));
        QCOMPARE(f.message->selStart(), 10);
        // The next 変換 cuts the kana run before the highlight afresh.
        TestWindow::tap(f.cmdConvert);
        QTRY_COMPARE(w.conversions->askedNow().value(1), QString("はいいてんきです"));   // は is kana too
    }

    // An answer that comes after the message changed is dropped; kana the
    // engine cannot convert, or no kana, only beep.
    void answerThatNoLongerFits()
    {
        TestWindow w({{"KanjiConvert", "1"}});
        frmTalk &f = w.start();
        QTRY_VERIFY(f.cmdConvert->isVisible());
        typed(f, "おはよう");
        f.cmdConvert_Click();
        typed(f, "おはようね");   // before the answer is handed over
        QTest::qWait(100);
        QCOMPARE(f.state.screen.shown, Screen::Board);
        typed(f, "ぬぬぬ");
        f.cmdConvert_Click();
        QTRY_COMPARE(w.beeper.count, 1);
        typed(f, "今日");
        f.cmdConvert_Click();
        QCOMPARE(w.beeper.count, 2);
        QCOMPARE(f.state.screen.shown, Screen::Board);
    }

    // A diary entry written in kanji by 変換, saved, and read back after a
    // restart as it was, in either encoding of day.txt. 𠮷 is beyond code
    // page 932: the Shift_JIS file becomes UTF-8 only on ＯＫ, the old one
    // kept beside it, as for every entry.
    void diaryEntryInKanjiAfterRestart_data()
    {
        QTest::addColumn<QString>("kana");
        QTest::addColumn<int>("segments");
        QTest::addColumn<bool>("shiftJis");
        QTest::addColumn<bool>("nowUtf8");
        QTest::newRow("UTF-8") << "きょうはいいてんきです" << 3 << false << true;
        QTest::newRow("Shift_JIS") << "きょうはいいてんきです" << 3 << true << false;
        QTest::newRow("Shift_JIS, beyond cp932") << "よしのや" << 1 << true << true;
    }
    void diaryEntryInKanjiAfterRestart()
    {
        QFETCH(QString, kana);
        QFETCH(int, segments);
        QFETCH(bool, shiftJis);
        QFETCH(bool, nowUtf8);
        const QByteArray older = "\"26.12.06 \xE3\x81\x82\"\r\n";   // あ
        TestWindow w({{"KanjiConvert", "1"}});
        w.conversions->table["よしのや"] = {{"よしのや", {"𠮷野家"}}};
        frmTalk &f = w.start();
        const QString day = QDir(f.state.AppDir).filePath("day.txt");
        test::writeBytes(day, shiftJis ? test::shiftJis(older) : older);
        QTRY_VERIFY(f.cmdConvert->isVisible());
        TestWindow::tap(f.cmdSamp);
        TestWindow::tap(f.cmdDec);   // 日記
        TestWindow::tap(f.cmdDec);   // today's entry
        TestWindow::tap(f.cmdRevise);
        typed(f, kana);
        for (int i = 0; i < segments; ++i) {
            QVERIFY(convert(f));
            decideRow(f, 1);
        }
        const QString entry = f.message->text();
        QVERIFY(!entry.contains(u'よ') && !entry.contains(u'き'));
        auto yes = test::answerNextQuestion(0);
        QTimer::singleShot(50, [] { test::answerNextQuestion(0); });   // the format question, if any
        f.edit->SetNarrowLayout();
        f.diary->EndDiary(f.message->text());
        QCoreApplication::processEvents();
        const QByteArray line = "\"26.12.07 " + entry.toUtf8() + "\"\r\n";
        QCOMPARE(test::readBytes(day), nowUtf8 ? line + older : test::shiftJis(line + older));
        QCOMPARE(QFile::exists(QDir(f.state.AppDir).filePath("day-kept-1.txt")), shiftJis && nowUtf8);

        w.window.reset();   // a restart on the same folders
        w.build(w.agent, {});
        frmTalk &again = w.start();
        TestWindow::tap(again.cmdSamp);
        TestWindow::tap(again.cmdDec);
        TestWindow::tap(again.cmdDec);
        QCOMPARE(again.message->text(), entry);
    }

    // 変換 follows 読む on the board's scan, and the list scans as the
    // phrase candidates do.
    void scanning()
    {
        TestWindow w({{"KanjiConvert", "1"}, {"InputMode", "2"}});
        frmTalk &f = w.start();
        QTRY_VERIFY(f.cmdConvert->isVisible());
        const QStringList board = topNames(f.mainScanTable());
        QCOMPARE(board.value(board.indexOf("読む") + 1), QString("変換"));
        typed(f, "おはよう");
        f.cmdConvert_Click();   // a click would be the switch
        QTRY_COMPARE(f.state.screen.shown, Screen::Conversion);
        const QStringList list = topNames(f.mainScanTable());
        f.showScreen(Screen::Candidates);
        QCOMPARE(list, topNames(f.mainScanTable()));
    }
};

QTEST_MAIN(KanjiConvertTest)
#include "kanji_convert_test.moc"
