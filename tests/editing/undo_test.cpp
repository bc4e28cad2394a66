#include "support/TestWindow.h"
#include <QInputMethodEvent>
#include <QSignalSpy>

using namespace pelumo;
using namespace pelumo::test;

namespace pelumo {
// Failures show the message and its highlight.
char *toString(const MessageSnapshot &s)
{
    return QTest::toString(QStringLiteral("\"%1\" %2..%3").arg(s.text).arg(s.anchor).arg(s.position));
}
}

Q_DECLARE_METATYPE(MessageSnapshot)

namespace {
constexpr int A_ROW = 0, A_COL = 9, KI_ROW = 1, KI_COL = 8;   // あ and き on the hiragana board
enum Change { BoardEntry, BS, Right, Left, Start, StartAnsweredNo, Paste, Phrase };

MessageSnapshot shown(frmTalk &f)
{
    return MessageSnapshot{f.txtTalk->text(), f.txtTalk->anchor(), f.txtTalk->activeEnd()};
}

// The message put in through its one door, with nothing to undo yet.
void startFrom(frmTalk &f, const MessageSnapshot &message)
{
    f.message->setText(message.text, 0);
    f.message->selectWhole(message.anchor, message.position);
    f.message->clearUndo();
    QCoreApplication::processEvents();
}

// A kana entered as a user does it: the board, then the selection screen,
// where the kana touched comes first.
void enter(frmTalk &f, int row, int col)
{
    TestWindow::press(f.grdBoard, row, col);
    TestWindow::press(f.grdBoard2, 1, 1);
}

void make(TestWindow &w, Change change)
{
    frmTalk &f = *w;
    switch (change) {
    case BoardEntry:
        enter(f, KI_ROW, KI_COL);
        break;
    case BS:
    case Right:
    case Left:
        TestWindow::tap(f.cmdRes[change == BS ? 1 : change == Right ? 0 : 2]);
        break;
    case Start:
    case StartAnsweredNo:
        answerNextQuestion(change == Start ? 0 : 1);
        TestWindow::tap(f.cmdStart);
        break;
    case Paste:
        w.clipboard.content = QStringLiteral("コピー");
        TestWindow::tap(f.cmdWide);   // 貼る is shown in the wide layout
        TestWindow::tap(f.cmdPaste);
        break;
    case Phrase:
        TestWindow::tap(f.cmdSamp);
        TestWindow::press(f.grdEx, 1, 1);   // below the diary's row
        TestWindow::tap(f.cmdDec);
        break;
    }
    QCoreApplication::processEvents();
}
}

