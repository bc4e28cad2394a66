#include "phrasebook/core/DiaryFile.h"
#include <QTest>

using namespace pelumo;

Q_DECLARE_METATYPE(DiaryEntry)

class DiaryFileTest : public QObject {
    Q_OBJECT

    static QString u(const char *utf8) { return QString::fromUtf8(utf8); }

private slots:
    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("2004") << QDate(2004, 7, 15) << "04.07.15";
        QTest::newRow("1999") << QDate(1999, 12, 31) << "99.12.31";
        QTest::newRow("2026") << QDate(2026, 1, 2) << "26.01.02";
        QTest::newRow("2100") << QDate(2100, 3, 1) << "00.03.01";
    }
    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(diaryDateText(date), text);
    }

    void parsesLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("as written") << u("\"04.07.14 きのう_\"") << true << "04.07.14" << u("きのう_");
        QTest::newRow("empty entry") << "\"04.07.15 \"" << true << "04.07.15" << "";
        QTest::newRow("date alone") << "04.07.15" << true << "04.07.15" << "";
        QTest::newRow("no quotes") << u("04.07.14 あ") << true << "04.07.14" << u("あ");
        QTest::newRow("quotes inside are dropped") << u("\"04.07.14 \"あ\"\"") << true << "04.07.14" << u("あ");
        QTest::newRow("text trimmed") << u("\"04.07.14 　あ い \"") << true << "04.07.14" << u("あ い");
        QTest::newRow("blanks before the date") << u("  \"04.07.14 あ\"") << true << "04.07.14" << u("あ");
        QTest::newRow("no separating space") << u("\"04.07.14あ\"") << true << "04.07.14" << u("あ");
        QTest::newRow("not a date, kept") << u("\"きょうのにっき\"") << true << u("きょうのにっき") << "";
        QTest::newRow("blank") << u(" 　 ") << false << "" << "";
        QTest::newRow("empty") << "" << false << "" << "";
        QTest::newRow("only quotes") << "\"\"" << false << "" << "";
    }
    void parsesLines()
    {
        QFETCH(QString, line);
        QFETCH(bool, taken);
        QFETCH(QString, date);
        QFETCH(QString, text);
        DiaryEntry e;
        QCOMPARE(parseDiaryLine(line, e), taken);
        if (taken) {
            QCOMPARE(e.date, date);
            QCOMPARE(e.text, text);
        }
    }

    void todaysRow_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QVector<DiaryEntry>>("entries");
        QTest::addColumn<int>("skipped");
        const QString today = "04.07.15";
        QTest::newRow("first line older: today added")
            << QStringList{u("\"04.07.14 きのう_\"")}
            << QVector<DiaryEntry>{{today, ""}, {"04.07.14", u("きのう_")}} << 0;
        QTest::newRow("first line today: nothing added")
            << QStringList{u("\"04.07.15 きょう_\""), u("\"04.07.14 きのう_\"")}
            << QVector<DiaryEntry>{{today, u("きょう_")}, {"04.07.14", u("きのう_")}} << 0;
        QTest::newRow("today below an entry of the 1990s: nothing added")
            << QStringList{u("\"99.12.31 むかし\""), u("\"04.07.15 きょう_\"")}
            << QVector<DiaryEntry>{{"99.12.31", u("むかし")}, {today, u("きょう_")}} << 0;
        QTest::newRow("blank lines before today")
            << QStringList{"", "  ", u("\"04.07.15 きょう_\"")}
            << QVector<DiaryEntry>{{today, u("きょう_")}} << 2;
        QTest::newRow("empty file") << QStringList{} << QVector<DiaryEntry>{{today, ""}} << 0;
        QTest::newRow("only blank lines") << QStringList{"", "\"\""}
                                          << QVector<DiaryEntry>{{today, ""}} << 2;
    }
    void todaysRow()
    {
        QFETCH(QStringList, lines);
        QFETCH(QVector<DiaryEntry>, entries);
        QFETCH(int, skipped);
        const DiaryReading r = readDiaryLines(lines, "04.07.15");
        QCOMPARE(r.entries, entries);
        QCOMPARE(r.skipped, skipped);
    }

    void undatedEntriesAreKeptAndCounted()
    {
        const DiaryReading r = readDiaryLines({u("\"メモ\""), "\"04.02.30 x\"", "\"04.13.01 y\"",
                                               "\"4.7.14 z\"", "\"00.02.29 leap\"", "\"04.07.14 w\""},
                                              "04.07.15");
        QCOMPARE(r.entries.size(), 7);   // today's row, then all six
        QCOMPARE(r.entries.at(1).date, u("メモ"));
        QCOMPARE(r.entries.at(4).date, "4.7.14 z");
        QCOMPARE(r.undated, 4);          // 30 February and month 13 are no dates either
    }

    void writesLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        QTest::newRow("entry") << u("きょうはいいてんきでした_") << u("\"04.07.15 きょうはいいてんきでした_\"");
        QTest::newRow("empty entry: date and space") << "" << "\"04.07.15 \"";
        QTest::newRow("line feed") << u("あ\nい") << u("\"04.07.15 あ い\"");
        QTest::newRow("cr lf is one space") << u("あ\r\nい") << u("\"04.07.15 あ い\"");
        QTest::newRow("lone cr") << u("あ\rい") << u("\"04.07.15 あ い\"");
        QTest::newRow("paragraph separator") << u("あ\u2029い") << u("\"04.07.15 あ い\"");
    }
    void writesLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(diaryLine("04.07.15", text), line);
    }

    void writtenLineReadsBack()
    {
        for (const QString &text : {u("きのう_"), QString(), u("あ\nい_")}) {
            DiaryEntry e;
            QVERIFY(parseDiaryLine(diaryLine("99.12.31", text), e));
            QCOMPARE(e.date, "99.12.31");
            QCOMPARE(e.text, QString(text).replace(u'\n', u' '));
        }
    }
};

QTEST_APPLESS_MAIN(DiaryFileTest)
#include "diary_file_test.moc"
