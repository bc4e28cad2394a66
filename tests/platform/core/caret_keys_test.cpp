#include "platform/core/CaretKeys.h"
#include "editing/core/Message.h"
#include <QTest>

using namespace pelumo;
Q_DECLARE_METATYPE(pelumo::CaretKey)

// A text wraps into lines of four characters for the line keys.
static int fourWide(const QString &text, int position, int direction)
{
    const int target = position + 4 * direction;
    return target < 0 || target > text.size() ? position : target;
}

class CaretKeysTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("anchorAfter");
        QTest::addColumn<int>("positionAfter");
        QTest::newRow("right from caret") << "あい_" << 0 << 0 << "{RIGHT}" << "あい_" << 1 << 1;
        QTest::newRow("right from active end") << "あい_" << 0 << 1 << "{RIGHT}" << "あい_" << 2 << 2;
        QTest::newRow("right at end stays") << "あい_" << 3 << 3 << "{RIGHT}" << "あい_" << 3 << 3;
        QTest::newRow("left from active end") << "あい_" << 2 << 1 << "{LEFT}" << "あい_" << 0 << 0;
        QTest::newRow("left at start stays") << "あい_" << 0 << 0 << "{LEFT}" << "あい_" << 0 << 0;
        QTest::newRow("shift right keeps anchor") << "あい_" << 2 << 2 << "+{RIGHT}" << "あい_" << 2 << 3;
        QTest::newRow("shift right at end") << "あい_" << 2 << 3 << "+{RIGHT}" << "あい_" << 2 << 3;
        QTest::newRow("shift left") << "あい_" << 2 << 2 << "+{LEFT}" << "あい_" << 2 << 1;
        QTest::newRow("shift left shrinks") << "あい_" << 1 << 2 << "+{LEFT}" << "あい_" << 1 << 1;
        QTest::newRow("bs selection") << "あい_" << 1 << 2 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("bs reversed selection") << "あい_" << 2 << 1 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("bs before caret") << "あい_" << 2 << 2 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("bs at start") << "あい_" << 0 << 0 << "{BS}" << "あい_" << 0 << 0;
        QTest::newRow("down a line") << "abcdefgh" << 1 << 2 << "{DOWN}" << "abcdefgh" << 6 << 6;
        QTest::newRow("down on last line") << "abcdefgh" << 5 << 6 << "{DOWN}" << "abcdefgh" << 6 << 6;
        QTest::newRow("up a line") << "abcdefgh" << 6 << 5 << "{UP}" << "abcdefgh" << 1 << 1;
        QTest::newRow("up on first line") << "abcdefgh" << 3 << 2 << "{UP}" << "abcdefgh" << 2 << 2;
        // The editing keys' net effects, key sequences as the handlers send them.
        QTest::newRow("BS on marker") << "あい_" << 2 << 3 << "{LEFT}{BS}+{RIGHT}" << "あ_" << 1 << 2;
        QTest::newRow("BS on only marker") << "_" << 0 << 1 << "{LEFT}{BS}+{RIGHT}" << "_" << 0 << 1;
        QTest::newRow("BS on い") << "あい_" << 1 << 2 << "{BS}{LEFT}+{RIGHT}" << "あ_" << 0 << 1;
        QTest::newRow("BS on あ") << "あい_" << 0 << 1 << "{BS}{LEFT}+{RIGHT}" << "い_" << 0 << 1;
        QTest::newRow("BS no highlight") << "あい_" << 1 << 1 << "{BS}+{RIGHT}" << "い_" << 0 << 1;
        QTest::newRow("down net") << "abcdefgh" << 1 << 2 << "{DOWN}{LEFT}+{RIGHT}" << "abcdefgh" << 5 << 6;
        QTest::newRow("up net") << "abcdefgh" << 5 << 6 << "{UP}{RIGHT}+{LEFT}" << "abcdefgh" << 3 << 2;
        // A character outside the BMP is two code units and one character.
        const QString pair = QString::fromUtf8("あ😀_");   // 😀 at 1..3
        QTest::newRow("right over a pair") << pair << 1 << 1 << "{RIGHT}" << pair << 3 << 3;
        QTest::newRow("left over a pair") << pair << 3 << 3 << "{LEFT}" << pair << 1 << 1;
        QTest::newRow("shift right takes the pair") << pair << 1 << 1 << "+{RIGHT}" << pair << 1 << 3;
        QTest::newRow("shift left takes the pair") << pair << 3 << 3 << "+{LEFT}" << pair << 3 << 1;
        QTest::newRow("bs takes the pair") << pair << 3 << 3 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("bs from inside a pair") << pair << 2 << 2 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("bs of a half selection") << pair << 1 << 2 << "{BS}" << "あ_" << 1 << 1;
        QTest::newRow("right from inside a pair") << pair << 2 << 2 << "{RIGHT}" << pair << 3 << 3;
        QTest::newRow("down into a pair") << QString::fromUtf8("abc😀") << 0 << 0 << "{DOWN}" << QString::fromUtf8("abc😀") << 3 << 3;
    }
    void keys()
    {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, position);
        QFETCH(QString, keys);
        EditBuffer b{text, anchor, position};
        for (const QString &name : keys.split('}', Qt::SkipEmptyParts)) {
            const auto key = parseCaretKey(QString(name + '}'));
            QVERIFY2(key.has_value(), qPrintable(name));
            applyCaretKey(b, *key, [&b](int p, int d) { return fourWide(b.text, p, d); });
        }
        QTEST(b.text, "after");
        QTEST(b.anchor, "anchorAfter");
        QTEST(b.position, "positionAfter");
    }

    void unknownKeysAreRejected()
    {
        QVERIFY(!parseCaretKey(u"{ENTER}").has_value());
        QVERIFY(!parseCaretKey(u"RIGHT").has_value());
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("empty message") << "" << 0 << "あ" << "あ_" << 1;
        QTest::newRow("before marker") << "あ_" << 1 << "い" << "あい_" << 2;
        QTest::newRow("middle") << "かい_" << 1 << "き" << "かきい_" << 2;
        QTest::newRow("no marker yet") << "かい" << 2 << "き" << "かいき_" << 3;
        QTest::newRow("emoticon") << "_" << 0 << "(^_^)" << "(^_^)_" << 5;
        QTest::newRow("inside a pair goes in front of it")
            << QString::fromUtf8("😀_") << 1 << "あ" << QString::fromUtf8("あ😀_") << 1;
    }
    void insertion()
    {
        QFETCH(QString, message);
        QFETCH(int, caret);
        QFETCH(QString, entry);
        const auto result = insertBoardText(message, caret, entry);
        QVERIFY(result.has_value());
        QTEST(result->text, "after");
        QTEST(result->caret, "caretAfter");
    }

    void fullMessageRefusesEntries()
    {
        const QString full = QString(499, u'あ') + '_';
        QVERIFY(!insertBoardText(full, 10, "い").has_value());
        QVERIFY(insertBoardText(QString(498, u'あ') + '_', 0, "い").has_value());
        QVERIFY(!insertBoardText(QString(500, u'あ'), 0, "い").has_value());
    }

    void trimmingRemovesBothSpaces()
    {
        QCOMPARE(trimBlanks(" \u3000あ い\u3000 "), QString("あ い"));
        QCOMPARE(trimBlanks("\u3000\u3000"), QString());
        QCOMPARE(trimBlanks("\tあ"), QString("\tあ"));
    }
};

QTEST_APPLESS_MAIN(CaretKeysTest)
#include "caret_keys_test.moc"
