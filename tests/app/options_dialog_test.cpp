#include "app/OptionsDialog.h"
#include "support/TestWindow.h"
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QTimer>

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {

// The window's settings file, with every write the program makes recorded.
class RecordingStore : public SettingsStore {
public:
    explicit RecordingStore(SettingsStore &inner) : m_inner(inner) {}
    QStringList writes;   // "key=value", in the order written
    QString read(const QString &key, const QString &fallback) const override
    {
        return m_inner.read(key, fallback);
    }
    bool write(const QString &key, const QString &value) override
    {
        writes << key + "=" + value;
        return m_inner.write(key, value);
    }

private:
    SettingsStore &m_inner;
};

// A started main window whose store records the writes.
struct Fixture {
    explicit Fixture(std::initializer_list<std::pair<QString, QString>> options = {})
        : w(options), store(*w.settings)
    {
        w.window = std::make_unique<frmTalk>(
            Services{store, w.clock, w.beeper, w.clipboard, w.agent, w.dir.filePath("program")});
        w.start();
    }
    frmTalk &f() { return *w; }
    QByteArray iniBytes() const
    {
        QFile file(w.settings->path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString stored(const QString &key) { return w.settings->read(key, "(absent)"); }

    TestWindow w;
    RecordingStore store;
};

// Taps "設定" and runs act on the modal dialog once it is up. act is expected
// to close the dialog; if it does not, the dialog is cancelled so the test
// cannot hang, and the test fails.
void withDialog(frmTalk &f, const std::function<void(frmOPT &)> &act, bool expectClosed = true)
{
    bool found = false, leftOpen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<frmOPT *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        found = true;
        act(*dialog);
        if (dialog->isVisible()) {
            leftOpen = true;
            dialog->reject();
        }
    });
    poll.start();
    TestWindow::tap(f.cmdOpt);
    QVERIFY2(found, "the options dialog did not open modally");
    QCOMPARE(leftOpen, !expectClosed);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(f.findChildren<frmOPT *>().size(), 0);   // discarded on closing
}

void touchFarRight(QAbstractButton *row)
{
    QTest::mouseClick(row, Qt::LeftButton, {}, QPoint(row->width() - 2, row->height() / 2));
}

const QStringList kDefaultWrites = {"OPT1=0", "OPT2=0", "OPT3=0", "Samp=1", "Sample=2",
                                    "Beep=0", "Moji=0", "gMaxC=9", "FullScreen=0", "HidePointer=0"};

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreOpensWithTheFirstOfEachGroup()
    {
        Fixture fx;
        withDialog(fx.f(), [](frmOPT &d) {
            QCOMPARE(d.windowTitle(), QString("オプション"));
            QVERIFY(d.Option1[0]->isChecked());
            QVERIFY(d.Option2[0]->isChecked());
            QVERIFY(d.Option3[0]->isChecked());
            QVERIFY(d.chkSamp->isChecked());
            for (CheckBox *clear : {d.chkMaxC, d.chkBeep, d.chkMoji, d.chkFullScreen, d.chkHidePointer})
                QVERIFY(!clear->isChecked());
            QCOMPARE(d.cmbSample->currentText(), QString("２"));
            QCOMPARE(d.cmbSample->count(), 5);
            QVERIFY(!d.cmbSample->isEditable());
            d.close();
        });
    }

    void storedOptionsAreShown()
    {
        Fixture fx({{"OPT1", "3"}, {"OPT2", "1"}, {"OPT3", "2"}, {"Beep", "1"}, {"Moji", "1"},
                    {"Samp", "0"}, {"gMaxC", "14"}, {"Sample", "5"}, {"FullScreen", "1"},
                    {"HidePointer", "1"}});
        withDialog(fx.f(), [](frmOPT &d) {
            QVERIFY(d.Option1[3]->isChecked());
            QVERIFY(d.Option2[1]->isChecked());
            QVERIFY(d.Option3[2]->isChecked());
            QVERIFY(!d.Option1[0]->isChecked() && !d.Option2[0]->isChecked());
            for (CheckBox *ticked : {d.chkMaxC, d.chkBeep, d.chkMoji, d.chkFullScreen, d.chkHidePointer})
                QVERIFY(ticked->isChecked());
            QVERIFY(!d.chkSamp->isChecked());
            QCOMPARE(d.cmbSample->currentText(), QString("５"));
            d.close();
        });
    }

    void layoutFollowsTheTableWithTwoRowsAdded()
    {
        Fixture fx;
        withDialog(fx.f(), [](frmOPT &d) {
            const ScaledLayout &l = d.layout;
            QCOMPARE(l.geometry(d.frmOPT1), QRect(480, 120, 6135, 2055));
            QCOMPARE(l.geometry(d.Option1[2]), QRect(360, 315, 5655, 315));
            QCOMPARE(l.geometry(d.Option1[1]), QRect(360, 1605, 5655, 315));
            QCOMPARE(l.geometry(d.Option3[3]), QRect(360, 1800, 5535, 360));
            QCOMPARE(l.geometry(d.cmbSample), QRect(360, 900, 615, 435));
            QCOMPARE(l.geometry(d.chkMoji), QRect(780, 8655, 5505, 315));
            QCOMPARE(l.geometry(d.chkFullScreen), QRect(780, 9105, 5505, 315));
            QCOMPARE(l.geometry(d.chkHidePointer), QRect(780, 9555, 5505, 315));
            QCOMPARE(l.geometry(d.cmdOK[1]), QRect(3660, 10140, 2475, 615));
            QCOMPARE(l.fontPoints(d.Option3[0]), 15.75);
            QCOMPARE(l.fontPoints(d.cmdOK[0]), 18.0);
            QVERIFY(d.Option3[0]->font().bold() && !d.cmdOK[0]->font().bold());
            QCOMPARE(d.Option1[0]->parentWidget(), d.frmOPT1);
            QCOMPARE(d.palette().color(QPalette::Window), QColor(192, 192, 255));
            QCOMPARE(d.size(), l.scale().toPixels(QRect(QPoint(), frmOPT::clientTwips())).size());
            // Drawn at the window's scale unless the screen is too small for it.
            const QRect room = d.screen()->availableGeometry();
            QVERIFY(l.scale().factor() <= 1.0);
            QVERIFY(d.height() <= room.height() && d.width() <= room.width());
            d.close();
        });
    }

    void cancelAndFrameCloseWriteNothing_data()
    {
        QTest::addColumn<bool>("byFrame");
        QTest::newRow("キャンセル") << false;
        QTest::newRow("closed by the frame") << true;
    }
    void cancelAndFrameCloseWriteNothing()
    {
        QFETCH(bool, byFrame);
        Fixture fx({{"gMaxC", "10"}});
        frmTalk &f = fx.f();
        TestWindow::tap(f.cmdKey);   // カタカナ board
        const QByteArray before = fx.iniBytes();
        const ProgramState state = f.state;
        withDialog(f, [byFrame](frmOPT &d) {
            d.Option1[3]->setChecked(true);
            d.chkMaxC->setChecked(true);
            d.chkMoji->setChecked(true);
            d.chkFullScreen->setChecked(true);
            d.cmbSample->setCurrentIndex(4);
            if (byFrame)
                d.close();
            else
                TestWindow::tap(d.cmdOK[0]);
        });
        QVERIFY(fx.store.writes.isEmpty());
        QCOMPARE(fx.iniBytes(), before);
        QCOMPARE(f.state.FirstScreenMode, state.FirstScreenMode);
        QCOMPARE(f.state.BoardLastColumn, 9);
        QCOMPARE(f.state.PhraseMatchLength, state.PhraseMatchLength);
        QCOMPARE(f.cmdKey->caption(), QString("カタ"));
        QCOMPARE(f.grdBoard->cols(), 10);
        QCOMPARE(f.layout.fontPoints(f.txtTalk), 55.0);
        QVERIFY(!f.isFullScreen());
        QCOMPARE(f.focusWidget(), f.txtTalk);
    }

    void confirmWritesTheEightKeysThenTheTwoNew()
    {
        Fixture fx;
        withDialog(fx.f(), [](frmOPT &d) { TestWindow::tap(d.cmdOK[1]); });
        QCOMPARE(fx.store.writes, kDefaultWrites);
    }

    void confirmWritesWhatWasChosen()
    {
        Fixture fx({{"gMaxC", "10"}});
        frmTalk &f = fx.f();
        withDialog(f, [](frmOPT &d) {
            QVERIFY(!d.chkMaxC->isChecked());   // a stored 10 is the standard board
            TestWindow::tap(d.Option1[1]);
            TestWindow::tap(d.Option2[1]);
            TestWindow::tap(d.Option3[3]);
            TestWindow::tap(d.chkSamp);
            TestWindow::tap(d.chkBeep);
            d.cmbSample->setCurrentIndex(d.cmbSample->findText("３"));
            TestWindow::tap(d.cmdOK[1]);
        });
        QCOMPARE(fx.store.writes, QStringList({"OPT1=1", "OPT2=1", "OPT3=3", "Samp=0", "Sample=3",
                                               "Beep=1", "Moji=0", "gMaxC=9", "FullScreen=0",
                                               "HidePointer=0"}));
        QCOMPARE(fx.stored("gMaxC"), QString("9"));
        QCOMPARE(fx.stored("Sample"), QString("3"));
        // The program state holds what was written, at once.
        QCOMPARE(f.state.FirstScreenMode, QString("1"));
        QCOMPARE(f.state.VoiceMode, QString("3"));
        QCOMPARE(f.state.AutoPhrases, QString("0"));
        QCOMPARE(f.state.KeyBeep, QString("1"));
        QCOMPARE(f.state.PhraseMatchLength, qint16(3));
        QCOMPARE(f.focusWidget(), f.txtTalk);
    }

    void confirmRebuildsTheBoardAsHiragana_data()
    {
        QTest::addColumn<bool>("voicedColumns");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QString>("gMaxC");
        QTest::newRow("ticked: 15 columns") << true << 15 << "14";
        QTest::newRow("clear: 10 columns") << false << 10 << "9";
    }
    void confirmRebuildsTheBoardAsHiragana()
    {
        QFETCH(bool, voicedColumns);
        Fixture fx({{"gMaxC", voicedColumns ? "9" : "14"}});
        frmTalk &f = fx.f();
        TestWindow::tap(f.cmdKey);   // カタカナ
        TestWindow::tap(f.cmdKey);   // 英数
        QCOMPARE(f.cmdKey->caption(), QString("英数"));
        withDialog(f, [](frmOPT &d) {
            TestWindow::tap(d.chkMaxC);
            TestWindow::tap(d.cmdOK[1]);
        });
        QTEST(fx.stored("gMaxC"), "gMaxC");
        QTEST(f.grdBoard->cols(), "cols");
        QCOMPARE(f.cmdKey->caption(), QString("ひら"));
        QCOMPARE(f.grdBoard->textMatrix(0, f.grdBoard->cols() - 1), QString("あ"));
    }

    void largeLettersApplyAtOnce_data()
    {
        QTest::addColumn<QString>("storedMoji");
        QTest::addColumn<double>("points");
        QTest::newRow("ticked: 100 pt") << "0" << 100.0;
        QTest::newRow("cleared: 55 pt") << "1" << 55.0;
    }
    void largeLettersApplyAtOnce()
    {
        QFETCH(QString, storedMoji);
        Fixture fx({{"Moji", storedMoji}});
        frmTalk &f = fx.f();
        withDialog(f, [](frmOPT &d) {
            TestWindow::tap(d.chkMoji);
            TestWindow::tap(d.cmdOK[1]);
        });
        QTEST(f.layout.fontPoints(f.txtTalk), "points");
        // And at the next start.
        TestWindow again;
        again.settings = std::make_unique<IniSettingsStore>(fx.w.settings->path());
        frmTalk next(Services{*again.settings, again.clock, again.beeper, again.clipboard,
                              again.agent, again.dir.filePath("program")});
        next.Form_Load();
        QTEST(next.layout.fontPoints(next.txtTalk), "points");
    }

    void aTouchAnywhereOnARowSelectsIt()
    {
        Fixture fx;
        withDialog(fx.f(), [](frmOPT &d) {
            touchFarRight(d.Option1[3]);
            touchFarRight(d.Option2[1]);
            touchFarRight(d.Option3[3]);
            touchFarRight(d.chkBeep);
            touchFarRight(d.chkHidePointer);
            QVERIFY(d.Option1[3]->isChecked() && !d.Option1[0]->isChecked());
            QVERIFY(d.Option2[1]->isChecked());
            QVERIFY(d.Option3[3]->isChecked());
            QVERIFY(d.chkBeep->isChecked());
            QVERIFY(d.chkHidePointer->isChecked());
            // The groups stay independent: one button of each is selected.
            QVERIFY(!d.Option2[0]->isChecked() && !d.Option3[0]->isChecked());
            touchFarRight(d.chkBeep);   // a second touch clears a check box
            QVERIFY(!d.chkBeep->isChecked());
            d.close();
        });
    }

    void fullScreenAndHiddenPointer()
    {
        Fixture fx({{"FullScreen", "1"}, {"HidePointer", "1"}});
        frmTalk &f = fx.f();
        const Qt::CursorShape textCursor = Qt::IBeamCursor;
        f.showAsConfigured();
        QCoreApplication::processEvents();
        QVERIFY(f.isFullScreen());
        QCOMPARE(f.geometry(), f.screen()->geometry());
        QCOMPARE(f.layout.scale().factor(), Scale::forClientSize(f.size()).factor());
        QCOMPARE(f.cursor().shape(), Qt::BlankCursor);
        QCOMPARE(f.txtTalk->viewport()->cursor().shape(), Qt::BlankCursor);

        withDialog(f, [](frmOPT &d) {
            TestWindow::tap(d.chkFullScreen);
            TestWindow::tap(d.chkHidePointer);
            TestWindow::tap(d.cmdOK[1]);
        });
        QCoreApplication::processEvents();
        QCOMPARE(fx.stored("FullScreen"), QString("0"));
        QCOMPARE(fx.stored("HidePointer"), QString("0"));
        QVERIFY(!f.isFullScreen());
        QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.txtTalk->viewport()->cursor().shape(), textCursor);
    }

    void bothSettingsAreOffByDefault()
    {
        Fixture fx;
        frmTalk &f = fx.f();
        f.showAsConfigured();
        QVERIFY(!f.isFullScreen());
        QVERIFY(f.isVisible());
        QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.txtTalk->viewport()->cursor().shape(), Qt::IBeamCursor);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
