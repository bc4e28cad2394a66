// What Open JTalk is given and in which pieces, the voices found and chosen,
// its WAV files, where the speech is in them, and the bounded cache of key
// sounds.
#include "speech/core/OpenJTalkText.h"
#include "speech/core/SoundCache.h"
#include "speech/core/SpokenSpan.h"
#include "speech/core/VoiceCatalog.h"
#include "speech/core/WavSound.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace pelumo;

namespace {
QByteArray wav(quint16 format, quint16 channels, quint16 bits, int samples)
{
    auto le = [](auto v) {
        QByteArray b(sizeof v, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray data(samples * 2, '\x01');
    QByteArray f = "RIFF" + le(quint32(36 + data.size())) + "WAVE";
    f += "fmt " + le(quint32(16)) + le(format) + le(channels) + le(quint32(48000))
         + le(quint32(96000)) + le(quint16(2)) + le(bits);
    f += "LIST" + le(quint32(3)) + "abc" + '\0';   // a chunk to skip, odd-sized
    return f + "data" + le(quint32(data.size())) + data;
}
} // namespace

class OpenJTalkRulesTest : public QObject {
    Q_OBJECT
private slots:
    // Open JTalk reads kanji and numbers itself; what it has no table for is
    // ours. Faults caught: a number, counter or kanji rewritten, a symbol,
    // letter or emoji dropped, the end marker or a blank said or run together.
    void textGivenForAMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("given");
        QTest::newRow("kanji as written") << "今日は良い天気です_" << "今日は良い天気です";
        QTest::newRow("number and counter") << "2026ねん、3本" << "2026ねん、3本";
        QTest::newRow("grouped and decimal") << "1,000円と3.5" << "1,000円と3.5";
        QTest::newRow("letters by name") << "Wi-Fi" << "ダブリューアイ、エフアイ";
        QTest::newRow("full-width letters") << "ＯＫ" << "オーケー";
        QTest::newRow("symbol by name") << "100%" << "100パーセント";
        QTest::newRow("emoticon") << "(^_^)" << "にこにこ";
        QTest::newRow("emoji") << "🍣" << "えもじ";
        QTest::newRow("blanks are pauses") << "いたい　です_そこ" << "いたい、です、そこ";
        QTest::newRow("wave dash") << "ね〜" << "ねー";
        QTest::newRow("line ends kept") << "はい\nいいえ" << "はい\nいいえ";
    }
    void textGivenForAMessage()
    {
        QFETCH(QString, message);
        QFETCH(QString, given);
        QCOMPARE(openJTalkText(message), given);
    }

    void keyTextIsKatakana()
    {
        QCOMPARE(openJTalkKeyText("は"), "ハ");
        QCOMPARE(openJTalkKeyText("ちいさい あ"), "チイサイ ア");
        QCOMPARE(openJTalkKeyText("エー"), "エー");
    }

    // Faults caught: a long message made whole, a mark lost or moved to the
    // next piece, a piece of marks or blanks sent to the voice.
    void piecesOfALongMessage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("longPiece");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("one sentence") << "こんにちは" << 30 << QStringList{"こんにちは"};
        QTest::newRow("sentence marks") << "はい。そうです！本当？" << 30
                                        << QStringList{"はい。", "そうです！", "本当？"};
        QTest::newRow("line ends") << "はい\n\nいいえ" << 30 << QStringList{"はい", "いいえ"};
        QTest::newRow("commas when long") << "ああ、いい、うう、ええ" << 4
                                          << QStringList{"ああ、いい、", "うう、ええ"};
        QTest::newRow("commas when short") << "ああ、いい" << 30 << QStringList{"ああ、いい"};
        QTest::newRow("marks alone") << "。。！" << 30 << QStringList{};
    }
    void piecesOfALongMessage()
    {
        QFETCH(QString, text);
        QFETCH(int, longPiece);
        QFETCH(QStringList, pieces);
        QCOMPARE(speechPieces(text, longPiece), pieces);
    }

