// 変換 over the real Anthy of Debian 12 (anthy 1:0.4-2, anthy-common), with
// its learning in a folder of the test's own, and the rules that carry a
// conversion from segment to segment.
#include "editing/core/KanaConversion.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;

namespace {

// Takes row `row` of each segment's list in turn, as 変換 then 決定 would,
// starting with the kana before the marker.
QString convertRowByRow(const QString &message, const Conversion &conversion, int row)
{
    ConversionSession session{message, kanaRunStart(message, int(message.size()) - 1), conversion};
    while (continuesSession(session, session.message, int(session.message.size()) - 1)) {
        const ConvertedSegment segment = session.rest.takeFirst();
        const QString chosen = conversionRows(segment).at(row);
        const int end = int(session.message.size()) - 1;
        const auto decided = decideSegment(session.message, session.at, segment.reading, chosen, end);
        if (!decided || decided->caret != int(decided->text.size()) - 1)   // the highlight stays on the marker
            return {};
        session.message = decided->text;
        session.at += int(chosen.size());
    }
    return session.message;
}

} // namespace

class KanaConversionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!makeAnthyConverter())
            QSKIP("built without Anthy");
    }

    // What Anthy's own dictionary gives, before it has learned anything:
    // きょうはいいてんきです cuts into きょうは / いい / てんきです, and the
    // first candidates are 今日は, いい (not 良い: Anthy puts the kana
    // first) and 天気です. A fault in the cut, in the UTF-8 either way, or a
    // lost segment changes the result.
    void anthyFirstCandidates_data()
    {
        QTest::addColumn<QString>("kana");
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QString>("firstCandidates");
        QTest::newRow("weather") << "きょうはいいてんきです"
                                 << QStringList{"きょうは", "いい", "てんきです"} << "今日はいい天気です";
        QTest::newRow("greeting") << "おはよう" << QStringList{"おはよう"} << "おはよう";
        QTest::newRow("long vowel mark") << "らーめん" << QStringList{"らーめん"} << "ラーメン";
    }
    void anthyFirstCandidates()
    {
        QFETCH(QString, kana);
        QFETCH(QStringList, readings);
        QFETCH(QString, firstCandidates);
        QTemporaryDir home;
        auto anthy = makeAnthyConverter();
        QVERIFY(anthy->open(home.path()));
        const Conversion conversion = anthy->convert(kana);
        QStringList cut;
        for (const ConvertedSegment &segment : conversion)
            cut << segment.reading;
        QCOMPARE(cut, readings);
        QCOMPARE(convertRowByRow(kana + u'_', conversion, 1), firstCandidates + u'_');
        // Row 0 of every list is the kana as typed.
        QCOMPARE(convertRowByRow(kana + u'_', conversion, 0), kana + u'_');
    }

    // A choice is learned, and the learning goes into the folder given, not
    // into ~/.anthy: HOME points at a folder that must stay empty.
    void anthyLearnsInItsFolder()
    {
        QTemporaryDir data, home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        {
            auto anthy = makeAnthyConverter();
            QVERIFY(anthy->open(data.path()));
            QCOMPARE(anthy->convert("きょうは").value(0).candidates.value(0), "今日は");
            anthy->learn("きょうは", "京は");
            QCOMPARE(anthy->convert("きょうは").value(0).candidates.value(0), "京は");
        }
        qputenv("HOME", oldHome);
        QVERIFY(!QDir(data.path() + "/.anthy").isEmpty());
        QVERIFY(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    }

    // Which kana 変換 takes: the run right before the highlight.
    void kanaRun_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("start");
        QTest::newRow("whole message") << "おはよう_" << 4 << 0;
        QTest::newRow("after kanji") << "今日はいい_" << 5 << 2;
        QTest::newRow("after a space") << "あ　らーめん_" << 6 << 2;
        QTest::newRow("katakana ends the run") << "カナかな_" << 4 << 2;
        QTest::newRow("highlight inside") << "おはよう_" << 2 << 0;
        QTest::newRow("nothing before") << "今日_" << 2 << 2;
        QTest::newRow("end past the text") << "かな" << 9 << 0;
    }
    void kanaRun()
    {
        QFETCH(QString, message);
        QFETCH(int, end);
        QFETCH(int, start);
        QCOMPARE(kanaRunStart(message, end), start);
    }

    // The next 変換 goes on with the session only on the message it left,
    // with the highlight after the rest; any change starts afresh.
    void sessionGoesOn_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("as left") << "今日はいい_" << 5 << true;
        QTest::newRow("message changed") << "今日はいいね_" << 6 << false;
        QTest::newRow("highlight moved") << "今日はいい_" << 4 << false;
    }
    void sessionGoesOn()
    {
        QFETCH(QString, message);
        QFETCH(int, end);
        QFETCH(bool, goesOn);
        const ConversionSession session{"今日はいい_", 3, {{"いい", {"良い"}}}};
        QCOMPARE(continuesSession(session, message, end), goesOn);
        QVERIFY(!continuesSession({"今日は_", 3, {}}, "今日は_", 3));   // nothing left
    }

    void decideRefuses()
    {
        QVERIFY(!decideSegment("おはよう_", 0, "こんにちは", "今日は", 4));   // no longer there
        const QString full = QString(kMaxMessageLength - 1, u'あ') + u'_';
        QVERIFY(!decideSegment(full, 0, "あ", "ああ", 1));
        QCOMPARE(decideSegment(full, 0, "あ", "亜", 1)->text.size(), full.size());
    }
};

QTEST_GUILESS_MAIN(KanaConversionTest)
#include "kana_conversion_test.moc"
