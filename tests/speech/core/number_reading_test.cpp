// Numbers as Japanese numbers, with the sound changes of ひゃく and せん.
#include "speech/core/CounterReading.h"
#include "speech/core/NumberReading.h"
#include <QTest>

using namespace pelumo;

class NumberReadingTest : public QObject {
    Q_OBJECT
private slots:
    void digits_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("reading");
        QTest::newRow("zero") << "0" << "ゼロ";
        QTest::newRow("four") << "4" << "よん";
        QTest::newRow("ten") << "10" << "じゅう";
        QTest::newRow("eleven") << "11" << "じゅういち";
        QTest::newRow("forty-seven") << "47" << "よんじゅうなな";
        QTest::newRow("hundred and five") << "105" << "ひゃくご";
        QTest::newRow("300") << "300" << "さんびゃく";
        QTest::newRow("600") << "600" << "ろっぴゃく";
        QTest::newRow("800") << "800" << "はっぴゃく";
        QTest::newRow("1000") << "1000" << "せん";
        QTest::newRow("3000") << "3000" << "さんぜん";
        QTest::newRow("8000") << "8000" << "はっせん";
        QTest::newRow("2026") << "2026" << "にせんにじゅうろく";
        QTest::newRow("ten thousand") << "10000" << "いちまん";
        QTest::newRow("10,000,000") << "10000000" << "いっせんまん";
        QTest::newRow("12,345") << "12345" << "いちまんにせんさんびゃくよんじゅうご";
        QTest::newRow("hundred million") << "100000000" << "いちおく";
        QTest::newRow("one trillion") << "1000000000000" << "いっちょう";
        QTest::newRow("ten trillion") << "10000000000000" << "じゅっちょう";
        QTest::newRow("gap of zeros") << "100000001" << "いちおくいち";
        QTest::newRow("leading zero: digit by digit") << "090" << "ゼロきゅうゼロ";
        QTest::newRow("too long: digit by digit") << "123456789012345678901" << "いちにさんよんごろくななはちきゅうゼロいちにさんよんごろくななはちきゅうゼロいち";
    }
    void digits()
    {
        QFETCH(QString, digits);
        QTEST(numberReading(digits), "reading");
    }

    // Where a number begins and ends in a text, and how it is read whole.
    void numbersInText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("reading");
        QTest::newRow("plain") << "2026年" << 4 << "にせんにじゅうろく";
        QTest::newRow("grouping commas") << "1,000円" << 5 << "せん";
        QTest::newRow("two groups") << "1,234,567" << 9 << "ひゃくにじゅうさんまんよんせんごひゃくろくじゅうなな";
        QTest::newRow("comma not a grouping") << "1,23" << 1 << "いち";
        QTest::newRow("decimal point") << "3.5キロ" << 3 << "さんてんご";
        QTest::newRow("decimals digit by digit") << "0.25" << 4 << "ゼロてんにご";
        QTest::newRow("full stop after a number") << "3." << 1 << "さん";
        QTest::newRow("no digit") << "あ1" << 0 << "";
    }
    void numbersInText()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QCOMPARE(numberLengthAt(text, 0), length);
        QTEST(numberTextReading(QStringView(text).left(length)), "reading");
    }

    // Counters that change the sound of the number before them.
    void counters_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<bool>("afterMonth");
        QTest::addColumn<QString>("reading");
        QTest::newRow("3本") << "3" << "本" << false << "さんぼん";
        QTest::newRow("100本") << "100" << "本" << false << "ひゃっぽん";
        QTest::newRow("2本, plain") << "2" << "本" << false << "にほん";
        QTest::newRow("1分") << "1" << "分" << false << "いっぷん";
        QTest::newRow("10分") << "10" << "分" << false << "じゅっぷん";
        QTest::newRow("4時") << "4" << "時" << false << "よじ";
        QTest::newRow("14時") << "14" << "時" << false << "じゅうよじ";
        QTest::newRow("4月") << "4" << "月" << false << "しがつ";
        QTest::newRow("9月") << "9" << "月" << false << "くがつ";
        QTest::newRow("12月") << "12" << "月" << false << "じゅうにがつ";
        QTest::newRow("1日 after a month") << "1" << "日" << true << "ついたち";
        QTest::newRow("1日 alone") << "1" << "日" << false << "いちにち";
        QTest::newRow("8日") << "8" << "日" << false << "ようか";
        QTest::newRow("20日") << "20" << "日" << false << "はつか";
        QTest::newRow("21日") << "21" << "日" << false << "にじゅういちにち";
        QTest::newRow("3日間") << "3" << "日間" << false << "みっかかん";
        QTest::newRow("1人") << "1" << "人" << false << "ひとり";
        QTest::newRow("2人") << "2" << "人" << false << "ふたり";
        QTest::newRow("4人") << "4" << "人" << false << "よにん";
        QTest::newRow("5人") << "5" << "人" << false << "ごにん";
        QTest::newRow("20歳") << "20" << "歳" << false << "はたち";
        QTest::newRow("8歳") << "8" << "歳" << false << "はっさい";
        QTest::newRow("6ヶ月") << "6" << "ヶ月" << false << "ろっかげつ";
        QTest::newRow("4年") << "4" << "年" << false << "よねん";
        QTest::newRow("3つ") << "3" << "つ" << false << "みっつ";
    }
    void counters()
    {
        QFETCH(QString, digits);
        QFETCH(QString, counter);
        QFETCH(bool, afterMonth);
        QCOMPARE(counterLengthAt(counter + "です", 0), counter.size());
        QTEST(countedReading(digits, counter, afterMonth), "reading");
    }

    void kanjiNumerals_data()
    {
        QTest::addColumn<QString>("kanji");
        QTest::addColumn<QString>("digits");
        QTest::newRow("one") << "一" << "1";
        QTest::newRow("ten") << "十" << "10";
        QTest::newRow("twenty") << "二十" << "20";
        QTest::newRow("places") << "三千五百" << "3500";
        QTest::newRow("ten thousands") << "一万二千" << "12000";
        QTest::newRow("written digit by digit") << "二〇二六" << "2026";
        QTest::newRow("not a number") << "一緒" << "";
    }
    void kanjiNumerals()
    {
        QFETCH(QString, kanji);
        QTEST(kanjiNumeralDigits(kanji), "digits");
    }

    void longestCounterWins()
    {
        QCOMPARE(counterLengthAt(u"時間です", 0), 2);
        QCOMPARE(counterLengthAt(u"日間", 0), 2);
        QCOMPARE(counterLengthAt(u"ねこ", 0), 0);
    }
};

QTEST_APPLESS_MAIN(NumberReadingTest)
#include "number_reading_test.moc"
