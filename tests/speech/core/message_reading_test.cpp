// Whole messages: readings from the dictionary, numbers, names for what has
// no reading, and the promise that nothing the user wrote goes unsaid.
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/MessageReader.h"
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;

namespace {

// A reading espeak-ng can say: kana, the clause marks and blanks only.
bool isSpeakable(const QString &reading)
{
    for (QChar c : reading)
        if (!isKana(c) && !QStringView(u"。、？！ ").contains(c))
            return false;
    return true;
}

// Messages of every kind, for the properties that hold for all of them.
const char *const kVariedMessages[] = {
    "こんにちは_", "今日は良い天気です", "びょういんへいきたい", "痛いです", "ありがとう。",
    "2026年12月8日", "3人で", "10時半", "1,000円", "3.5キロ", "090-1234-5678",
    "ABCです", "Wi-Fi", "café", "50%", "@", "ー", "ぁ", "っ", "すごーい", "うーん",
    "(^_^)", "(T_T)", "😀", "🦜", "ありがとう❤", "髙橋さん", "鬱", "𠮷野家", "Привет",
    "αβγ", "々", "「はい」", "？", "。。", "ﾊﾝｶｸ", "ＡＢＣ１２３", "りょこう", "ふぁいと",
};

} // namespace

class MessageReadingTest : public QObject {
    Q_OBJECT
    MessageReader reader;

private slots:
    void initTestCase()
    {
        reader.prepare();
        if (!reader.hasDictionary())
            QSKIP("the IPA dictionary (mecab-ipadic-utf8) is not installed");
    }

    void readings_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("reading");
        QTest::newRow("particle は, end marker a pause") << "こんにちは_" << "コンニチワ";
        QTest::newRow("kanji, long vowel") << "今日は良い天気です" << "キョーワヨイテンキデス";
        QTest::newRow("kanji with kana after it") << "痛い" << "イタイ";
        QTest::newRow("particle へ") << "びょういんへいきたい_" << "ビョーインエイキタイ";
        QTest::newRow("particle in kana-only text") << "わたしはげんきです" << "ワタシワゲンキデス";
        QTest::newRow("no particle without a word before it") << "ははは" << "ははは";
        QTest::newRow("へ at the start is not a particle") << "へいき" << "へイキ";
        QTest::newRow("number") << "2026" << "にせんにじゅうろく";
        QTest::newRow("date") << "2026年12月8日" << "にせんにじゅうろくねんじゅうにがつようか";
        QTest::newRow("first of the month") << "12月1日です" << "じゅうにがつついたちデス";
        QTest::newRow("counter") << "2人で" << "ふたりデ";
        QTest::newRow("kanji number with a counter") << "一人で行く" << "ひとりデイク";
        QTest::newRow("kanji date") << "十二月一日" << "ジューニガツついたち";
        QTest::newRow("kanji number in a word stays") << "十分です" << "ジューブンデス";
        QTest::newRow("telephone number digit by digit") << "090-1234" << "ゼロきゅうゼロ、いちにさんよん";
        QTest::newRow("markers in the middle are pauses") << "あ_い_" << "ア イ";
        QTest::newRow("blanks are pauses") << "きょうは　はれ" << "キョーワ ハレ";
        QTest::newRow("punctuation kept for its pause") << "私は、元気です。" << "ワタシワ、ゲンキデス。";
        QTest::newRow("ASCII punctuation too") << "はい,いいえ?" << "ハイ、イーエ？";
        QTest::newRow("one kana is said as its key") << "は_" << "は";
        QTest::newRow("one small kana") << "ぁ" << "ちいさい あ";
        QTest::newRow("marks alone by their names") << "？！" << "はてな びっくりマーク";
        QTest::newRow("Latin letters by name") << "ABC" << "エービーシー";
        QTest::newRow("full-width letters and digits") << "ＡＢ１２" << "エービーじゅうに";
        QTest::newRow("accented letter") << "é" << "イー";
        QTest::newRow("symbol by name") << "50%" << "ごじゅうパーセント";
        QTest::newRow("wave dash between numbers") << "3〜5人" << "さんカラごにん";
        QTest::newRow("wave dash after kana") << "ね〜" << "ねー";
        QTest::newRow("wave dash alone") << "〜" << "なみせん";
        QTest::newRow("hyphen between letters a pause") << "Wi-Fi" << "ダブリウーアイ、エフアイ";
        QTest::newRow("emoticon, not its underscore") << "(^_^)" << "ニコニコ";
        QTest::newRow("emoji with a word") << "😀" << "にこにこ";
        QTest::newRow("emoji without one") << "🦜" << "えもじ";
        QTest::newRow("kanji nobody knows") << "鬱" << "かんじ";
        QTest::newRow("unknown kanji beside a known one") << "髙橋" << "かんじハシ";
        QTest::newRow("another script") << "Я" << "もじ";
        QTest::newRow("brackets are not said") << "「はい」" << "ハイ";
        QTest::newRow("half-width katakana") << "ﾊｲ" << "ハイ";
        QTest::newRow("only markers: nothing to say") << "__" << "";
    }
    void readings()
    {
        QFETCH(QString, message);
        QTEST(reader.read(message), "reading");
    }

    // Whatever is written, espeak-ng is given only what it can say, and a
    // message with text is never silent.
    void everyReadingIsSpeakable_data()
    {
        QTest::addColumn<QString>("message");
        for (const char *m : kVariedMessages)
            QTest::newRow(m) << QString::fromUtf8(m);
    }
    void everyReadingIsSpeakable()
    {
        QFETCH(QString, message);
        const QString reading = reader.read(message);
        QVERIFY2(!reading.trimmed().isEmpty(), qPrintable(message));
        QVERIFY2(isSpeakable(reading), qPrintable(reading));
    }

    // No character is dropped: taking any one away changes what is said.
    void everyCharacterIsSaid_data() { everyReadingIsSpeakable_data(); }
    void everyCharacterIsSaid()
    {
        QFETCH(QString, message);
        const QList<uint> chars = message.toUcs4();
        const QString whole = reader.read(message);
        for (qsizetype i = 0; i < chars.size(); ++i) {
            if (QChar::isSpace(chars[i]) || chars[i] == u'_' || chars[i] == u',' || QStringView(u"「」").contains(QChar(char16_t(chars[i]))))
                continue;
            QList<uint> without = chars;
            without.removeAt(i);
            const QString shorter = QString::fromUcs4(reinterpret_cast<const char32_t *>(without.constData()), without.size());
            QVERIFY2(reader.read(shorter) != whole,
                     qPrintable(QString("%1 without %2 is still said %3").arg(message).arg(i).arg(whole)));
        }
    }

    // Without the dictionary: the same rules, kana as written, told once.
    void withoutDictionary()
    {
        QTemporaryDir empty;
        MessageReader bare(empty.path());
        QCOMPARE(bare.read("こんにちは_"), QString("こんにちは"));
        QVERIFY(!bare.hasDictionary());
        QVERIFY(bare.takeProblem().contains(empty.path()));
        QVERIFY(bare.takeProblem().isEmpty());
        QCOMPARE(bare.read("2026年"), QString("にせんにじゅうろくねん"));
        QCOMPARE(bare.read("痛い"), QString("かんじい"));
        QCOMPARE(bare.read("ABC?"), QString("エービーシー？"));
        for (const char *m : kVariedMessages)
            QVERIFY2(isSpeakable(bare.read(QString::fromUtf8(m))), m);
    }
};

QTEST_APPLESS_MAIN(MessageReadingTest)
#include "message_reading_test.moc"
