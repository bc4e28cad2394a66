// The phrase-book and diary commands with the largest files, each beside the
// plain file or string work it cannot do without.
#include "BenchData.h"
#include "Stats.h"
#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QElapsedTimer>
#include <QApplication>
#include <QLabel>
#include <QSaveFile>
#include <QTimer>
#include <cstdio>

namespace bench {
namespace {
using pelumo::frmTalk;
using pelumo::test::TestWindow;

constexpr int kLookups = 2000;
constexpr int kCommands = 30;

template <typename F>
double timed(F &&f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

// The editing mode with the board shown, as after composing a word.
void backToBoard(frmTalk &f)
{
    f.state.screen.diaryOpen = false;
    f.showScreen(pelumo::Screen::Board);
    QCoreApplication::processEvents();
}

Row lookups(frmTalk &f, const QStringList &phrases)
{
    Samples value, floor;
    for (int i = 0; i < kLookups; ++i) {
        const QString key = phrases[(i * 7919) % phrases.size()].left(2);
        // As after an entry: the key typed, the caret before the end marker.
        f.txtTalk->setText(key + u'_');
        f.txtTalk->setSelStart(2);
        value.add(timed([&] { f.phrases->CheckAutoPhrases(key + u'_', 2); }));
        backToBoard(f);
        int hits = 0;
        floor.add(timed([&] {
            for (const QString &p : phrases)
                hits += p.startsWith(key);
        }));
    }
    Row r{"candidate lookup and list, 32,767 phrases", value, floor};
    r.goal = "p99 < 16.7";
    r.met = value.p99() < 16.7;
    return r;
}

Row phraseList(frmTalk &f, const QString &talkTxt)
{
    Samples value, floor;
    for (int i = 0; i < kCommands; ++i) {
        value.add(timed([&] {
            TestWindow::tap(f.cmdSamp);
            f.grdEx->repaint();
        }));
        backToBoard(f);
        floor.add(timed([&] { (void)pelumo::readTextLines(talkTxt); }));
    }
    Row r{"show the phrase list (例文表示)", value, floor};
    r.goal = "median < 100";
    r.met = value.median() < 100;
    return r;
}

// The same after the file was changed behind the program's back (a carer's
// edit): the book reads it whole again.
Row phraseListAfterAChange(frmTalk &f, const QString &talkTxt)
{
    const pelumo::TextFileContent original = pelumo::readTextLines(talkTxt);
    Samples value, floor;
    for (int i = 0; i < kCommands; ++i) {
        pelumo::writeTextLines(talkTxt, original.lines, original.encoding);
        value.add(timed([&] {
            TestWindow::tap(f.cmdSamp);
            f.grdEx->repaint();
        }));
        backToBoard(f);
        floor.add(timed([&] { (void)pelumo::readTextLines(talkTxt); }));
    }
    Row r{"show the phrase list, file changed", value, floor};
    r.goal = "median < 100";
    r.met = value.median() < 100;
    return r;
}

Row addPhrase(frmTalk &f, const QString &talkTxt)
{
    const pelumo::TextFileContent original = pelumo::readTextLines(talkTxt);
    // One phrase short of the limit, so that the added one fits.
    const QStringList roomForOne = original.lines.mid(0, original.lines.size() - 1);
    Samples value, floor;
    for (int i = 0; i < kCommands; ++i) {
        pelumo::writeTextLines(talkTxt, roomForOne, original.encoding);
        f.phrases->book().load();
        f.txtTalk->setText(QStringLiteral("べんちまーく%1_").arg(i));
        value.add(timed([&] {
            TestWindow::tap(f.cmdSampADD);
            f.grdEx->repaint();
        }));
        backToBoard(f);
        floor.add(timed([&] {
            QSaveFile file(talkTxt + ".floor");
            QByteArray bytes;
            for (const QString &line : original.lines)
                bytes += line.toUtf8() + "\r\n";
            if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                file.commit();
        }));
    }
    pelumo::writeTextLines(talkTxt, original.lines, original.encoding);
    Row r{"add a phrase (例文追加)", value, floor};
    r.goal = "median < 150";
    r.met = value.median() < 150;
    return r;
}

Row openDiary(frmTalk &f, const QString &dayTxt)
{
    Samples value, floor;
    for (int i = 0; i < kCommands; ++i) {
        TestWindow::tap(f.cmdSamp);
        f.state.ListCursorRow = 0;
        value.add(timed([&] {
            TestWindow::tap(f.cmdDec);   // row 0 of the phrase list: 日記
            f.grdDay->repaint();
        }));
        backToBoard(f);
        floor.add(timed([&] { (void)pelumo::readTextLines(dayTxt); }));
    }
    Row r{"open the diary of 36,500 days (日記)", value, floor};
    r.goal = "median < 100";
    r.met = value.median() < 100;
    return r;
}

} // namespace

// A question or notice nobody answers would stop the run: each is reported
// and closed.
void closeEveryDialog(QObject *owner)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            const QLabel *label = dialog->findChild<QLabel *>();
            std::fprintf(stderr, "bench: closed a dialog: %s\n",
                         label ? qPrintable(label->text()) : "");
            dialog->close();
        }
    });
    timer->start(50);
}

std::vector<Row> measureCommands(const QStringList &phrases)
{
    TestWindow w({{"OPT1", "2"}, {"Sample", "2"}});
    const QString folder = w.dir.filePath("data/Talk");
    writePhraseBook(folder, phrases);
    writeDiary(folder, kFullDiary);
    frmTalk &f = w.start();
    closeEveryDialog(&f);
    return {lookups(f, phrases), phraseList(f, folder + "/Talk.txt"),
            phraseListAfterAChange(f, folder + "/Talk.txt"),
            addPhrase(f, folder + "/Talk.txt"), openDiary(f, folder + "/day.txt")};
}

} // namespace bench
