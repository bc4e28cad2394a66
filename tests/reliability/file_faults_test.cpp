// Every way a save can fail, against the promise made to the user: the old
// file stays whole on disk, what the user did is still in the program, the
// user is told once in the program's own notice, and the program goes on.
#include "app/OptionsDialog.h"
#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QLabel>

using namespace pelumo;
using namespace pelumo::test;

Q_DECLARE_METATYPE(FileFault)

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

// Answers every dialog that opens: questions with their first button, the
// options dialog with 確定 after ticking キー確認音, and keeps the notices.
class Answerer : public QObject {
public:
    Answerer() { startTimer(2); }
    QStringList prompts;
    int notices() const
    {
        return int(std::count_if(prompts.begin(), prompts.end(),
                                 [](const QString &p) { return p.contains("できません"); }));
    }

private:
    QPointer<QWidget> m_answering;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == m_answering)
            return;
        m_answering = dialog;
        // Answered from a queued call, so that this timer is free to answer a
        // notice that the answer itself opens.
        QMetaObject::invokeMethod(this, [this, dialog = QPointer<QWidget>(dialog)] {
            if (auto *options = qobject_cast<frmOPT *>(dialog.data())) {
                options->chkBeep->click();
                options->cmdOK_Click(1);
            } else if (dialog) {
                prompts << dialog->findChild<QLabel *>()->text();
                QTest::mouseClick(dialog->findChild<QAbstractButton *>("cmdOK0"), Qt::LeftButton);
            }
        }, Qt::QueuedConnection);
    }
};

struct FaultOnWrites {
    explicit FaultOnWrites(FileFault fault)
    {
        setFileFaultHook([fault](FileOperation op, const QString &) {
            return op == FileOperation::Write ? fault : FileFault::None;
        });
    }
    ~FaultOnWrites() { setFileFaultHook({}); }
};

void typeMessage(frmTalk &f, const QString &text)
{
    f.txtTalk->setText(text);
    f.txtTalk->setSelStart(int(text.size()) - 1);
}

} // namespace

class FileFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void faults_data()
    {
        QTest::addColumn<FileFault>("fault");
        QTest::newRow("cannot open") << FileFault::CannotOpen;
        QTest::newRow("short write") << FileFault::ShortWrite;
        QTest::newRow("failed rename") << FileFault::FailedRename;
        QTest::newRow("no space") << FileFault::NoSpace;
    }

    void addingAPhrase_data() { faults_data(); }
    void addingAPhrase()
    {
        QFETCH(FileFault, fault);
        TestWindow w;
        frmTalk &f = w.start();
        const QString path = QDir(f.state.AppDir).filePath("Talk.txt");
        const QByteArray before = readAll(path);
        Answerer answers;
        typeMessage(f, "おはよう_");
        {
            FaultOnWrites faults(fault);
            TestWindow::tap(f.cmdSampADD);
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(answers.notices(), 1);
        QCOMPARE(f.txtTalk->text(), QString("おはよう_"));
        QVERIFY(f.isEnabled());
        TestWindow::tap(f.cmdSampADD);   // the disk is back: the same touch now works
        QVERIFY(readAll(path).contains("おはよう"));
        QCOMPARE(answers.notices(), 1);
    }

    void registeringTheDiary_data() { faults_data(); }
    void registeringTheDiary()
    {
        QFETCH(FileFault, fault);
        TestWindow w;
        frmTalk &f = w.start();
        const QString path = QDir(f.state.AppDir).filePath("day.txt");
        QFile(path).open(QIODevice::WriteOnly);   // an empty diary
        const QByteArray before = readAll(path);
        Answerer answers;
        TestWindow::tap(f.cmdSamp);          // the phrase list, 日記 in row 0
        f.state.ListCursorRow = 0;
        TestWindow::tap(f.cmdDec);           // the diary list, today in row 0
        TestWindow::tap(f.cmdDec);           // today's entry opened
        TestWindow::tap(f.cmdRevise);
        typeMessage(f, "さんぽした_");
        {
            FaultOnWrites faults(fault);
            TestWindow::tap(f.cmdSamp);      // 日記終了 → ＹＥＳ
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(answers.notices(), 1);
        QCOMPARE(f.txtTalk->text(), QString("さんぽした_"));
        QVERIFY(f.isEnabled());
        TestWindow::tap(f.cmdSamp);          // again, with the disk back
        QVERIFY(readAll(path).contains("さんぽした"));
    }

    void confirmingTheOptions_data() { faults_data(); }
    void confirmingTheOptions()
    {
        QFETCH(FileFault, fault);
        TestWindow w;
        frmTalk &f = w.start();
        const QByteArray before = readAll(w.settings->path());
        Answerer answers;
        {
            FaultOnWrites faults(fault);
            TestWindow::tap(f.cmdOpt);
        }
        QCOMPARE(readAll(w.settings->path()), before);
        QCOMPARE(answers.notices(), 1);
        QCOMPARE(f.state.KeyBeep, true);   // the choice holds for this run
        QVERIFY(f.isEnabled());
    }
};

QTEST_MAIN(FileFaultsTest)
#include "file_faults_test.moc"
