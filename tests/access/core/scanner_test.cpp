#include "access/core/Scanner.h"
#include <QTest>

using namespace pelumo;

namespace {

ScanItem target(const char *name)
{
    return ScanItem::of(name, ScanTarget::control(name));
}

// Groups A (a1 a2 a3) and B (b1 b2), then the lone target C.
ScanTable smallTable()
{
    return {ScanItem::group("A", {target("a1"), target("a2"), target("a3")}),
            ScanItem::group("B", {target("b1"), target("b2")}), target("C")};
}

QString highlightPath(const Scanner &s)
{
    QStringList names;
    const std::vector<ScanItem> *items = &s.table();
    for (int index : s.path()) {
        names << (*items)[index].name;
        items = &(*items)[index].items;
    }
    return names.join('/');
}

// Plays a script of inputs, each a letter and a time in ms: "." advances the
// clock, "p"/"r" press and release the select switch, "P"/"R" the step
// switch, "x"/"X" press and release at once. Returns what was selected, with
// "held" for each long hold told.
QString play(Scanner &s, const QString &script)
{
    QStringList selected;
    for (const QString &token : script.split(' ', Qt::SkipEmptyParts)) {
        const QChar action = token.at(0);
        const qint64 t = token.mid(1).toLongLong();
        const SwitchId id = action.isUpper() ? SwitchId::Step : SwitchId::Select;
        std::vector<ScanResult> results;
        if (action == '.')
            results.push_back(s.advanceTo(t));
        if (action.toLower() == 'p' || action.toLower() == 'x')
            results.push_back(s.press(id, t));
        if (action.toLower() == 'r' || action.toLower() == 'x')
            results.push_back(s.release(id, t));
        for (const ScanResult &r : results)
            if (r.event == ScanEvent::Selected)
                selected << r.target.id;
            else if (r.event == ScanEvent::Held)
                selected << "held";
    }
    return selected.join(',');
}

// Plays the row's script on the small table; what was selected and where
// the highlight ends against the row's columns.
void checkScript(const ScanSettings &settings, const QString &script)
{
    Scanner s(settings);
    s.setTable(smallTable(), 0);
    QTEST(play(s, script), "selected");
    QTEST(highlightPath(s), "highlight");
}

} // namespace

