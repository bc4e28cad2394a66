#include "platform/Fonts.h"
#include "widgets/TextBox.h"
#include <QTest>

using namespace pelumo;

class TextBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

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
