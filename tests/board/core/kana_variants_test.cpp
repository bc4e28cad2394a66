#include "board/core/KanaVariants.h"
#include <QTest>

using namespace pelumo;

class KanaVariantsTest : public QObject {
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<QString>("col0");
        QTest::addColumn<QString>("col2");
        // The neighbours "L" and "R" stand where no form replaces them.
        QTest::newRow("か voiced") << "か" << "L" << "が";
        QTest::newRow("こ voiced") << "こ" << "L" << "ご";
        QTest::newRow("そ voiced") << "そ" << "L" << "ぞ";
        QTest::newRow("ち voiced") << "ち" << "L" << "ぢ";
        QTest::newRow("と voiced") << "と" << "L" << "ど";
        QTest::newRow("は both") << "は" << "ぱ" << "ば";
        QTest::newRow("ほ both") << "ほ" << "ぽ" << "ぼ";
        QTest::newRow("つ small then voiced") << "つ" << "っ" << "づ";
        QTest::newRow("ツ small then voiced") << "ツ" << "ッ" << "ヅ";
        QTest::newRow("や small") << "や" << "L" << "ゃ";
        QTest::newRow("よ small") << "よ" << "L" << "ょ";
        QTest::newRow("う small, no ゔ") << "う" << "L" << "ぅ";
        QTest::newRow("オ small") << "オ" << "L" << "ォ";
        QTest::newRow("ユ small") << "ユ" << "L" << "ュ";
        QTest::newRow("ケ voiced") << "ケ" << "L" << "ゲ";
        QTest::newRow("ヘ both") << "ヘ" << "ペ" << "ベ";
        QTest::newRow("A lower") << "A" << "L" << "a";
        QTest::newRow("Z lower") << "Z" << "L" << "z";
        QTest::newRow("a unchanged") << "a" << "L" << "R";
        QTest::newRow("が unchanged") << "が" << "L" << "R";
        QTest::newRow("ぱ unchanged") << "ぱ" << "L" << "R";
        QTest::newRow("ぁ unchanged") << "ぁ" << "L" << "R";
        QTest::newRow("ん unchanged") << "ん" << "L" << "R";
        QTest::newRow("な unchanged") << "な" << "L" << "R";
        QTest::newRow("わ unchanged") << "わ" << "L" << "R";
        QTest::newRow("digit unchanged") << "1" << "L" << "R";
        QTest::newRow("emoticon unchanged") << "(^_^)" << "L" << "R";
        QTest::newRow("empty unchanged") << "" << "L" << "R";
    }
    void forms()
    {
        QFETCH(QString, ch);
        VariantCells cells{"L", "R"};
        fillKanaVariants(ch, cells);
        QTEST(cells.col0, "col0");
        QTEST(cells.col2, "col2");
    }

    void tableSizes()
    {
        QCOMPARE(smallFormCount(), 44);
        QCOMPARE(voicedFormCount(), 40);
    }
};

QTEST_APPLESS_MAIN(KanaVariantsTest)
#include "kana_variants_test.moc"
