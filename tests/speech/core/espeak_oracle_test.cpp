// What espeak-ng makes of the readings: for every key of every board and
// selection screen, and for a table of messages, its phonemes hold no switch
// to another language (shown as "(en)") and are never empty.
#include "board/core/BoardTables.h"
#include "board/core/KanaVariants.h"
#include "speech/core/KeyReading.h"
#include "speech/core/MessageReader.h"
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#ifdef PELUMO_HAVE_ESPEAK
#include <espeak-ng/speak_lib.h>
#endif

using namespace pelumo;

namespace {

#ifdef PELUMO_HAVE_ESPEAK
QString phonemes(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    const void *p = utf8.constData();
    QString out;
    while (p) {
        if (const char *clause = espeak_TextToPhonemes(&p, espeakCHARS_UTF8, espeakPHONEMES_IPA))
            out += QString::fromUtf8(clause) + u' ';
    }
    return out.trimmed();
}
#endif

// Every text a board or the selection screen can show: the three boards at
// their widest and narrowest, and the forms the selection screen adds.
QStringList everyKey()
{
    QSet<QString> keys;
    for (BoardKind kind : {BoardKind::Hiragana, BoardKind::Katakana, BoardKind::Alphanumeric}) {
        for (int lastColumn : {9, 14}) {
            for (const QStringList &row : boardCells(kind, lastColumn)) {
                for (const QString &cell : row) {
                    VariantCells variants;
                    fillKanaVariants(cell, variants);
                    keys << cell << variants.col0 << variants.col2;
                }
            }
        }
    }
    keys.remove(QString());
    QStringList sorted(keys.begin(), keys.end());
    sorted.sort();
    return sorted;
}

const QRegularExpression kLanguageSwitch(QStringLiteral("\\([a-z-]+\\)"));

} // namespace

class EspeakOracleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
#ifdef PELUMO_HAVE_ESPEAK
        if (espeak_Initialize(AUDIO_OUTPUT_RETRIEVAL, 0, nullptr, 0) < 0
            || espeak_SetVoiceByName("ja") != EE_OK)
            QSKIP("espeak-ng or its Japanese voice is not installed");
#else
        QSKIP("built without espeak-ng");
#endif
    }

    void everyKeyIsSaidInJapanese_data()
    {
        QTest::addColumn<QString>("key");
        const QStringList keys = everyKey();
        QVERIFY(keys.size() > 200);   // the boards as measured: 239 texts and more forms
        for (const QString &key : keys)
            QTest::newRow(qPrintable(key)) << key;
    }
    void everyKeyIsSaidInJapanese()
    {
#ifdef PELUMO_HAVE_ESPEAK
        QFETCH(QString, key);
        const QString reading = keyReading(key);
        const QString sound = phonemes(reading);
        QVERIFY2(!sound.isEmpty(), qPrintable(reading));
        QVERIFY2(!kLanguageSwitch.match(sound).hasMatch(), qPrintable(reading + " → " + sound));
#endif
    }

    void messagesAreSaidInJapanese_data()
    {
        QTest::addColumn<QString>("message");
        for (const char *m : {
                 "こんにちは_", "今日は良い天気です_", "痛い", "びょういんへいきたい_", "2026年12月8日",
                 "りょこうにいきたい", "ファイル", "すごーい", "うーん", "んー", "ぁ", "ー", "ーー",
                 "あぁ", "りぁ", "さぃ", "ゎ", "ヶ月", "3ヶ月", "ABC", "hello", "Ｔシャツ", "50%",
                 "(^_^)", "(T_T)です", "?", "。", "？！", "、、", "@", "!", "髙橋さん", "鬱",
                 "𠮷野家", "😀", "ありがとう❤", "Привет", "안녕", "αβγ", "café", "々", "()",
                 "「はい」", "1,000円", "3.5キロ", "090-1234-5678", "ﾊﾝｶｸ", "０１２", "Ｗｉ－Ｆｉ",
                 "ダブリュー", "ゔぁいおりん", "チイー", "いいー", "かあー", "×÷", "♪", "〒", "ゝ", "ヽ", "〜", "ａ＿ｂ",
             })
            QTest::newRow(m) << QString::fromUtf8(m);
    }
    void messagesAreSaidInJapanese()
    {
#ifdef PELUMO_HAVE_ESPEAK
        QFETCH(QString, message);
        MessageReader reader;
        const QString reading = reader.read(message);
        const QString sound = phonemes(reading);
        QVERIFY2(!sound.isEmpty(), qPrintable(reading));
        QVERIFY2(!kLanguageSwitch.match(sound).hasMatch(), qPrintable(reading + " → " + sound));
#endif
    }
};

QTEST_APPLESS_MAIN(EspeakOracleTest)
#include "espeak_oracle_test.moc"
