#include "phrasebook/core/PhraseFile.h"
#include <QTest>

using namespace pelumo;

namespace {
const QString kPlaceholderLine = "\"" + kPlaceholderText + "\"";
}

class PhraseFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsALine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isPhrase");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("quoted") << "\"おはよう\"" << true << "おはよう";
        QTest::newRow("no quotes") << "おはよう" << true << "おはよう";
        QTest::newRow("quotes anywhere") << "\"お\"は\"よう" << true << "おはよう";
        QTest::newRow("blanks trimmed inside the quotes") << "\"　おはよう \"" << true << "おはよう";
        QTest::newRow("commas kept") << "\"はい、そう\",\"です\"" << true << "はい、そう,です";
        QTest::newRow("only quotes") << "\"\"" << true << "";
        QTest::newRow("empty") << "" << false << "";
        QTest::newRow("spaces only") << " 　 " << false << "";
    }
    void readsALine()
    {
        QFETCH(QString, line);
        QFETCH(bool, isPhrase);
        QFETCH(QString, phrase);
        const std::optional<QString> got = parsePhraseLine(line);
        QCOMPARE(got.has_value(), isPhrase);
        if (got)
            QCOMPARE(*got, phrase);
    }

    void writesTheRows_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("lines");
        const QString ph = kPlaceholderLine;
        QTest::newRow("placeholder first as it stands")
            << QStringList{kPlaceholderText, "おはよう", "こんにちは"}
            << QStringList{ph, "\"おはよう\"", "\"こんにちは\""};
        QTest::newRow("diary row written as the placeholder")
            << QStringList{"日記", "おはよう"} << QStringList{ph, "\"おはよう\""};
        QTest::newRow("reserved with spaces, memo, once")
            << QStringList{"おはよう", "　日記 ", "メモ"} << QStringList{"\"おはよう\"", ph};
        QTest::newRow("placeholder added when missing")
            << QStringList{"おはよう"} << QStringList{ph, "\"おはよう\""};
        QTest::newRow("no rows: the placeholder alone") << QStringList{} << QStringList{ph};
        QTest::newRow("empty and blank rows dropped")
            << QStringList{"日記", "", "  ", "はい"} << QStringList{ph, "\"はい\""};
        QTest::newRow("written unchanged, quote and spaces kept")
            << QStringList{"日記", " 彼は\"はい\"と "} << QStringList{ph, "\" 彼は\"はい\"と \""};
        QTest::newRow("line breaks become one space")
            << QStringList{"日記", "一\r\n二\n三\r四"} << QStringList{ph, "\"一 二 三 四\""};
    }
    void writesTheRows()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, lines);
        const PhraseLines out = phraseFileLines(rows);
        QCOMPARE(out.status, PhraseLines::Ok);
        QCOMPARE(out.lines, lines);
    }

    // What the program writes, it reads back as the same phrases.
    void writtenRowsReadBack()
    {
        const QStringList rows{"日記", "はい、そう", "一\n二", "ＡＢＣ"};
        const ParsedPhrases back = parsePhraseLines(phraseFileLines(rows).lines);
        QCOMPARE(back.phrases, (QStringList{kPlaceholderText, "はい、そう", "一 二", "ＡＢＣ"}));
        QVERIFY(back.complete());
    }

    void phraseAsReadIsWhatComesBack()
    {
        for (const QString &text : {QString(" 彼は\"はい\"と　"), QString("一\r\n二\n"), QString("\"\"")}) {
            const ParsedPhrases back = parsePhraseLines(phraseFileLines({"日記", text}).lines);
            QCOMPARE(back.phrases.value(1), phraseAsRead(text));
        }
        QCOMPARE(phraseAsRead(" 彼は\"はい\"と　"), QString("彼ははいと"));
    }

    void limitsAreResultsNotCuts()
    {
        const QString longest(kMaxLineLength - 2, u'あ');
        QCOMPARE(phraseFileLines({"日記", longest}).status, PhraseLines::Ok);
        const PhraseLines tooLong = phraseFileLines({"日記", longest + u'あ'});
        QCOMPARE(tooLong.status, PhraseLines::LineTooLong);
        QVERIFY(tooLong.lines.isEmpty());

        QStringList rows{"日記"};
        for (int i = 0; i < kMaxPhrases; ++i)
            rows << QString::number(i);
        QCOMPARE(phraseFileLines(rows).status, PhraseLines::Ok);
        rows << "one more";
        const PhraseLines tooMany = phraseFileLines(rows);
        QCOMPARE(tooMany.status, PhraseLines::TooManyPhrases);
        QVERIFY(tooMany.lines.isEmpty());
    }

    void readingCountsWhatItLeavesOut()
    {
        QStringList lines{kPlaceholderLine, "\"" + QString(kMaxLineLength, u'x') + "\"", "", "\"はい\""};
        ParsedPhrases parsed = parsePhraseLines(lines);
        QCOMPARE(parsed.phrases, (QStringList{kPlaceholderText, "はい"}));
        QCOMPARE(parsed.tooLongLines, 1);
        QVERIFY(!parsed.complete());

        lines = QStringList{kPlaceholderLine};   // not a phrase: not counted
        for (int i = 0; i < kMaxPhrases + 2; ++i)
            lines << QString::number(i);
        parsed = parsePhraseLines(lines);
        QCOMPARE(parsed.phrases.size(), kMaxPhrases + 1);
        QCOMPARE(parsed.excessPhrases, 2);
    }

    void placeholderRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("reserved");
        QTest::newRow("diary") << "日記" << true;
        QTest::newRow("memo") << "メモ" << true;
        QTest::newRow("diary with blanks") << "　日記 " << true;
        QTest::newRow("placeholder") << kPlaceholderText << true;
        QTest::newRow("diary inside a phrase") << "日記を書く" << false;
        QTest::newRow("empty") << "" << false;
    }
    void placeholderRows()
    {
        QFETCH(QString, text);
        QFETCH(bool, reserved);
        QCOMPARE(isPlaceholderRow(text), reserved);
    }
};

QTEST_APPLESS_MAIN(PhraseFileTest)
#include "phrase_file_test.moc"
