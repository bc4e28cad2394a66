#include "access/DwellPointer.h"
#include "access/ScanFrame.h"
#include "support/TestWindow.h"
#include <QTest>

using namespace pelumo;
using pelumo::test::FakeClock;

namespace {

// A window with a plain button "a" at (100, 100)-(199, 199) and a repeating
// key "r" at (300, 100)-(399, 199), in global pixels; "a" can be swapped for
// "b" in its place, as a new screen would.
struct Rig {
    FakeClock clock;
    QWidget window;
    ScanFrame frame{&window};
    QPoint pointer{10, 10};
    QString inPlaceOfA = "a";
    QStringList given;
    DwellPointer dwell{clock, frame, [this] { return pointer; },
                       [this](const QPoint &p) { return spotAt(p); },
                       [this](QWidget *, const DwellStep &s) {
                           given << (s.action == DwellAction::Press ? "+" : "-") + s.target.id;
                       }};

    Rig()
    {
        dwell.setDwellTime(1200);
        dwell.setEnabled(true);
    }
    std::optional<DwellSpot> spotAt(const QPoint &p)
    {
        if (QRect(100, 100, 100, 100).contains(p))
            return DwellSpot{ScanTarget::control(inPlaceOfA), false, &window, {100, 100, 100, 100}, 1.0};
        if (QRect(300, 100, 100, 100).contains(p))
            return DwellSpot{ScanTarget::control("r"), true, &window, {300, 100, 100, 100}, 1.0};
        return std::nullopt;
    }
    // Time passes; what it brought is given from the event loop.
    void wait(int ms)
    {
        clock.advance(ms);
        QCoreApplication::processEvents();
    }
    // Moves the pointer and lets the next tick see it.
    void moveTo(int x, int y)
    {
        pointer = {x, y};
        wait(DwellPointer::kTickMs);
    }
    QString steps() const { return given.join(' '); }
};

} // namespace

class DwellPointerTest : public QObject {
    Q_OBJECT
private slots:
    void restingClicksOnce()
    {
        Rig rig;
        rig.moveTo(150, 150);
        QCOMPARE(rig.frame.ringFraction(), 0.0);
        rig.wait(600);
        QCOMPARE(rig.frame.ringFraction(), 0.5);
        QCOMPARE(rig.steps(), "");
        rig.wait(600);
        QCOMPARE(rig.steps(), "+a -a");
        QCOMPARE(rig.frame.ringFraction(), -1.0);

        rig.moveTo(160, 150);   // trembling on the same button
        rig.wait(5000);
        QCOMPARE(rig.steps(), "+a -a");

        rig.moveTo(50, 50);
        rig.moveTo(150, 150);
        rig.wait(1200);
        QCOMPARE(rig.steps(), "+a -a +a -a");
    }
    void leavingEarlyCancels()
    {
        Rig rig;
        rig.moveTo(150, 150);
        rig.wait(900);
        rig.moveTo(50, 50);
        QCOMPARE(rig.frame.ringFraction(), -1.0);
        rig.wait(5000);
        QCOMPARE(rig.steps(), "");
    }
    void aStillPointerWaits()
    {
        // Switched on over a button, or a new screen under a pointer that
        // clicked: nothing until the pointer moves.
        Rig rig;
        rig.dwell.setEnabled(false);
        rig.pointer = {150, 150};
        rig.dwell.setEnabled(true);
        rig.wait(5000);
        QCOMPARE(rig.steps(), "");

        rig.moveTo(151, 150);
        rig.wait(1200);
        rig.inPlaceOfA = "b";
        rig.wait(5000);
        QCOMPARE(rig.steps(), "+a -a");
        rig.moveTo(150, 150);
        rig.wait(1200);
        QCOMPARE(rig.steps(), "+a -a +b -b");
    }
    void aRepeatingKeyIsHeld()
    {
        Rig rig;
        rig.moveTo(350, 150);
        rig.wait(1200);
        rig.wait(3000);
        QCOMPARE(rig.steps(), "+r");
        rig.moveTo(150, 150);
        QCOMPARE(rig.steps(), "+r -r");
        QCOMPARE(rig.frame.ringFraction(), 0.0);   // the next ring starts at once

        rig.moveTo(350, 150);
        rig.wait(1200);
        rig.dwell.setEnabled(false);
        QCOMPARE(rig.steps(), "+r -r +r -r");
        QCOMPARE(rig.clock.running(), 0);
    }
    void switchingOffHidesTheRing()
    {
        Rig rig;
        rig.moveTo(150, 150);
        rig.wait(600);
        rig.dwell.setEnabled(false);
        QCOMPARE(rig.frame.ringFraction(), -1.0);
        QCOMPARE(rig.steps(), "");
    }
};

QTEST_MAIN(DwellPointerTest)
#include "dwell_pointer_test.moc"
