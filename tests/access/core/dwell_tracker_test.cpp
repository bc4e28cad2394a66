#include "access/core/DwellTracker.h"
#include <QTest>

using namespace pelumo;

namespace {

// a, b: plain buttons; r, s: keys that repeat while held; x, y: two cells of
// one grid, side by side.
ScanTarget targetOf(QChar name)
{
    if (name == 'x' || name == 'y')
        return ScanTarget::cell("grdBoard", 0, name == 'x' ? 0 : 1);
    return ScanTarget::control(QString(name));
}

QString nameOf(const ScanTarget &t)
{
    return t.kind == ScanTarget::Kind::Cell ? QString(t.col == 0 ? "x" : "y") : t.id;
}

// Plays a script of pointer positions, each a target's letter (or "-" for
// nothing pressable) and a time in ms; "!" lets go of everything. Returns the
// steps given, "+a" a press of a, "-a" its release.
QString play(DwellTracker &tracker, const QString &script, qint64 &last)
{
    QStringList steps;
    for (const QString &token : script.split(' ', Qt::SkipEmptyParts)) {
        std::vector<DwellStep> given;
        if (token == "!") {
            given = tracker.releaseHeld();
        } else {
            const QChar name = token.at(0);
            last = token.mid(1).toLongLong();
            const auto target = name == '-' ? std::nullopt : std::optional(targetOf(name));
            given = tracker.update(target, name == 'r' || name == 's', last);
        }
        for (const DwellStep &s : given)
            steps << (s.action == DwellAction::Press ? "+" : "-") + nameOf(s.target);
    }
    return steps.join(' ');
}

} // namespace

class DwellTrackerTest : public QObject {
    Q_OBJECT
private slots:
    void scripts_data()
    {
        QTest::addColumn<int>("dwellTime");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<double>("ring");    // at the last time of the script
        QTest::addColumn<QString>("held");

        QTest::newRow("entering starts the ring") << 1000 << "a0" << "" << 0.0 << "";
        QTest::newRow("the ring fills") << 1000 << "a0 a500" << "" << 0.5 << "";
        QTest::newRow("not yet") << 1000 << "a0 a999" << "" << 0.999 << "";
        QTest::newRow("the whole time clicks") << 1000 << "a0 a1000" << "+a -a" << -1.0 << "";
        QTest::newRow("a late look clicks once") << 1000 << "a0 a3500" << "+a -a" << -1.0 << "";
        QTest::newRow("resting clicks no more")
            << 1000 << "a0 a1000 a2000 a9000" << "+a -a" << -1.0 << "";
        QTest::newRow("leaving early cancels") << 1000 << "a0 -900 -5000" << "" << -1.0 << "";
        QTest::newRow("another target starts again") << 1000 << "a0 b900 b1400" << "" << 0.5 << "";
        QTest::newRow("on its own time") << 1000 << "a0 b900 b1900" << "+b -b" << -1.0 << "";
        QTest::newRow("coming back starts from empty")
            << 1000 << "a0 a900 -950 a1000 a1500" << "" << 0.5 << "";
        QTest::newRow("leave and come back: again")
            << 1000 << "a0 a1000 -1100 a1200 a2200" << "+a -a +a -a" << -1.0 << "";
        QTest::newRow("back from another target: again")
            << 1000 << "a0 a1000 b1100 a1200 a2200" << "+a -a +a -a" << -1.0 << "";
        QTest::newRow("moving within a cell keeps the ring") << 1000 << "x0 x600 x1000" << "+x -x"
                                                             << -1.0 << "";
        QTest::newRow("the next cell is another target") << 1000 << "x0 y600 y1200" << ""
                                                         << 0.6 << "";

        QTest::newRow("a repeating key is held") << 1000 << "r0 r1000" << "+r" << -1.0 << "r";
        QTest::newRow("and stays held while resting")
            << 1000 << "r0 r1000 r8000" << "+r" << -1.0 << "r";
        QTest::newRow("leaving lets go") << 1000 << "r0 r1000 -1200" << "+r -r" << -1.0 << "";
        QTest::newRow("let go before the next ring")
            << 1000 << "r0 r1000 a1200 a1700" << "+r -r" << 0.5 << "";
        QTest::newRow("from one repeating key to another")
            << 1000 << "r0 r1000 s1100 s2100" << "+r -r +s" << -1.0 << "s";
        QTest::newRow("a repeating key left early") << 1000 << "r0 -500" << "" << -1.0 << "";
        QTest::newRow("back on a repeating key")
            << 1000 << "r0 r1000 -1100 r1200 r2200" << "+r -r +r" << -1.0 << "r";

        QTest::newRow("letting go of a held key") << 1000 << "r0 r1000 !" << "+r -r" << -1.0 << "";
        QTest::newRow("letting go cancels a ring") << 1000 << "a0 a500 !" << "" << -1.0 << "";
        QTest::newRow("letting go twice") << 1000 << "r0 r1000 ! !" << "+r -r" << -1.0 << "";
        QTest::newRow("after letting go, as new")
            << 1000 << "r0 r1000 ! r1100 r2100" << "+r -r +r" << -1.0 << "r";

        QTest::newRow("under 300 counts as 300") << 100 << "a0 a299 a300" << "+a -a" << -1.0 << "";
        QTest::newRow("over 5000 counts as 5000") << 9000 << "a0 a2500" << "" << 0.5 << "";
    }
    void scripts()
    {
        QFETCH(int, dwellTime);
        QFETCH(QString, script);
        QFETCH(QString, steps);
        QFETCH(double, ring);
        QFETCH(QString, held);
        DwellTracker tracker;
        tracker.setDwellTime(dwellTime);
        qint64 last = 0;
        QCOMPARE(play(tracker, script, last), steps);
        QCOMPARE(tracker.progress(last), ring);
        const auto holding = tracker.held();
        QCOMPARE(holding ? nameOf(*holding) : QString(), held);
        QCOMPARE(tracker.isBusy(), ring >= 0 || !held.isEmpty());
    }
};

QTEST_APPLESS_MAIN(DwellTrackerTest)
#include "dwell_tracker_test.moc"
