#include "prediction/core/IpadicEntry.h"
#include "prediction/core/Lexicon.h"
#include "prediction/core/OwnNextPhrases.h"
#include "prediction/core/PhraseChains.h"
#include "prediction/core/TaggedPhrases.h"
#include "prediction/core/UserWords.h"
#include "prediction/core/WholePhrases.h"
#include <QTest>

using namespace pelumo;

class LexiconFilesTest : public QObject {
    Q_OBJECT

private slots:
    // Faults: the reading left in katakana; proper nouns or symbols kept;
    // a malformed line, a reading that is not kana or a literary form taken; the weight not
    // falling with the cost.
    void ipadicLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reading");   // empty: the line gives no word
        QTest::newRow("a word") << "おはよう,3,3,5658,感動詞,*,*,*,*,*,おはよう,オハヨウ,オハヨー" << "おはよう";
        QTest::newRow("kanji surface") << "痛い,19,19,4943,形容詞,自立,*,*,形容詞・アウオ段,基本形,痛い,イタイ,イタイ"
                                       << "いたい";
        QTest::newRow("long vowel mark") << "ラーメン,1285,1285,4000,名詞,一般,*,*,*,*,ラーメン,ラーメン,ラーメン"
                                         << "らーめん";
        QTest::newRow("a name") << "田中,1291,1291,5000,名詞,固有名詞,人名,姓,*,*,田中,タナカ,タナカ" << "";
        QTest::newRow("a symbol") << "＠,5,5,2000,記号,一般,*,*,*,*,＠,アットマーク,アットマーク" << "";
        QTest::newRow("written language") << "痛々し,45,45,4682,形容詞,自立,*,*,形容詞・イ段,文語基本形,痛々しい,イタイタシ,イタイタシ" << "";
        QTest::newRow("stem before がる") << "痛々し,39,39,4682,形容詞,自立,*,*,形容詞・イ段,ガル接続,痛々しい,イタイタシ,イタイタシ" << "";
        QTest::newRow("no reading") << "ｘ,1285,1285,4000,名詞,一般,*,*,*,*,ｘ,*,*" << "";
        QTest::newRow("too few fields") << "おはよう,3,3,5658" << "";
        QTest::newRow("cost not a number") << "お,3,3,x,感動詞,*,*,*,*,*,お,オ,オ" << "";
    }
    void ipadicLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, reading);
        const std::optional<LexiconWord> word = ipadicWord(line);
        QCOMPARE(word ? word->reading : QString(), reading);
        QVERIFY(weightOfCost(4000) > weightOfCost(4000 + kCostHalving) * 1.99);
    }

    // Faults: an ending not joined to its word (みずが missing); a stem
    // always followed by its ending (くださ) weighing as much as the whole
    // (ください); chains past the limits of length, depth or chance kept;
    // one reading kept twice, or by its weaker chain; the bound on the
    // phrases kept dropping the heaviest.
    void phraseChains_data()
    {
        QTest::addColumn<QString>("limits");      // attached,longest,lowest,kept
        QTest::addColumn<QStringList>("heaviest");
        QTest::newRow("words with their endings")
            << "3,10,-8,100"
            << QStringList{"みず", "みずが", "ください", "のみ", "くださいです", "のみたい", "のみたいです", "のみた", "くださいが", "のみたいが", "くださ"};
        QTest::newRow("one ending at most") << "1,10,-8,100" << QStringList{"みず", "みずが", "ください", "のみ", "のみた", "くださ"};
        QTest::newRow("four kana at most") << "3,4,-8,100" << QStringList{"みず", "みずが", "ください", "のみ", "のみたい", "のみた", "くださ"};
        QTest::newRow("unlikely chains left") << "3,10,-3.2,100" << QStringList{"みず", "みずが", "ください", "のみ", "くださ"};
        QTest::newRow("the two heaviest kept") << "3,10,-8,2" << QStringList{"みず", "みずが"};
    }
    void phraseChains()
    {
        QFETCH(QString, limits);
        QFETCH(QStringList, heaviest);
        // 0 みず 1 が 2 のみ 3 た 4 い 5 です 6 くださ: the endings, too rare
        // alone to begin a phrase, attach; くださ is nearly always followed by い.
        constexpr double kRare = -50;
        WordModel model;
        model.words = {{"みず", -2}, {"が", kRare, true}, {"のみ", -3}, {"た", kRare, true},
                       {"い", kRare, true}, {"です", kRare, true}, {"くださ", -3}};
        model.next = {{{1, -0.5}}, {}, {{3, -0.3}}, {{4, -0.1}}, {{5, -0.5}, {1, -2}}, {}, {{4, -0.001}}};
        const QStringList l = limits.split(u',');
        const ChainLimits chain{l[0].toInt(), l[1].toInt(), l[2].toDouble(), l[3].toULongLong()};
        QStringList got;
        for (const LexiconWord &w : phrasesOf(model, chain))
            got << w.reading;
        QCOMPARE(got, heaviest);
    }

    // Faults: a phrase of one kana offered (が after みず); an attached word
    // not offered as the next phrase (たい after のみ, typed apart); a name
    // (never beginning a phrase) offered; a piece that no phrase begins with
    // (って) offered; an ending not marked as one (が);
    // homophones not weighted by their shares; a phrase's chain not counted
    // (のみたい and のみ each the whole chance of のみ); the bounds on words
    // and phrases dropping the commonest.
    void nextPhrases_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("phrases");
        QTest::addColumn<QString>("table");
        QTest::newRow("every word") << 10 << 8
            << "+が\tのみたい 0.0631\tのみ 0.0369\tいく 0.01\n"
               "のみ\tたい 0.631\n"
               "みず\tのみたい 0.0198\tのみ 0.0116\tいく 0.00313\n";
        QTest::newRow("the commonest word") << 1 << 8 << "+が\tのみたい 0.0631\tのみ 0.0369\tいく 0.01\n";
        QTest::newRow("one phrase each") << 10 << 1 << "+が\tのみたい 0.0631\nのみ\tたい 0.631\nみず\tのみたい 0.0198\n";
    }
    void nextPhrases()
    {
        QFETCH(int, words);
        QFETCH(int, phrases);
        QFETCH(QString, table);
        // 0 みず 1 が 2 のみ 3 たい 4 いく 5 みず (a rarer homophone) 6 たろう (a name)
        // 7 って (a piece no phrase begins with)
        WordModel model;
        model.words = {{"みず", -2}, {"が", -1, true}, {"のみ", -3}, {"たい", -2, true},
                       {"いく", -2.5}, {"みず", -4}, {"たろう", -99}, {"って", -1.5}};
        model.next = {{{1, -0.3}, {2, -1.5}, {7, -0.1}}, {{2, -1}, {4, -2}, {6, -0.5}}, {{3, -0.2}}, {}, {}, {{4, -0.5}}, {}, {}};
        NextLimits limits;
        limits.words = size_t(words);
        limits.phrases = size_t(phrases);
        QCOMPARE(NextWords(nextPhrasesOf(model, {}, limits)).toText(), table);
    }

    // Faults: a piece the lexicon only knows as the start of one phrase
    // offered as it is (ござい); a word that stands alone lengthened (あり);
    // the longer of two equal endings taken; two pieces of one phrase
    // offered twice, or not counted together and put back in order.
    void wholePhrases_data()
    {
        QTest::addColumn<QString>("lexicon");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("whole");
        const QString lexicon = "ござ\t20\nござい\t10\nございます\t100\nございました\t100\nござる\t5\n"
                                "あり\t1000\nありがとう\t500\nあります\t400\nみず\t50\n";
        QTest::newRow("a piece") << lexicon << "よう\tござい 0.2\tみず 0.1\n" << "よう\tございます 0.2\tみず 0.1\n";
        QTest::newRow("a word of its own") << lexicon << "よう\tあり 0.2\n" << "よう\tあり 0.2\n";
        QTest::newRow("two pieces of one phrase") << lexicon << "よう\tみず 0.3\tござい 0.2\tござ 0.15\n"
                                                  << "よう\tございます 0.35\tみず 0.3\n";
        QTest::newRow("no phrase begins so") << lexicon << "+が\tのみ 0.5\n" << "+が\tのみ 0.5\n";
    }
    void wholePhrases()
    {
        QFETCH(QString, lexicon);
        QFETCH(QString, table);
        std::vector<NextPhrases> next = NextWords::tableFromText(table);
        makePhrasesWhole(next, Lexicon::fromText(lexicon));
        QTEST(NextWords(std::move(next)).toText(), "whole");
    }

    // Faults: our phrase put after the model's likelier ones, or twice where
    // the model has it; the model's higher chance lowered; an ending the
    // model lacks left out, or not marked as an ending (so みずを would not
    // find it).
    void ownNextPhrases_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("withOurs");
        QTest::newRow("a new phrase") << "+て\tから 0.005\n" << "+て\tください 0.05\tから 0.005\n";
        QTest::newRow("the model's, rarer") << "+て\tから 0.005\tください 0.002\n" << "+て\tください 0.05\tから 0.005\n";
        QTest::newRow("the model's, likelier") << "+て\tください 0.2\n" << "+て\tください 0.2\n";
        QTest::newRow("an ending the model lacks") << "みず\tのみ 0.1\n" << "+て\tください 0.05\nみず\tのみ 0.1\n";
    }
    void ownNextPhrases()
    {
        QFETCH(QString, table);
        std::vector<NextPhrases> next = NextWords::tableFromText(table);
        addOwnNextPhrases(next, {{"て", "ください"}});
        QTEST(NextWords(std::move(next)).toText(), "withOurs");
    }

    // Faults: a damaged line (no chance, a chance above 1, no word) taken;
    // the phrases after a phrase known whole, or after the longest ending,
    // hiding those after its ending (して by て), or not ranked together;
    // a phrase longer than a word finding nothing; a word that is no ending
    // found at the end of a longer phrase (よう in おはよう).
    void nextWordsFile()
    {
        int skipped = 0;
        const NextWords next = NextWords::fromText(u"+が\tのみたい 0.3\tいく 0.1\n"
                                                   u"+みたい\tです 0.5\n"
                                                   u"+たい\tです 0.2\n"
                                                   u"よう\tすい 0.2\n"
                                                   u"みずが\tほしい 0.2\tいく 0.05\n"
                                                   u"を\tください\n"
                                                   u"に\tいく 1.5\n"
                                                   u"\tいく 0.5\n", &skipped);
        QCOMPARE(skipped, 3);
        QCOMPARE(next.size(), 5);
        QCOMPARE(NextWords::fromText(next.toText()).toText(), next.toText());
        const auto first = [&](QStringView phrase) {
            const auto after = next.after(phrase);
            return after.empty() ? QString() : after.front().reading.toString() + u' ' + QString::number(after.front().chance);
        };
        QStringList afterMizuga;
        for (const NextPhraseView &n : next.after(u"みずが"))
            afterMizuga << n.reading.toString() + u' ' + QString::number(n.chance);
        QCOMPARE(afterMizuga, (QStringList{"のみたい 0.3", "ほしい 0.2", "いく 0.1"}));
        QCOMPARE(first(u"ながいが"), QStringLiteral("のみたい 0.3"));
        QCOMPARE(first(u"のみたい"), QStringLiteral("です 0.5"));
        QCOMPARE(first(u"いきたい"), QStringLiteral("です 0.2"));
        QCOMPARE(first(u"ながいながいながいが"), QStringLiteral("のみたい 0.3"));
        QCOMPARE(first(u"みずを"), QString());
        QCOMPARE(first(u"おはよう"), QString());
        QCOMPARE(first(u"よう"), QStringLiteral("すい 0.2"));
    }

    // Faults: particles and auxiliaries learnt as words of their own or
    // not joined to the word before them; a phrase running on over a
    // symbol; a word with nothing attached given twice; a particle at the
    // start joined to nothing.
    void taggedPhrases_data()
    {
        QTest::addColumn<QString>("tagged");   // reading/part of speech, space-separated
        QTest::addColumn<QStringList>("learnt");
        QTest::newRow("word, particle, verb, auxiliary") << "みず/名詞 が/助詞 のみ/動詞 たい/助動詞"
                                                         << QStringList{"みず", "みずが", "のみ", "のみたい"};
        QTest::newRow("two attached") << "いたい/形容詞 です/助動詞 ね/助詞" << QStringList{"いたい", "いたいですね"};
        QTest::newRow("a symbol ends the phrase") << "はい/感動詞 。/記号 が/助詞 おかゆ/名詞"
                                                  << QStringList{"はい", "おかゆ"};
        QTest::newRow("verb after verb stays apart") << "とっ/動詞 て/助詞 ください/動詞"
                                                     << QStringList{"とっ", "とって", "ください"};
    }
    void taggedPhrases()
    {
        QFETCH(QString, tagged);
        QFETCH(QStringList, learnt);
        QList<TaggedWord> words;
        for (const QString &w : tagged.split(u' '))
            words.push_back({w.section(u'/', 0, 0), w.section(u'/', 1)});
        QCOMPARE(wordsAndPhrases(words), learnt);
    }

    // Faults: readings given twice not merged; the prefix range missing its
    // first or last word or reaching past it; the file form not read back
    // as written; a bad line taken.
    void lexicon()
    {
        const Lexicon lex({{"おちゃ", 2}, {"おかし", 3}, {"おかし", 1}, {"あめ", 5}, {"おかしい", 1}, {"おき", 1}});
        QCOMPARE(lex.size(), 5);
        QStringList found;
        lex.forEachWithPrefix(u"おか", [&](int i) { found << lex.reading(i).toString(); });
        QCOMPARE(found, (QStringList{"おかし", "おかしい"}));
        int skipped = -1;
        const Lexicon back = Lexicon::fromText(lex.toText() + "壊れた行\nx\t-1\n", &skipped);
        QCOMPARE(skipped, 2);
        QCOMPARE(back.toText(), lex.toText());
        found.clear();
        back.forEachWithPrefix(u"おかし", [&](int i) { found << QString::number(back.weight(i)); });
        QCOMPARE(found, (QStringList{"4", "1"}));
    }

    // Faults: the file losing uses or times; damaged lines taken; the list
    // growing past its bound, or the bound dropping the heaviest words.
    void userWords()
    {
        UserWords w;
        w.learn({"おかゆ", "お", "水", "おかゆ", "てれび"}, 100);
        QCOMPARE(w.words().size(), size_t(2));
        int skipped = -1;
        const UserWords back = UserWords::fromText(w.toText() + "おかゆ\tx\t1\nあ\t1\t1\n", &skipped);
        QCOMPARE(skipped, 2);
        QCOMPARE(back.words(), w.words());
        QCOMPARE(back.words().front(), (UserWord{"おかゆ", 2, 100}));

        UserWords full;
        QStringList many;
        for (int i = 0; i < UserWords::kMaxWords + 10; ++i)
            many << QStringLiteral("あ") + QString(QChar(char16_t(u'ぁ' + i % 80))) + QString(QChar(char16_t(u'ぁ' + i / 80)));
        full.learn({"おかゆ", "おかゆ"}, 0);
        full.learn(many, 0);
        QCOMPARE(int(full.words().size()), UserWords::kMaxWords);
        QCOMPARE(full.words().front().reading, QStringLiteral("おかゆ"));
    }
};

QTEST_GUILESS_MAIN(LexiconFilesTest)
#include "lexicon_files_test.moc"
