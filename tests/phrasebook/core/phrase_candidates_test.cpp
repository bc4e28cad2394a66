#include "phrasebook/core/PhraseCandidates.h"
#include "phrasebook/core/PhraseFile.h"
#include <QRandomGenerator>
#include <QTest>

using namespace pelumo;

namespace {

// The plain scan over the list that the index must answer exactly like.
QStringList scan(const QStringList &phrases, const QString &key)
{
    QStringList out;
    for (const QString &p : phrases)
        if (isOfferablePhrase(p) && phraseMatchesKey(p, key))
            out << p;
    return out;
}

// Phrases over a few kana, so that keys share long prefixes and many phrases
// repeat; some blanks, an empty one and the placeholder mixed in.
QStringList generatedPhrases(int count, quint32 seed)
{
    static const QString alphabet = QStringLiteral("あいかがきはぱアカ1A　 ");
    QRandomGenerator rng(seed);
    QStringList out;
    for (int i = 0; i < count; ++i) {
        const int length = rng.bounded(0, 8);
        QString p;
        for (int j = 0; j < length; ++j)
            p += alphabet.at(rng.bounded(int(alphabet.size())));
        out << p;
    }
    out.insert(count / 2, kPlaceholderText);
    return out;
}

} // namespace

class PhraseCandidatesTest : public QObject {
    Q_OBJECT
private slots:
    void keyFromTheMessage_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("key");   // null: no lookup
        QTest::newRow("first entry, shorter than n") << "あ_" << 1 << 2 << "あ";
        QTest::newRow("exactly n before the marker") << "あり_" << 2 << 2 << "あり";
        QTest::newRow("n before the marker") << "こんにち_" << 4 << 2 << "にち";
        QTest::newRow("n 1") << "こんにち_" << 4 << 1 << "ち";
        QTest::newRow("n 5, longer message") << "おはようございます_" << 9 << 5 << "ございます";
        QTest::newRow("no marker: the last n") << "こんにち" << 3 << 2 << "にち";
        QTest::newRow("caret in the middle") << "こんにち_" << 2 << 2 << QString();
        QTest::newRow("caret after the marker") << "こんにち_" << 5 << 2 << QString();
        QTest::newRow("ideographic space kept in the key") << "あ　_" << 2 << 2 << "あ　";
        QTest::newRow("a character outside the BMP counts once") << "あ😀_" << 3 << 1 << "😀";
        QTest::newRow("and is never halved") << "あ😀𠮷_" << 5 << 2 << "😀𠮷";
    }
    void keyFromTheMessage()
    {
        QFETCH(QString, message);
        QFETCH(int, caret);
        QFETCH(int, n);
        QFETCH(QString, key);
        const std::optional<QString> got = candidateKey(message, caret, n);
        QCOMPARE(got.has_value(), !key.isNull());
        if (got)
            QCOMPARE(*got, key);
    }

    void whatAKeyMatches_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("matches");
        QTest::newRow("prefix") << "ありがとう" << "あり" << true;
        QTest::newRow("whole") << "あり" << "あり" << true;
        QTest::newRow("shorter than the key") << "あ" << "あり" << false;
        QTest::newRow("kana sensitive") << "アリガトウ" << "あり" << false;
        QTest::newRow("case sensitive") << "ok" << "O" << false;
        QTest::newRow("trailing space: only the trimmed key whole") << "あ" << "あ　" << true;
        QTest::newRow("trailing space: longer phrase not") << "あい" << "あ　" << false;
        QTest::newRow("leading space") << "a" << " a" << true;
        QTest::newRow("blank key matches no phrase") << "あい" << "　" << false;
    }
    void whatAKeyMatches()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, key);
        QFETCH(bool, matches);
        QCOMPARE(phraseMatchesKey(phrase, key), matches);
        PhraseCandidateIndex index;
        index.rebuild({phrase});
        QCOMPARE(index.lookup(key), matches ? QStringList{phrase} : QStringList{});
    }

    void placeholderAndEmptyNeverOffered()
    {
        PhraseCandidateIndex index;
        index.rebuild({"", kPlaceholderText, "ありがとう", "ああ"});
        QCOMPARE(index.lookup("あ"), (QStringList{"ありがとう", "ああ"}));
        QCOMPARE(index.lookup("ああ"), QStringList{"ああ"});
        QCOMPARE(index.lookup("　"), QStringList{});
    }

    void indexAnswersLikeTheScan()
    {
        const QStringList phrases = generatedPhrases(3000, 7);
        PhraseCandidateIndex index;
        index.rebuild(phrases);
        QRandomGenerator rng(11);
        int nonEmpty = 0;
        for (int i = 0; i < 600; ++i) {
            // Keys taken from the phrases themselves, cut at random, plus blanks.
            QString key = phrases.at(rng.bounded(int(phrases.size())));
            key = key.left(rng.bounded(1, 5));
            if (i % 7 == 0)
                key += u'　';
            if (key.isEmpty())
                continue;
            const QStringList want = scan(phrases, key);
            nonEmpty += !want.isEmpty();
            QCOMPARE(index.lookup(key), want);
        }
        QVERIFY(nonEmpty > 300);
    }

    void knowsTheListItWasBuiltFrom()
    {
        QStringList phrases{"はい", "いいえ"};
        PhraseCandidateIndex index;
        index.rebuild(phrases);
        QVERIFY(index.isBuiltFrom(phrases));
        phrases.removeOne("はい");
        QVERIFY(!index.isBuiltFrom(phrases));
        QCOMPARE(index.lookup("は"), QStringList{"はい"});   // its own copy until rebuilt
    }

    // The largest book answers like the plain scan for every one-character
    // key; how quickly is the benchmark's to say.
    void lookupOverTheLargestBook()
    {
        QStringList phrases;
        QRandomGenerator rng(3);
        for (int i = 0; i < kMaxPhrases; ++i) {
            QString p;
            for (int j = 0; j < 22; ++j)
                p += QChar(u'ぁ' + rng.bounded(0, 83));
            phrases << p;
        }
        PhraseCandidateIndex index;
        index.rebuild(phrases);
        for (int i = 0; i < 83; ++i) {
            const QString key(QChar(u'ぁ' + i));
            QCOMPARE(index.lookup(key), scan(phrases, key));
        }
    }
};

QTEST_APPLESS_MAIN(PhraseCandidatesTest)
#include "phrase_candidates_test.moc"
