#include "platform/Fonts.h"
#include "widgets/TextBox.h"
#include <QTest>

using namespace pelumo;

class TextBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Faults: the document's plain text turning a CR, a CR LF pair, a
    // paragraph or line separator into a line feed and a no-break space into
    // a space; a backspace that joins two lines leaving the next break's kind
    // wrong; positions that no longer match the text's.
    void everyCharacterComesBackAsSet_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("backspaceAt");   // -1: none
        QTest::addColumn<QString>("after");
        const QString nbsp(QChar(0xa0)), line(QChar(0x2028)), para(QChar(0x2029));
        QTest::newRow("cr") << "あ\rい" << -1 << "あ\rい";
        QTest::newRow("cr lf, two characters") << "あ\r\nい" << -1 << "あ\r\nい";
        QTest::newRow("no-break space") << "あ" + nbsp + "い" << -1 << "あ" + nbsp + "い";
        QTest::newRow("line separator") << "あ" + line + "い" << -1 << "あ" + line + "い";
        QTest::newRow("paragraph separator") << "あ" + para + "い" << -1 << "あ" + para + "い";
        QTest::newRow("a cr taken back before an lf") << "あ\rい\nう" << 2 << "あい\nう";
        QTest::newRow("an lf taken back before a cr") << "あ\nい\rう\r" << 2 << "あい\rう\r";
        QTest::newRow("the lf of a cr lf") << "あ\r\nい" << 3 << "あ\rい";
    }
    void everyCharacterComesBackAsSet()
    {
        QFETCH(QString, text);
        QFETCH(int, backspaceAt);
        QFETCH(QString, after);
        TextBox box;
        box.setText(text);
        QCOMPARE(box.text(), text);
        if (backspaceAt >= 0) {
            box.setSelStart(backspaceAt);
            box.sendKeys("{BS}");
            box.applyPendingKeys();
        }
        QCOMPARE(box.text(), after);
        box.setSelStart(int(after.size()));
        QCOMPARE(box.selStart(), int(after.size()));
    }

    void keysWaitForEventProcessingAndFollowDirectChanges()
    {
        TextBox box;
        box.setText("あい");
        box.sendKeys("+{RIGHT}");
        // A direct change made after the key was sent still comes first.
        box.setText("あい_");
        box.setSelStart(2);
        QCOMPARE(box.selLength(), 0);
        QVERIFY(box.hasPendingKeys());
        QCoreApplication::processEvents();
        QVERIFY(!box.hasPendingKeys());
        QCOMPARE(box.selStart(), 2);
        QCOMPARE(box.selLength(), 1);
    }

    void keysApplyInTheOrderSent()
    {
        TextBox box;
        box.setText("あい_");
        box.select(2, 3);
        box.sendKeys("{LEFT}");
        box.sendKeys("{BS}");
        box.sendKeys("+{RIGHT}");
        QCoreApplication::processEvents();
        QCOMPARE(box.text(), QString("あ_"));
        QCOMPARE(box.selStart(), 1);
        QCOMPARE(box.selLength(), 1);
        QCOMPARE(box.anchor(), 1);
        QCOMPARE(box.activeEnd(), 2);
    }

    void selectionKeepsItsActiveEnd()
    {
        TextBox box;
        box.setText("あいう");
        box.select(2, 1);
        QCOMPARE(box.selStart(), 1);
        QCOMPARE(box.selLength(), 1);
        box.sendKeys("{RIGHT}");   // from the active end on the left
        QCoreApplication::processEvents();
        QCOMPARE(box.selStart(), 2);
        QCOMPARE(box.selLength(), 0);
    }

    void lineKeysFollowTheWrappedText()
    {
        TextBox box;
        QFont f(QStringLiteral("ＭＳ ゴシック"));
        f.setPixelSize(40);
        box.setFont(f);
        box.resize(400, 300);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString message = QString(30, u'あ') + "_";
        box.setText(message);
        const int perLine = box.moveByLine(0, 1);
        QVERIFY2(perLine > 3 && perLine < 30, qPrintable(QString::number(perLine)));
        // Down from the third character of the first line lands on the
        // second line, under it; the last line stays.
        box.select(2, 3);
        box.sendKeys("{DOWN}");
        QCoreApplication::processEvents();
        QCOMPARE(box.activeEnd(), perLine + 3);
        QCOMPARE(box.selLength(), 0);
        box.setSelStart(message.size());
        box.sendKeys("{DOWN}");
        QCoreApplication::processEvents();
        QCOMPARE(box.selStart(), int(message.size()));
        box.setSelStart(perLine + 1);
        box.sendKeys("{UP}");
        QCoreApplication::processEvents();
        QCOMPARE(box.selStart(), 1);
        box.sendKeys("{UP}");
        QCoreApplication::processEvents();
        QCOMPARE(box.selStart(), 1);
    }

    void typingStopsAtTheLimit()
    {
        TextBox box;
        box.setText(QString(TextBox::kMaxLength, u'あ'));
        box.setSelStart(3);
        QTest::keyClicks(&box, "x");
        QCOMPARE(box.text().size(), TextBox::kMaxLength);
        QVERIFY(!box.text().contains('x'));
    }
};

QTEST_MAIN(TextBoxTest)
#include "textbox_test.moc"