class UndoTest : public QObject {
    Q_OBJECT
private slots:
    // One change of each kind from the window's own keys, then 元に戻す: the
    // text and the highlight exactly as before, both ends of it, and nothing
    // more to undo. A move of the highlight is no change and leaves no step.
    void eachChangeIsUndoneExactly_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<MessageSnapshot>("before");
        QTest::addColumn<QString>("after");
        const MessageSnapshot onMarker{"あい_", 2, 3}, onI{"あい_", 1, 2};
        QTest::newRow("board entry") << int(BoardEntry) << onMarker << "あいき_";
        QTest::newRow("board entry over a highlight") << int(BoardEntry) << MessageSnapshot{"あい_", 2, 0}
                                                      << "きあい_";
        QTest::newRow("ＢＳ") << int(BS) << onI << "あ_";
        QTest::newRow("ＢＳ on the marker") << int(BS) << onMarker << "あ_";
        QTest::newRow("ＢＳ with a caret") << int(BS) << MessageSnapshot{"あいう_", 2, 2} << "あう_";
        QTest::newRow("→ puts the marker back") << int(Right) << MessageSnapshot{"あい", 1, 2} << "あい_";
        QTest::newRow("→ moves: no step") << int(Right) << onI << "あい_";
        QTest::newRow("← moves: no step") << int(Left) << onMarker << "あい_";
        QTest::newRow("始め ＯＫ") << int(Start) << MessageSnapshot{"はい_", 3, 2} << "";
        QTest::newRow("始め ＮＯ: no step") << int(StartAnsweredNo) << onMarker << "あい_";
        QTest::newRow("貼る") << int(Paste) << onI << "あい_コピー";
        QTest::newRow("phrase") << int(Phrase) << onMarker << "あいおはよう_";
    }
    void eachChangeIsUndoneExactly()
    {
        QFETCH(int, change);
        QFETCH(MessageSnapshot, before);
        QFETCH(QString, after);
        TestWindow w;
        w.putPhrases({QStringLiteral("おはよう")});
        frmTalk &f = w.start();
        startFrom(f, before);
        QCOMPARE(shown(f), before);
        make(w, Change(change));
        QCOMPARE(f.txtTalk->text(), after);
        const bool changed = f.txtTalk->text() != before.text;
        QCOMPARE(f.message->canUndo(), changed);
        QSignalSpy told(f.message, &MessageArea::changed);
        QCOMPARE(f.message->undo(), changed);
        if (changed) {
            QCOMPARE(shown(f), before);
            QCOMPARE(told.count(), 1);
        }
        QVERIFY(!f.message->canUndo());   // the undo made no step of its own
        QVERIFY(!f.message->undo());
    }

    // A candidate decided after an entry: each is its own step.
    void candidateThenEntryUndoneInTurn()
    {
        TestWindow w;
        w.putPhrases({QStringLiteral("ありがとう")});
        frmTalk &f = w.start();
        enter(f, A_ROW, A_COL);
        const MessageSnapshot entered = shown(f);
        QCOMPARE(entered, (MessageSnapshot{"あ_", 1, 2}));
        QVERIFY(f.grdSp->isVisible());
        TestWindow::press(f.grdSp, 1, 0);
        TestWindow::tap(f.cmdDec);
        QCOMPARE(f.txtTalk->text(), QString("ありがとう_"));
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), entered);
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), MessageSnapshot{});
        QVERIFY(!f.message->canUndo());
    }

    // Opening a day's entry puts it in place of the message; after 修正する
    // and a revision on the board, undo goes back through the revision to
    // the entry, then to the message that was there before.
    void diaryRevisionUndoneBackToTheMessage()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QFile day(QDir(f.state.AppDir).filePath("day.txt"));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("\"26.12.06 \xE3\x81\x8D\xE3\x81\xAE\xE3\x81\x86_\"\r\n");   // きのう_
        day.close();
        const MessageSnapshot mine{"はい_", 1, 2};
        startFrom(f, mine);
        TestWindow::tap(f.cmdSamp);
        TestWindow::tap(f.cmdDec);   // the diary's row
        QTest::mousePress(f.cmdDown, Qt::LeftButton);
        QTest::mouseRelease(f.cmdDown, Qt::LeftButton);
        TestWindow::tap(f.cmdDec);   // yesterday
        TestWindow::tap(f.cmdRevise);
        QCoreApplication::processEvents();
        const MessageSnapshot entry = shown(f);
        QCOMPARE(entry.text, QString("きのう_"));
        enter(f, KI_ROW, KI_COL);
        QCOMPARE(f.txtTalk->text(), QString("きのうき_"));
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), entry);
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), mine);
        QVERIFY(!f.message->canUndo());
    }

    // Past the fifty steps promised, each undone in turn; the panel's button
    // is told when there comes to be something to undo and when there is no
    // more.
    void sixtyEntriesUndoneOneByOne()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QSignalSpy available(f.message, &MessageArea::undoAvailable);
        QList<MessageSnapshot> states{shown(f)};
        for (int i = 0; i < 60; ++i) {
            enter(f, A_ROW, A_COL);
            states << shown(f);
        }
        QCOMPARE(f.txtTalk->text(), QString(60, u'あ') + u'_');
        states.removeLast();
        while (!states.isEmpty()) {
            QVERIFY(f.message->undo());
            QCOMPARE(shown(f), states.takeLast());
        }
        QVERIFY(!f.message->undo());
        QCOMPARE(available.count(), 2);
        QCOMPARE(available.at(0).at(0).toBool(), true);
        QCOMPARE(available.at(1).at(0).toBool(), false);
    }

    // What reaches the box without passing through the message's door is
    // undone too: one step a typed character, one an input method's commit.
    void typingAndInputMethodAreUndone()
    {
        TestWindow w;
        frmTalk &f = w.start();
        f.txtTalk->setFocus();
        QTest::keyClicks(f.txtTalk, "ab");
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("かな"));
        QCoreApplication::sendEvent(f.txtTalk, &commit);
        QCOMPARE(f.txtTalk->text(), QString("abかな"));
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), (MessageSnapshot{"ab", 2, 2}));
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), (MessageSnapshot{"a", 1, 1}));
        QVERIFY(f.message->undo());
        QVERIFY(!f.message->undo());
        QCOMPARE(f.txtTalk->text(), QString());
    }

    // ＢＳ sends keys that take effect later; an undo before then first lets
    // them take effect, then takes the whole ＢＳ back.
    void undoRightAfterTheKeysOfBS()
    {
        TestWindow w;
        frmTalk &f = w.start();
        const MessageSnapshot before{"あい_", 2, 3};
        startFrom(f, before);
        f.edit->cmdRes_MouseDown(1);
        f.edit->cmdRes_MouseUp(1);
        QVERIFY(f.txtTalk->hasPendingKeys());
        QVERIFY(f.message->undo());
        QCOMPARE(shown(f), before);
        QVERIFY(!f.message->canUndo());
        QCoreApplication::processEvents();
        QCOMPARE(shown(f), before);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
