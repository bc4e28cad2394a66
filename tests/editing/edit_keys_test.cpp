#include "support/TestWindow.h"
#include <QDialog>
#include <QTimer>

using namespace pelumo;
using pelumo::test::TestWindow;
using pelumo::HoldRepeat;

namespace {
// Puts a message in the box with the highlight on one character.
void setMessage(frmTalk &f, const QString &text, int highlight)
{
    f.txtTalk->setText(text);
    if (highlight >= 0)
        f.txtTalk->select(highlight, highlight + 1);
}

// One press of an editing key, released as soon as the first step is done.
void tapKey(TestWindow &w, int index)
{
    w->edit->cmdRes_MouseDown(index);
    w->edit->cmdRes_MouseUp(index);
    QCoreApplication::processEvents();
}

// The held key's clock moved on by one repeat interval, its keys applied.
void holdOn(TestWindow &w, int steps = 1)
{
    for (int i = 0; i < steps; ++i) {
        w.clock.advance(HoldRepeat::kIntervalMs);
        QCoreApplication::processEvents();
    }
}

struct Highlight {
    QString text;
    int start;
    int length;
};
Highlight highlightOf(frmTalk &f)
{
    return {f.txtTalk->text(), f.txtTalk->selStart(), f.txtTalk->selLength()};
}
}

