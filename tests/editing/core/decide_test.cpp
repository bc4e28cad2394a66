#include "editing/core/Decide.h"
#include <QTest>

using namespace pelumo;

class DecideTest : public QObject {
    Q_OBJECT
private slots:
    // Message lengths around the match length p = 2, and the candidate row 0
    // (the typed key itself) that must leave the message as it was.
    void candidate_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("newCaret");
        QTest::newRow("L = p, marker") << "あ_" << 1 << "ありがとう" << "ありがとう_" << 5;
        QTest::newRow("L = p, no marker") << "あり" << 1 << "ありがとう" << "ありがとう_" << 5;
        QTest::newRow("L = p + 1, marker") << "あり_" << 2 << "ありがとう" << "ありがとう_" << 5;
        QTest::newRow("longer, marker") << "はいあり_" << 4 << "ありがとう" << "はいありがとう_" << 7;
        QTest::newRow("key itself") << "あ_" << 1 << "あ" << "あ_" << 1;
        QTest::newRow("key itself, longer") << "はいあり_" << 4 << "あり" << "はいあり_" << 4;
        QTest::newRow("no marker, caret on the last") << "はいあり" << 3 << "ありがとう" << "はいありがとうり" << 7;
        QTest::newRow("empty message") << "" << 0 << "あ" << "あ_" << 2;
        // A key that begins inside a pair replaces the whole character.
        QTest::newRow("key from half a pair")
            << QString::fromUtf8("はい😀あ_") << 5 << "あいう" << "はいあいう_" << 5;
        QTest::newRow("a pair before the key")
            << QString::fromUtf8("😀あり_") << 4 << "ありがとう" << QString::fromUtf8("😀ありがとう_") << 7;
    }
    void candidate()
    {
        QFETCH(QString, message);
        QFETCH(int, caret);
        QFETCH(QString, phrase);
        QFETCH(QString, result);
        QFETCH(int, newCaret);
        const auto r = decideCandidate(message, caret, phrase, 2);
        QVERIFY(r);
        QCOMPARE(r->text, result);
        QCOMPARE(r->caret, newCaret);
    }

    void phrase_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("newCaret");
        QTest::newRow("before the marker") << "あ_" << 1 << "あおはよう_" << 5;
        QTest::newRow("empty message, no marker added") << "" << 0 << "おはよう" << 4;
        QTest::newRow("at the start") << "ね_" << 0 << "おはようね_" << 4;
        QTest::newRow("caret inside a pair") << QString::fromUtf8("😀_") << 1
                                              << QString::fromUtf8("おはよう😀_") << 4;
    }
    void phrase()
    {
        QFETCH(QString, message);
        QFETCH(int, caret);
        QFETCH(QString, result);
        QFETCH(int, newCaret);
        const auto r = decidePhrase(message, caret, QStringLiteral("おはよう"));
        QVERIFY(r);
        QCOMPARE(r->text, result);
        QCOMPARE(r->caret, newCaret);
    }

    // The message never grows past its limit: the choice is refused whole.
    void refusedPastTheLimit()
    {
        const QString full = QString(498, u'あ') + u'_';
        QVERIFY(!decidePhrase(full, 498, QStringLiteral("おはよう")));
        QVERIFY(!decideCandidate(full, 498, QStringLiteral("ありがとう"), 2));
        QVERIFY(decideCandidate(full, 498, QStringLiteral("ああ"), 2));
    }
};

QTEST_GUILESS_MAIN(DecideTest)
#include "decide_test.moc"