class ScannerTest : public QObject {
    Q_OBJECT
private slots:
    void scripts_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("firstItemDelay");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("acceptTime");
        QTest::addColumn<int>("repeatBlock");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("selected");
        // One switch, ScanTime 1000.
        QTest::newRow("starts on the first group") << 1 << 0 << 2 << 0 << 0 << "" << "A" << "";
        QTest::newRow("stays its time") << 1 << 0 << 2 << 0 << 0 << ".999" << "A" << "";
        QTest::newRow("steps at the time") << 1 << 0 << 2 << 0 << 0 << ".1000" << "B" << "";
        QTest::newRow("top level goes round") << 1 << 0 << 2 << 0 << 0 << ".3000" << "A" << "";
        QTest::newRow("never stops at the top") << 1 << 0 << 2 << 0 << 0 << ".31000" << "B" << "";
        QTest::newRow("a press enters a group") << 1 << 0 << 2 << 0 << 0 << "x500" << "A/a1" << "";
        QTest::newRow("the first item gets a full step") << 1 << 0 << 2 << 0 << 0 << "x500 .1499" << "A/a1" << "";
        QTest::newRow("then steps") << 1 << 0 << 2 << 0 << 0 << "x500 .1500" << "A/a2" << "";
        QTest::newRow("select restarts at the top")
            << 1 << 0 << 2 << 0 << 0 << "x500 .1500 x1600" << "A" << "a2";
        QTest::newRow("restart has a full step") << 1 << 0 << 2 << 0 << 0 << "x500 x600 .1599" << "A" << "a1";
        QTest::newRow("a lone target is selected at once") << 1 << 0 << 2 << 0 << 0 << ".2000 x2100" << "A" << "C";
        QTest::newRow("any switch selects") << 1 << 0 << 2 << 0 << 0 << "X0" << "A/a1" << "";
        QTest::newRow("two rounds, still in") << 1 << 0 << 2 << 0 << 0 << "x0 .5999" << "A/a3" << "";
        QTest::newRow("two rounds, back up") << 1 << 0 << 2 << 0 << 0 << "x0 .6000" << "A" << "";
        QTest::newRow("up, then on") << 1 << 0 << 2 << 0 << 0 << "x0 .7000" << "B" << "";
        QTest::newRow("one round") << 1 << 0 << 1 << 0 << 0 << "x500 .4500" << "B" << "";
        QTest::newRow("first item delay") << 1 << 500 << 2 << 0 << 0 << ".1499" << "A" << "";
        QTest::newRow("first item delay over") << 1 << 500 << 2 << 0 << 0 << ".1500" << "B" << "";
        QTest::newRow("only on the first") << 1 << 500 << 2 << 0 << 0 << ".2500" << "C" << "";
        QTest::newRow("again after a round") << 1 << 500 << 2 << 0 << 0 << ".4999" << "A" << "";
        QTest::newRow("first of a group too") << 1 << 500 << 2 << 0 << 0 << "x0 .1499" << "A/a1" << "";
        // Acceptance: a press counts only once held 300 ms; the highlight waits meanwhile.
        QTest::newRow("short press ignored") << 1 << 0 << 2 << 300 << 0 << "p500 r700" << "A" << "";
        QTest::newRow("short press holds the step") << 1 << 0 << 2 << 300 << 0 << "p500 r700 .1199" << "A" << "";
        QTest::newRow("then steps on") << 1 << 0 << 2 << 300 << 0 << "p500 r700 .1200" << "B" << "";
        QTest::newRow("held long enough") << 1 << 0 << 2 << 300 << 0 << "p500 .800" << "A/a1" << "";
        QTest::newRow("counted from acceptance") << 1 << 0 << 2 << 300 << 0 << "p500 .1799" << "A/a1" << "";
        QTest::newRow("counted from acceptance, steps")
            << 1 << 0 << 2 << 300 << 0 << "p500 r2000 .1800" << "A/a2" << "";
        QTest::newRow("held over the step time") << 1 << 0 << 2 << 300 << 0 << "p900 .1500" << "A/a1" << "";
        QTest::newRow("accepted at release") << 1 << 0 << 2 << 300 << 0 << "p2000 r2300" << "A" << "C";
        QTest::newRow("not before acceptance") << 1 << 0 << 2 << 300 << 0 << "p2000 .2299" << "C" << "";
        QTest::newRow("other switch while held") << 1 << 0 << 2 << 300 << 0 << "p0 P100 .300 .1299" << "A/a1" << "";
        // Repeat block: presses within 500 ms of an accepted one are ignored.
        QTest::newRow("bounce ignored") << 1 << 0 << 2 << 0 << 500 << "x0 x300" << "A/a1" << "";
        QTest::newRow("after the block") << 1 << 0 << 2 << 0 << 500 << "x0 x500" << "A" << "a1";
        QTest::newRow("ignored press holds nothing") << 1 << 0 << 2 << 0 << 500 << "x0 p300 .1000" << "A/a2" << "";
        // Two switches: nothing moves by itself.
        QTest::newRow("step mode waits") << 2 << 0 << 2 << 0 << 0 << ".100000" << "A" << "";
        QTest::newRow("step switch steps") << 2 << 0 << 2 << 0 << 0 << "X0" << "B" << "";
        QTest::newRow("step goes round") << 2 << 0 << 2 << 0 << 0 << "X0 X10 X20" << "A" << "";
        QTest::newRow("select enters") << 2 << 0 << 2 << 0 << 0 << "X0 x10" << "B/b1" << "";
        QTest::newRow("select selects") << 2 << 0 << 2 << 0 << 0 << "X0 x10 X20 x30" << "A" << "b2";
        QTest::newRow("step mode rounds") << 2 << 0 << 2 << 0 << 0 << "x0 X1 X2 X3 X4 X5" << "A/a3" << "";
        QTest::newRow("step mode back up") << 2 << 0 << 2 << 0 << 0 << "x0 X1 X2 X3 X4 X5 X6" << "A" << "";
        QTest::newRow("step acceptance") << 2 << 0 << 2 << 300 << 0 << "P0 R200 P300 R600" << "B" << "";
        QTest::newRow("step block") << 2 << 0 << 2 << 0 << 500 << "X0 X100 X600" << "C" << "";
    }
    void scripts()
    {
        QFETCH(int, mode);
        QFETCH(int, firstItemDelay);
        QFETCH(int, rounds);
        QFETCH(int, acceptTime);
        QFETCH(int, repeatBlock);
        QFETCH(QString, script);
        checkScript({ScanMode(mode), 1000, firstItemDelay, rounds, acceptTime, repeatBlock}, script);
    }

    // A long hold (2000 ms, the call for help) beside the acceptance time. Faults:
    // a hold that first presses what is framed although the press could wait
    // for its release, a hold told twice or never, a tap that counts, a press
    // lost when no long hold can follow.
    void holds_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("acceptTime");
        QTest::addColumn<int>("holdTime");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("selected");
        QTest::newRow("a tap is nothing") << 1 << 500 << 2000 << ".2000 p2000 r2100" << "C" << "";
        QTest::newRow("a long press selects once, at its release")
            << 1 << 500 << 2000 << ".2000 p2000 .3900 r3900 .4899" << "A" << "C";
        QTest::newRow("a long hold presses nothing")
            << 1 << 500 << 2000 << ".2000 p2000 .4000 r4500" << "C" << "held";
        QTest::newRow("a long hold is told once") << 1 << 500 << 2000 << "p0 .2000 .9000 r20000" << "A" << "held";
        QTest::newRow("after the hold the highlight goes on") << 1 << 500 << 2000 << "p0 .3000" << "B" << "held";
        QTest::newRow("without acceptance a press counts at once")
            << 1 << 0 << 2000 << ".2000 p2000 .4000 r4100" << "C" << "C,held";
        QTest::newRow("no long hold: counts while held") << 1 << 500 << 0 << ".2000 p2000 .2500" << "A" << "C";
        QTest::newRow("a hold is longer than an acceptance")
            << 1 << 1800 << 1000 << ".2000 p2000 r4700" << "A" << "C";
        QTest::newRow("step switch: a long hold does not step") << 2 << 500 << 2000 << "P0 R2500" << "A" << "held";
    }
    void holds()
    {
        QFETCH(int, mode);
        QFETCH(int, acceptTime);
        QFETCH(int, holdTime);
        QFETCH(QString, script);
        checkScript({ScanMode(mode), 1000, 0, 2, acceptTime, 0, holdTime}, script);
    }

    // A new table (the screen that a selection showed) starts at its first
    // item; empty groups, which could trap the user, are left out.
    void tables()
    {
        Scanner s;
        s.setTable({}, 0);
        QVERIFY(!s.highlighted());
        QCOMPARE(s.press(SwitchId::Select, 10).event, ScanEvent::Nothing);
        QCOMPARE(s.advanceTo(100).event, ScanEvent::Nothing);
        QCOMPARE(s.nextDue(), -1);

        s.setTable({ScanItem::group("empty", {}), ScanItem::group("E", {ScanItem::group("inner", {})}),
                    target("T")}, 200);
        QCOMPARE(highlightPath(s), QString("T"));
        QCOMPARE(s.nextDue(), 200 + 1500);

        s.setTable(smallTable(), 300);
        QCOMPARE(s.advanceTo(1800).event, ScanEvent::Moved);
        QCOMPARE(highlightPath(s), QString("B"));
        s.setTable(smallTable(), 1900);
        QCOMPARE(highlightPath(s), QString("A"));
        // A clock that goes back is held where it was.
        QCOMPARE(s.advanceTo(0).event, ScanEvent::Nothing);
        QCOMPARE(s.nextDue(), 1900 + 1500);
    }

    void settingsAreKeptInRange()
    {
        ScanSettings wild;
        wild.mode = ScanMode(7);
        wild.scanTime = 0;
        wild.rounds = 0;
        wild.acceptTime = -5;
        wild.firstItemDelay = 100000;
        const ScanSettings s = wild.clamped();
        QCOMPARE(s.mode, ScanMode::Automatic);
        QCOMPARE(s.scanTime, 300);
        QCOMPARE(s.rounds, 1);
        QCOMPARE(s.acceptTime, 0);
        QCOMPARE(s.firstItemDelay, 8000);
    }
};

QTEST_APPLESS_MAIN(ScannerTest)
#include "scanner_test.moc"