class EditKeysTest : public QObject {
    Q_OBJECT
private slots:
    void singleSteps_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("highlight");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        enum { Right, BS, Left, Down, Up };
        QTest::newRow("BS on the marker") << int(BS) << "あい_" << 2 << "あ_" << 1 << 1;
        QTest::newRow("BS on い") << int(BS) << "あい_" << 1 << "あ_" << 0 << 1;
        QTest::newRow("BS on あ") << int(BS) << "あい_" << 0 << "い_" << 0 << 1;
        QTest::newRow("BS on only the marker") << int(BS) << "_" << 0 << "_" << 0 << 1;
        QTest::newRow("BS on empty") << int(BS) << "" << -1 << "" << 0 << 0;
        QTest::newRow("BS on a middle marker") << int(BS) << "あ_い_" << 1 << "あい_" << 0 << 1;
        QTest::newRow("→ moves") << int(Right) << "あい_" << 0 << "あい_" << 1 << 1;
        QTest::newRow("→ on the marker") << int(Right) << "あい_" << 2 << "あい_" << 2 << 1;
        QTest::newRow("→ on only the marker") << int(Right) << "_" << 0 << "_" << 0 << 1;
        QTest::newRow("→ restores the marker") << int(Right) << "あい" << 1 << "あい_" << 2 << 1;
        QTest::newRow("→ on empty") << int(Right) << "" << -1 << "" << 0 << 0;
        QTest::newRow("← moves") << int(Left) << "あい_" << 2 << "あい_" << 1 << 1;
        QTest::newRow("← at the start") << int(Left) << "あい_" << 0 << "あい_" << 0 << 1;
        QTest::newRow("← on empty") << int(Left) << "" << -1 << "" << 0 << 0;
        QTest::newRow("↓ on one line") << int(Down) << "あい_" << 1 << "あい_" << 1 << 1;
        // On the first line ↑ keeps the caret, and its "one to the right" step
        // moves the highlight on by one character.
        QTest::newRow("↑ on one line") << int(Up) << "あい_" << 1 << "あい_" << 2 << 1;
        QTest::newRow("↓ on empty") << int(Down) << "" << -1 << "" << 0 << 0;
    }
    void singleSteps()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, highlight);
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, text, highlight);
        tapKey(w, key);
        const Highlight h = highlightOf(f);
        QTEST(h.text, "after");
        QTEST(h.start, "start");
        QTEST(h.length, "length");
    }

    void lineKeysOnAWrappedMessage()
    {
        TestWindow w;
        frmTalk &f = w.start();
        f.txtTalk->setText(QString(100, u'あ'));
        const int perLine = f.txtTalk->moveByLine(0, 1);
        QVERIFY(perLine > 3);
        setMessage(f, QString(2 * perLine + 4, u'あ') + "_", 2);   // three lines
        tapKey(w, 3);   // ↓: the character under the highlight's right edge, one line down
        QCOMPARE(highlightOf(f).start, perLine + 2);
        tapKey(w, 3);
        QCOMPARE(highlightOf(f).start, 2 * perLine + 2);
        tapKey(w, 3);   // last line: stays
        QCOMPARE(highlightOf(f).start, 2 * perLine + 2);
        // ↑ goes up from the active end on the right, then one character
        // right: the highlight lands one to the right of where it was.
        tapKey(w, 4);
        QCOMPARE(highlightOf(f).start, perLine + 3);
        QCOMPARE(f.txtTalk->activeEnd(), perLine + 3);
        QCOMPARE(highlightOf(f).length, 1);
    }

    void holdingRepeatsAboutFourTimesASecond()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, QString(20, u'あ') + "_", 0);
        f.edit->cmdRes_MouseDown(0);   // one step at once, then one every 0.23 s
        QCoreApplication::processEvents();
        QCOMPARE(highlightOf(f).start, 1);
        holdOn(w, 4);
        QCOMPARE(highlightOf(f).start, 5);
        w.clock.advance(HoldRepeat::kIntervalMs - 1);
        QCoreApplication::processEvents();
        QCOMPARE(highlightOf(f).start, 5);
        f.edit->cmdRes_MouseUp(0);
        QCOMPARE(f.cmdRes[0]->backColor(), colors::White);
        holdOn(w, 3);
        QCOMPARE(highlightOf(f).start, 5);
        QCOMPARE(w.clock.running(), 0);
    }

    void aTapNeverWaits()
    {
        // Press and release come back at once, the release colour with them:
        // nothing in the press waits for the repeat interval.
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, QString(10, u'あ') + "_", 0);
        const double t0 = w.clock.now;
        TestWindow::tap(f.cmdRes[2]);
        TestWindow::tap(f.cmdRes[0]);
        QCOMPARE(w.clock.now, t0);
        QCOMPARE(f.cmdRes[0]->backColor(), colors::White);
        QCOMPARE(w.clock.running(), 0);
        QCOMPARE(highlightOf(f).start, 1);
    }

    void holdingStopsByItselfAtTheEnd()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, "あい_", 0);
        f.edit->cmdRes_MouseDown(0);   // never released: ends on the marker by itself
        QCoreApplication::processEvents();
        holdOn(w, 3);
        QCOMPARE(highlightOf(f).start, 2);
        QCOMPARE(w.clock.running(), 0);
        QCOMPARE(f.cmdRes[0]->backColor(), colors::Grey);
        f.edit->cmdRes_MouseUp(0);
        setMessage(f, "あい", 0);
        f.edit->cmdRes_MouseDown(0);   // moves to い, then appends the marker and stops
        QCoreApplication::processEvents();
        holdOn(w, 2);
        QCOMPARE(highlightOf(f).text, QString("あい_"));
        QCOMPARE(highlightOf(f).start, 2);
        QCOMPARE(w.clock.running(), 0);
    }

    void holdingBackspaceDeletesOnce()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, "あいう_", 3);
        f.edit->cmdRes_MouseDown(1);
        QCoreApplication::processEvents();
        QCOMPARE(highlightOf(f).text, QString("あい_"));
        QCOMPARE(w.clock.running(), 0);
    }

    void closingOrADialogEndsAHold()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, QString(20, u'あ') + "_", 0);
        f.edit->cmdRes_MouseDown(0);
        QCOMPARE(w.clock.running(), 1);
        {
            QDialog dialog(&f);   // the held button's release goes to the dialog
            QTimer::singleShot(50, &dialog, &QDialog::accept);
            dialog.exec();
        }
        QCOMPARE(w.clock.running(), 0);
        f.edit->cmdRes_MouseDown(0);
        f.cmdEnd_Click();
        QCOMPARE(w.clock.running(), 0);
        QVERIFY(highlightOf(f).start <= 2);
    }

    void wideAndNarrowLayouts()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QCOMPARE(f.layout.geometry(f.fraText).height(), 2355);
        TestWindow::tap(f.cmdWide);
        QCOMPARE(f.cmdWide->caption(), QString("狭める"));
        QCOMPARE(f.layout.geometry(f.fraText).height(), 11520 - 3480);
        QCOMPARE(f.layout.geometry(f.txtTalk).height(), 11520 - 3630);
        QVERIFY(f.cmdCopy->isVisible());
        QVERIFY(f.fraText->geometry().contains(f.cmdPaste->geometry().translated(f.fraText->pos())));
        TestWindow::tap(f.cmdWide);
        QCOMPARE(f.cmdWide->caption(), QString("広げる"));
        QCOMPARE(f.layout.geometry(f.fraText).height(), 2445);
        QCOMPARE(f.layout.geometry(f.txtTalk).height(), 2295);
        // A taller window gives a taller wide area; narrow is always the same.
        f.resize(1018, 900);
        TestWindow::tap(f.cmdWide);
        QCOMPARE(f.layout.geometry(f.txtTalk).height(), f.formHeight() - 3630);
        QVERIFY(f.formHeight() > 11520);
        TestWindow::tap(f.cmdWide);
        QCOMPARE(f.layout.geometry(f.fraText).height(), 2445);
    }

    void copyStartOverPasteRestoresTheMessage()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, "こんにちは_", 5);
        TestWindow::tap(f.cmdCopy);
        QCOMPARE(w.clipboard.content, QString("こんにちは_"));
        QCOMPARE(f.cmdCopy->backColor(), colors::White);
        f.txtTalk->setText(QString());
        TestWindow::tap(f.cmdPaste);
        QCOMPARE(f.txtTalk->text(), QString("こんにちは_"));
        QCOMPARE(w.clipboard.content, QString());
        TestWindow::tap(f.cmdPaste);
        QCOMPARE(f.txtTalk->text(), QString("こんにちは_"));
    }

    void pasteGoesAfterTheMarker()
    {
        TestWindow w;
        frmTalk &f = w.start();
        setMessage(f, "あ_", 1);
        w.clipboard.content = "いう";
        TestWindow::tap(f.cmdPaste);
        QCOMPARE(f.txtTalk->text(), QString("あ_いう"));
        QCOMPARE(highlightOf(f).start, 1);   // the highlight stays where it was
    }

    void pasteThatDoesNotFitIsRefusedWhole()
    {
        TestWindow w;
        frmTalk &f = w.start();
        const QString message = QString(490, u'あ') + "_";
        setMessage(f, message, 490);
        w.clipboard.content = QString(10, u'い');
        TestWindow::tap(f.cmdPaste);
        QCOMPARE(f.txtTalk->text(), message);
        QCOMPARE(w.clipboard.content, QString(10, u'い'));
        w.clipboard.content = QString(9, u'い');
        TestWindow::tap(f.cmdPaste);
        QCOMPARE(f.txtTalk->text().size(), 500);
    }
};

QTEST_MAIN(EditKeysTest)
#include "edit_keys_test.moc"
