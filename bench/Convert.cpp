// 変換 with the real engine (Anthy) and the full phrase book: from the touch
// on 変換 until the segment's list is painted where the board stands, for a
// 20-kana run; the floor is Anthy's own conversion of the same run.
#include "BenchData.h"
#include "Stats.h"
#include "support/TestWindow.h"
#include <QElapsedTimer>

namespace bench {
namespace {
using pelumo::frmTalk;
using pelumo::Screen;
using pelumo::test::TestWindow;

constexpr int kConversions = 100;
// Twenty kana, as a sentence of everyday talk is typed.
const QString kRun = QStringLiteral("きょうはいいてんきですからさんぽにいきたい").left(20);

} // namespace

std::vector<Row> measureConversion(const QStringList &phrases)
{
    TestWindow w({{"KanjiConvert", "1"}});
    w->services.converter = {};   // Anthy itself
    writePhraseBook(w.dir.filePath("data/Talk"), phrases);
    frmTalk &f = w.start();
    bool answered = QTest::qWaitFor([&f] { return f.cmdConvert->isVisible(); }, 2000);
    Samples value, floor;
    for (int i = 0; i < kConversions; ++i) {
        f.message->setText(kRun + u'_', int(kRun.size()));
        f.message->selectNextIfCaret();
        QElapsedTimer t;
        t.start();
        TestWindow::tap(f.cmdConvert);
        answered &= QTest::qWaitFor([&f] { return f.state.screen.shown == Screen::Conversion; }, 1000);
        f.grdSp->repaint();
        value.add(t.nsecsElapsed() / 1e6);
        f.showScreen(Screen::Board);
    }
    // Anthy is one per process: the window's goes first.
    w.window.reset();
    auto anthy = pelumo::makeAnthyConverter();
    if (anthy && anthy->open(w.dir.filePath("floor"))) {
        for (int i = 0; i < kConversions; ++i) {
            QElapsedTimer t;
            t.start();
            (void)anthy->convert(kRun);
            floor.add(t.nsecsElapsed() / 1e6);
        }
    }
    Row r{"変換 → list painted, 20 kana, 32,767 phrases", value, floor};
    r.goal = "p99 <= 50, every list shown";
    r.met = answered && value.p99() <= 50;
    return {r};
}

} // namespace bench