    // Faults caught: a voice in a subfolder missed, the same name twice, a
    // stored voice that is gone kept, espeak-ng not chosen when asked for.
    void voicesFoundAndChosen()
    {
        QTemporaryDir system, user;
        for (const QString &path : {system.filePath("b/b_voice.htsvoice"), system.filePath("a_voice.htsvoice"),
                                    user.filePath("b_voice.htsvoice"), user.filePath("c.htsvoice"),
                                    user.filePath("notes.txt")}) {
            QDir().mkpath(QFileInfo(path).path());
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QList<VoiceFile> voices = findVoices({system.path(), user.path(), user.filePath("none")});
        QStringList names;
        for (const VoiceFile &v : voices)
            names << v.name;
        QCOMPARE(names, (QStringList{"a_voice", "b_voice", "c"}));
        QCOMPARE(voices[1].path, system.filePath("b/b_voice.htsvoice"));
        QCOMPARE(chooseVoice("c", voices).path, user.filePath("c.htsvoice"));
        QCOMPARE(chooseVoice("", voices).name, "a_voice");
        QCOMPARE(chooseVoice("gone", voices).name, "a_voice");
        QCOMPARE(chooseVoice("espeak-ng", voices), (VoiceFile{"espeak-ng", {}}));
        QCOMPARE(chooseVoice("", {}).name, "espeak-ng");
    }

    void wavFilesRead()
    {
        const std::optional<PcmSound> sound = parseWav(wav(1, 1, 16, 480));
        QVERIFY(sound);
        QCOMPARE(sound->sampleRate, 48000);
        QCOMPARE(sound->samples.size(), size_t(480));
        QCOMPARE(sound->samples[0], short(0x0101));
        QVERIFY(!parseWav(wav(1, 2, 16, 480)));   // stereo
        QVERIFY(!parseWav(wav(3, 1, 32, 480)));   // float
        QVERIFY(!parseWav(wav(1, 1, 16, 0)));     // no sound
        QVERIFY(!parseWav(wav(1, 1, 16, 480).left(40)));
        QVERIFY(!parseWav("not a wav file at all"));
    }

    // The pauses Open JTalk puts round a sound, from its trace's labels (100 ns
    // units; a sound of 1,000 samples at 1 kHz). Faults caught: a pause kept,
    // speech cut (the margins: 5 ms before, 60 ms after), a pause inside the
    // text cut, a trace without labels or times past the sound trusted, a
    // first stop's closure kept or its burst cut.
    void pausesCut_data()
    {
        QTest::addColumn<QByteArray>("labels");
        QTest::addColumn<bool>("lead");
        QTest::addColumn<bool>("tail");
        QTest::addColumn<qint64>("from");
        QTest::addColumn<qint64>("to");
        QTest::addColumn<int>("quietUntil");
        const QByteArray pauses = "0 3000000 xx^xx-sil+k=a/A:1\n3000000 4500000 xx^sil-k+a=sil/A:2\n"
                                  "4500000 6000000 sil^k-a+sil=xx/A:3\n6000000 10000000 k^a-sil+xx=xx/A:4\n";
        QTest::newRow("both pauses") << pauses << true << true << qint64(295) << qint64(660) << 0;
        QTest::newRow("first piece") << pauses << true << false << qint64(295) << qint64(1000) << 0;
        QTest::newRow("last piece") << pauses << false << true << qint64(0) << qint64(660) << 0;
        QTest::newRow("pause inside kept") << QByteArray("0 2000000 x^x-a+sil=x\n2000000 5000000 x^a-sil+i=x\n"
                                                         "5000000 10000000 a^sil-i+x=x\n")
                                           << true << true << qint64(0) << qint64(1000) << 0;
        QTest::newRow("no labels") << QByteArray("Error: waveform cannot be synthesized.\n")
                                   << true << true << qint64(0) << qint64(1000) << 0;
        QTest::newRow("times past the sound") << QByteArray("0 90000000 x^x-sil+a=x\n90000000 99000000 x^sil-a+x=x\n")
                                              << true << true << qint64(0) << qint64(1000) << 0;
        // The closure of a first カ is cut to a margin before its burst; a
        // quiet fricative is kept whole, and so is a closure inside a piece.
        QTest::newRow("stop's closure") << pauses << true << true << qint64(400) << qint64(660) << 420;
        QTest::newRow("closure without a burst") << pauses << true << true << qint64(430) << qint64(660) << 460;
        QByteArray fricative = pauses;
        fricative.replace("-k+", "-s+");
        QTest::newRow("fricative kept") << fricative << true << true << qint64(295) << qint64(660) << 420;
        QTest::newRow("closure of a later piece") << pauses << false << true << qint64(0) << qint64(660) << 420;
    }
    void pausesCut()
    {
        QFETCH(QByteArray, labels);
        QFETCH(bool, lead);
        QFETCH(bool, tail);
        QFETCH(qint64, from);
        QFETCH(qint64, to);
        QFETCH(int, quietUntil);
        PcmSound sound{1000, std::vector<short>(1000)};
        for (size_t i = 0; i < sound.samples.size(); ++i)
            sound.samples[i] = short(int(i) < quietUntil ? 10 : i);
        const QByteArray trace = "[Text analysis result]\n0 1 not-a+label\n\n[Output label]\n" + labels
                                 + "\n[Global parameter]\nSampring frequency -> 1000(Hz)\n";
        const SpokenSpan span = spokenSpan(trace, sound.sampleRate, 1000).value_or(SpokenSpan{0, 1000});
        const PcmSound cut = withoutPauses(sound, span, lead, tail);
        QCOMPARE(qint64(cut.samples.size()), to - from);
        QCOMPARE(qint64(cut.samples.back()), to - 1);
    }

    // Faults caught: a sound kept under the wrong settings, the cache growing
    // past its bound, a sound in use dropped before one unused.
    void cacheKeysAndBound()
    {
        SoundCache cache(2);
        auto sound = std::make_shared<const PcmSound>();
        const SoundKey ka{"カ", "v", {}}, ki{"キ", "v", {}}, ku{"ク", "v", {}};
        cache.put(ka, sound);
        cache.put(ki, sound);
        QVERIFY(!cache.find({"カ", "v", {150, 50, 100}}));
        QVERIFY(!cache.find({"カ", "w", {}}));
        QVERIFY(cache.find(ka));   // カ now used last
        cache.put(ku, sound);
        QCOMPARE(cache.size(), 2);
        QVERIFY(cache.contains(ka) && cache.contains(ku) && !cache.contains(ki));
    }
};

QTEST_GUILESS_MAIN(OpenJTalkRulesTest)
#include "open_jtalk_rules_test.moc"
