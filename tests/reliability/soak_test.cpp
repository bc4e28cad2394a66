// Random touches on the real main window: presses, holds and releases on every
// control that is shown, dialogs answered at random, with the program's rules
// checked after every step (終了 is left out: closing has tests of its own).
// Fixed seeds; a failure prints its seed and step.
//   PELUMO_SOAK_STEPS=100000 build-tests/tests/reliability_soak_test
#include "editing/core/Message.h"
#include "platform/core/TextFile.h"
#include "support/TestWindow.h"
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

using namespace pelumo;
using namespace pelumo::test;

namespace {

int stepsPerSeed()
{
    const int n = qEnvironmentVariableIntValue("PELUMO_SOAK_STEPS");
    return n > 0 ? n : 1500;
}

// Answers whatever modal dialog is open with a random button, or closes it.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(QRandomGenerator &random) : m_random(random) { startTimer(0); }
    int answered = 0;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || m_pending)
            return;
        ++answered;
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
            if (b->isVisible() && b->isEnabled())
                buttons << b;
        // A few touches inside the dialog, then out through a button or the frame.
        // From the event loop, not from inside this tick: a button that opens
        // another dialog would otherwise wait for an answer from a tick that
        // cannot come again until it returns.
        QPointer<QWidget> target = !buttons.isEmpty() && m_random.bounded(4) != 0
                                       ? buttons.at(m_random.bounded(int(buttons.size())))
                                       : dialog;
        const bool close = target == dialog;
        m_pending = true;
        QTimer::singleShot(0, this, [this, target, close] {
            m_pending = false;
            if (target && close)
                target->close();
            else if (target)
                QTest::mouseClick(target, Qt::LeftButton);
        });
    }

private:
    QRandomGenerator &m_random;
    bool m_pending = false;   // an answer posted and not yet given
};

class Soak {
public:
    Soak(TestWindow &w, quint32 seed) : w(w), random(seed), answerer(random) {}

    // False when the chosen control was covered and nothing was touched.
    bool step()
    {
        QList<QWidget *> targets;
        for (QWidget *c : w->findChildren<QWidget *>())
            if (c->isVisible() && c->isEnabled() && c != w->cmdEnd
                && (qobject_cast<QAbstractButton *>(c) || qobject_cast<FlexGrid *>(c)))
                targets << c;
        if (targets.isEmpty())
            return false;
        QWidget *target = targets.at(random.bounded(int(targets.size())));
        QPoint at = target->rect().center();
        if (auto *grid = qobject_cast<FlexGrid *>(target)) {
            const int row = grid->topRow() + random.bounded(qMax(1, grid->visibleRows()));
            const QRect cell = grid->cellRect(qMin(row, grid->rows() - 1), random.bounded(qMax(1, grid->cols())));
            if (cell.isValid())
                at = cell.center();
        }
        // A finger reaches only what is on top: a control covered by another
        // (the diary keys under the editing panel) cannot be touched.
        QWidget *top = w->childAt(target->mapTo(w.window.get(), at));
        if (top != target && !target->isAncestorOf(top))
            return false;
        // A hold lasts a few repeats, the window answering between them.
        const int repeats = random.bounded(4);
        QPointer<QWidget> alive(target);
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        for (int i = 0; i < repeats && alive; ++i) {
            QCoreApplication::processEvents();
            w.clock.advance(HoldRepeat::kIntervalMs);
        }
        if (alive)
            QTest::mouseRelease(target, Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
        w.clock.now += random.bounded(3.0);
        return true;
    }

    // The rules every state must keep; empty when all hold.
    QString broken() const
    {
        const frmTalk &f = *w.window;
        if (f.txtTalk->text().size() > kMaxMessageLength)
            return "message longer than 500 characters";
        if (f.txtTalk->selLength() > 1)
            return "highlight wider than one character";
        const int lists = f.grdSp->isVisible() + f.grdEx->isVisible() + f.grdDay->isVisible();
        if (lists > 1)
            return "two lists shown at once";
        if (lists == 1 && (f.grdBoard->isVisible() || !f.fraTalk->isVisible()))
            return "a list shown without its keys, or together with the board";
        if (f.fraTalk->isVisible() && f.fraRes->isVisible())
            return "list keys and editing keys shown together";
        if (!f.isEnabled())
            return "main window left disabled";
        for (const char *file : {"Talk.txt", "day.txt"}) {
            const QString path = QDir(f.state.AppDir).filePath(file);
            if (readTextLines(path).status == TextFileContent::Unreadable)
                return QString("%1 unreadable").arg(file);
        }
        return {};
    }

    TestWindow &w;
    QRandomGenerator random;
    DialogAnswerer answerer;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomTouches_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 7u, 2026u})
            QTest::newRow(qPrintable(QString::number(seed))) << seed;
    }
    void randomTouches()
    {
        QFETCH(quint32, seed);
        TestWindow w({{"OPT1", QString::number(seed % 4)}, {"Samp", "1"}, {"Sample", "1"}});
        QDir().mkpath(w.dir.filePath("data/Talk"));
        writeTextLines(w.dir.filePath("data/Talk/Talk.txt"),
                       {"\"ありがとう\"", "\"あさごはん\"", "\"かえりたい\"", "\"はい\""},
                       TextEncoding::Utf8);
        w.start();
        Soak soak(w, seed);
        const int steps = stepsPerSeed();
        for (int i = 0, misses = 0; i < steps;) {
            if (!soak.step()) {
                if (++misses > 1000)
                    QFAIL(qPrintable(QString("seed %1, step %2: nothing left to touch").arg(seed).arg(i)));
                continue;
            }
            misses = 0;
            ++i;
            const QString fault = soak.broken();
            if (!fault.isEmpty())
                QFAIL(qPrintable(QString("seed %1, step %2: %3 (message \"%4\")")
                                     .arg(seed).arg(i).arg(fault, w->txtTalk->text())));
        }
        qInfo("seed %u: %d touches, %d dialogs answered", seed, steps, soak.answerer.answered);
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
