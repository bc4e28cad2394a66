// Each screen shows its own controls and caption, from the screen state
// alone; the diary, when open, lies under the board.
#include "support/TestWindow.h"

using namespace pelumo;
using pelumo::test::TestWindow;

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void eachScreenShowsItsControls_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("diaryOpen");
        // board, candidates, phrases, days, editing keys, list keys, diary keys, selection
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("add");
        QTest::addColumn<bool>("del");
        const auto row = [](const char *name, Screen s, bool diary, const char *shown,
                            const char *caption, bool add, bool del) {
            QTest::newRow(name) << int(s) << diary << QString(shown) << QString::fromUtf8(caption)
                                << add << del;
        };
        row("board", Screen::Board, false, "B...E...", "例文表示", true, false);
        row("selection", Screen::Selection, false, "B...E..S", "例文表示", true, false);
        row("candidates", Screen::Candidates, false, ".C...L..", "例文表示", true, false);
        row("phrase list", Screen::PhraseList, false, "..P..L..", "例文終了", false, true);
        row("phrase list closes the diary", Screen::PhraseList, true, "..P..L..", "例文終了", false, true);
        row("diary list", Screen::DiaryList, false, "...D.L..", "日記終了", false, false);
        row("diary entry", Screen::DiaryEntry, false, "......K.", "日記終了", false, false);
        row("revising on the board", Screen::Board, true, "B...E.K.", "日記終了", false, false);
        row("candidates while revising", Screen::Candidates, true, ".C...LK.", "日記終了", false, false);
    }
    void eachScreenShowsItsControls()
    {
        QFETCH(int, screen);
        QFETCH(bool, diaryOpen);
        TestWindow w;
        frmTalk &f = w.start();
        f.state.screen.diaryOpen = diaryOpen;
        f.showScreen(Screen(screen));
        const QWidget *controls[] = {f.grdBoard, f.grdSp, f.grdEx, f.grdDay,
                                     f.fraRes, f.fraTalk, f.fraDay, f.fraSet};
        QString shown;
        for (int i = 0; i < 8; ++i)
            shown += controls[i]->isVisible() ? QString("BCPDELKS").at(i) : QChar('.');
        QTEST(shown, "shown");
        QTEST(f.cmdSamp->caption(), "caption");
        QTEST(f.cmdSampADD->isVisible(), "add");
        QTEST(f.cmdSampDel->isVisible(), "del");
        QCOMPARE(f.state.screen.shown, Screen(screen));
    }

    // The phrase button goes by the screen, not by what it says.
    void thePhraseButtonFollowsTheState()
    {
        TestWindow w;
        w.putPhrases({"はい"});
        frmTalk &f = w.start();
        f.cmdSamp->setCaption("？");
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.state.screen.shown, Screen::PhraseList);
        TestWindow::tap(f.cmdSamp);
        QCOMPARE(f.state.screen.shown, Screen::Board);
        QCOMPARE(f.cmdSamp->caption(), QString("例文表示"));
    }
};

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
