#include "editing/core/UndoHistory.h"
#include <QTest>

using namespace pelumo;

namespace pelumo {
// Failures show the message and its highlight.
char *toString(const MessageSnapshot &s)
{
    return QTest::toString(QStringLiteral("\"%1\" %2..%3").arg(s.text).arg(s.anchor).arg(s.position));
}
}

Q_DECLARE_METATYPE(MessageSnapshot)
using Snapshots = QList<MessageSnapshot>;

namespace {
MessageSnapshot at(const char *text, int anchor, int position)
{
    return MessageSnapshot{QString::fromUtf8(text), anchor, position};
}
}

class UndoHistoryTest : public QObject {
    Q_OBJECT
private slots:
    // The message after each change, in order, from an empty one with the
    // caret at 0; then every undo down to the start, each one's result.
    void undoesChangesInTurn_data()
    {
        QTest::addColumn<Snapshots>("states");
        QTest::addColumn<Snapshots>("undone");
        const MessageSnapshot empty;
        QTest::newRow("board entries") << Snapshots{at("あ_", 1, 2), at("あい_", 2, 3)}
                                       << Snapshots{at("あ_", 1, 2), empty};
        // ＢＳ on い, the marker highlighted from its right edge.
        QTest::newRow("BS keeps the highlight's direction")
            << Snapshots{at("あい_", 3, 2), at("あ_", 1, 2)} << Snapshots{at("あい_", 3, 2), empty};
        QTest::newRow("emptied") << Snapshots{at("はい_", 2, 3), at("", 0, 0)}
                                 << Snapshots{at("はい_", 2, 3), empty};
        // Moves of the highlight are not steps: an undo goes back past them to
        // the highlight just before the change.
        QTest::newRow("moves are not steps")
            << Snapshots{at("あい_", 2, 3), at("あい_", 1, 2), at("あい_", 0, 1), at("い_", 0, 1)}
            << Snapshots{at("あい_", 0, 1), empty};
        QTest::newRow("a change back to the same text is no step")
            << Snapshots{at("あ_", 1, 2), at("あ_", 0, 1)} << Snapshots{empty};
    }
    void undoesChangesInTurn()
    {
        QFETCH(Snapshots, states);
        QFETCH(Snapshots, undone);
        UndoHistory history;
        MessageSnapshot current;
        for (const MessageSnapshot &next : states) {
            history.record(current, next.text);
            current = next;
        }
        Snapshots got;
        while (const auto step = history.undo())
            got << *step;
        QCOMPARE(got, undone);
        QVERIFY(!history.canUndo());
    }

    void keepsTheNewestStepsUpToItsDepth_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("changes");
        QTest::addColumn<int>("kept");
        QTest::newRow("fewer than the depth") << 100 << 60 << 60;
        QTest::newRow("exactly the depth") << 100 << 100 << 100;
        QTest::newRow("past the depth") << 100 << 250 << 100;
        QTest::newRow("depth 1") << 1 << 5 << 1;
        QTest::newRow("depth 0 is taken as 1") << 0 << 5 << 1;
    }
    void keepsTheNewestStepsUpToItsDepth()
    {
        QFETCH(int, depth);
        QFETCH(int, changes);
        QFETCH(int, kept);
        UndoHistory history(depth);
        QString text;
        for (int i = 0; i < changes; ++i) {
            const QString next = text + u'あ';
            QVERIFY(history.record(MessageSnapshot{text, i, i}, next));
            text = next;
        }
        QCOMPARE(history.size(), kept);
        // The newest first, down to the oldest one kept.
        for (int i = changes - 1; i >= changes - kept; --i)
            QCOMPARE(history.undo().value_or(MessageSnapshot{"(none)", -1, -1}), (MessageSnapshot{QString(i, u'あ'), i, i}));
        QVERIFY(!history.undo());
    }

    void clearForgetsEveryStep()
    {
        UndoHistory history;
        history.record(MessageSnapshot{}, QStringLiteral("あ_"));
        history.clear();
        QVERIFY(!history.canUndo());
        QVERIFY(!history.undo());
    }
};

QTEST_GUILESS_MAIN(UndoHistoryTest)
#include "undo_history_test.moc"
