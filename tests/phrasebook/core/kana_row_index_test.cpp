#include "phrasebook/core/KanaRowIndex.h"
#include <QTest>

using namespace pelumo;

class KanaRowIndexTest : public QObject {
    Q_OBJECT
private slots:
    void labelOfTheFirstCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::newRow("がっこう: voiced inside the plain range") << "がっこう" << "か行";
        QTest::newRow("ごはん: last of the range") << "ごはん" << "が行";
        QTest::newRow("ぱん: semi-voiced inside は") << "ぱん" << "は行";
        QTest::newRow("ぽかぽか") << "ぽかぽか" << "ぱ行";
        QTest::newRow("ぞ") << "ぞう" << "ざ行";
        QTest::newRow("ど") << "どうぞ" << "だ行";
        QTest::newRow("ぼ") << "ぼく" << "ば行";
        QTest::newRow("small ぃ inside あ") << "ぃ" << "あ行";
        QTest::newRow("っ inside た") << "っ" << "た行";
        QTest::newRow("ゃ before や") << "ゃ" << "";
        QTest::newRow("を") << "を" << "わ行";
        QTest::newRow("ん") << "ん" << "わ行";
        QTest::newRow("katakana ゴ") << "ゴミ" << "ガ行";
        QTest::newRow("katakana バ inside ハ") << "バス" << "ハ行";
        QTest::newRow("katakana ポ") << "ポスト" << "パ行";
        QTest::newRow("ヴ outside") << "ヴ" << "";
        QTest::newRow("ー outside") << "ー" << "";
        QTest::newRow("kanji") << "日記" << "";
        QTest::newRow("digit") << "1ばん" << "";
        QTest::newRow("Latin") << "OK" << "";
        QTest::newRow("full-width Latin") << "ＯＫ" << "";
    }
    void labelOfTheFirstCharacter()
    {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QCOMPARE(kanaRowLabel(text.front()), label);
    }

    void labelsOnlyWhereARunBegins()
    {
        const QStringList texts{"ああああ日記ダミー", "おはよう", "がっこう", "こんにちは", "日本",
                                "ごはん", "ぱん", "ぽかぽか", "ー"};
        const QStringList want{"あ行", "", "か行", "", "", "が行", "は行", "ぱ行", ""};
        QCOMPARE(kanaRowLabels(texts), want);
    }

    void rowZeroOutsideTheTableIsEmpty()
    {
        QCOMPARE(kanaRowLabels({"1ばん", "", "あ"}), (QStringList{"", "", "あ行"}));
        QCOMPARE(kanaRowLabels({}), QStringList{});
    }
};

QTEST_APPLESS_MAIN(KanaRowIndexTest)
#include "kana_row_index_test.moc"
