// 追加 of an older installation's files: what is added, what is kept and
// reported, and that each file keeps its encoding and our lines their bytes.
#include "backup/core/OlderFiles.h"
#include "support/LineFiles.h"
#include <QTest>

using namespace pelumo;
using namespace pelumo::test;

namespace {
const QByteArray kPlaceholder = shiftJis("\"ああああ日記ダミー消さないでね！\"\r\n");
}

class OlderFilesTest : public QObject {
    Q_OBJECT
private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("ourTalk");
        QTest::addColumn<QByteArray>("ourDay");
        QTest::addColumn<QByteArray>("theirTalk");
        QTest::addColumn<QByteArray>("theirDay");
        QTest::addColumn<QList<int>>("counts");   // phrases, days: before, after
        QTest::addColumn<QStringList>("keptDays");
        QTest::addColumn<int>("talkEncoding");
        const QByteArray sjisBook = kPlaceholder + shiftJis("\"あめ\"\r\n\"ｶｻ\"\r\n");
        const QByteArray theirs = kPlaceholder + shiftJis("\"ｶｻ\"\r\n\"ゆき\"\r\n\"ゆき\"\r\n");
        const QByteArray theirDays = shiftJis("\"26.12.01 はれ\"\r\n\"26.12.02 くもり\"\r\n");
        QTest::newRow("Shift_JIS into Shift_JIS")
            << sjisBook << QByteArray("\"26.12.01 雨😀\"\r\n") << theirs << theirDays
            << QList<int>{2, 1, 3, 2} << QStringList{"26.12.01"} << int(TextEncoding::ShiftJis);
        QTest::newRow("into a UTF-8 book")
            << quotedLines({"😀", "ゆき"}) << QByteArray() << theirs << theirDays
            << QList<int>{2, 0, 3, 2} << QStringList{} << int(TextEncoding::Utf8);
        QTest::newRow("the same day, the same text, not reported")
            << sjisBook << theirDays << QByteArray() << theirDays
            << QList<int>{2, 2, 2, 2} << QStringList{} << int(TextEncoding::ShiftJis);
        QTest::newRow("nothing of ours yet")
            << QByteArray() << QByteArray() << theirs << theirDays
            << QList<int>{0, 0, 2, 2} << QStringList{} << int(TextEncoding::ShiftJis);
    }
    void merge()
    {
        QFETCH(QByteArray, ourTalk);
        QFETCH(QByteArray, ourDay);
        QFETCH(QList<int>, counts);
        QList<NamedBytes> ours;
        if (!ourTalk.isEmpty())
            ours.append({"Talk.txt", ourTalk});
        if (!ourDay.isEmpty())
            ours.append({"day.txt", ourDay});
        QFETCH(QByteArray, theirTalk);
        QFETCH(QByteArray, theirDay);
        const OlderMerge merge = mergeOlderFiles(ours, {{"Talk.txt", theirTalk}, {"day.txt", theirDay}});
        QCOMPARE(merge.status, OlderMerge::Merged);
        QCOMPARE(merge.before, (BackupCounts{counts[0], counts[1]}));
        QCOMPARE(merge.after, (BackupCounts{counts[2], counts[3]}));
        QTEST(merge.keptDays, "keptDays");
        QCOMPARE(merge.files.size(), 2);
        QVERIFY(merge.files[0].bytes.startsWith(ourTalk));   // our lines, byte for byte
        QVERIFY(merge.files[1].bytes.startsWith(ourDay));
        QTEST(int(decodeTextLines(merge.files[0].bytes).encoding), "talkEncoding");
        // Taken in twice, nothing more is added.
        const OlderMerge again = mergeOlderFiles(merge.files, {{"Talk.txt", theirTalk}, {"day.txt", theirDay}});
        QCOMPARE(again.after, merge.after);
    }
};

QTEST_GUILESS_MAIN(OlderFilesTest)
#include "older_files_test.moc"
