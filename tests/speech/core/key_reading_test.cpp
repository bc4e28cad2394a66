// The key echo: every key has a Japanese name, and plain kana are said as
// written. espeak_oracle_test checks the sound of every key of every board.
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/KeyReading.h"
#include <QTest>

using namespace pelumo;

class KeyReadingTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("reading");
        QTest::newRow("kana as written") << "か" << "か";
        QTest::newRow("は is the letter, not the particle") << "は" << "は";
        QTest::newRow("へ likewise") << "へ" << "へ";
        QTest::newRow("katakana") << "ヲ" << "ヲ";
        QTest::newRow("small a") << "ぁ" << "ちいさい あ";
        QTest::newRow("small ya") << "ゃ" << "ちいさい や";
        QTest::newRow("small tsu") << "っ" << "ちいさい つ";
        QTest::newRow("small katakana tsu") << "ッ" << "ちいさい ツ";
        QTest::newRow("small katakana o") << "ォ" << "ちいさい オ";
        QTest::newRow("long vowel mark") << "ー" << "のばす";
        QTest::newRow("full stop") << "。" << "まる";
        QTest::newRow("comma") << "、" << "てん";
        QTest::newRow("question mark") << "？" << "はてな";
        QTest::newRow("ASCII question mark") << "?" << "はてな";
        QTest::newRow("upper-case A") << "A" << "エー";
        QTest::newRow("lower-case a") << "a" << "こもじ エー";
        QTest::newRow("Z") << "Z" << "ゼット";
        QTest::newRow("W, its りゅ said as りう") << "W" << "ダブリウー";
        QTest::newRow("1") << "1" << "いち";
        QTest::newRow("4") << "4" << "よん";
        QTest::newRow("7") << "7" << "なな";
        QTest::newRow("8") << "8" << "はち";
        QTest::newRow("0") << "0" << "ゼロ";
        QTest::newRow("percent") << "%" << "パーセント";
        QTest::newRow("at") << "@" << "アットマーク";
        QTest::newRow("slash") << "/" << "スラッシュ";
        QTest::newRow("minus") << "-" << "マイナス";
        QTest::newRow("smile") << "(^_^)" << "にこにこ";
        QTest::newRow("tears") << "(T_T)" << "しくしく";
        QTest::newRow("several characters, name by name") << "A1" << "エー いち";
        QTest::newRow("emoji") << "😀" << "にこにこ";
        QTest::newRow("unknown picture character") << "🦜" << "えもじ";
    }
    void keys()
    {
        QFETCH(QString, key);
        QTEST(keyReading(key), "reading");
    }

    void espeakSpellings_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("said");
        QTest::newRow("りゅ") << "りゅう" << "りうう";
        QTest::newRow("リョ") << "リョコー" << "リオコー";
        QTest::newRow("りゃ") << "りゃく" << "りあく";
        QTest::newRow("other ゃ stay") << "きゃく" << "きゃく";
        QTest::newRow("small vowel that joins") << "ファイル" << "ファイル";
        QTest::newRow("small vowel that lengthens") << "あぁ" << "あぁ";
        QTest::newRow("small vowel with no sound") << "さぃ" << "さい";
        QTest::newRow("small wa") << "ゎ" << "わ";
        QTest::newRow("ー after ん") << "んー" << "んん";
        QTest::newRow("ー after nothing") << "ー" << "のばす";
        QTest::newRow("ー after a vowel already lengthened") << "チイー" << "チイイ";
        QTest::newRow("ー after a plain kana") << "スゴーイ" << "スゴーイ";
    }
    void espeakSpellings()
    {
        QFETCH(QString, reading);
        QTEST(smoothForEspeak(reading), "said");
    }
};

QTEST_APPLESS_MAIN(KeyReadingTest)
#include "key_reading_test.moc"
