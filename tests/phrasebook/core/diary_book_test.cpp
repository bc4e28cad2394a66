#include "phrasebook/core/DiaryBook.h"
#include "phrasebook/core/FileNotices.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;
using namespace pelumo::test;

Q_DECLARE_METATYPE(DiaryEntry)

namespace {

const QDate kToday(2004, 7, 15);   // "04.07.15"

QStringList listed(const DiaryBook &book)
{
    QStringList out;
    for (const DiaryEntry &e : book.entries())
        out << e.date + u'|' + e.text;
    return out;
}

} // namespace

class DiaryBookTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString day() const { return m_dir.filePath("day.txt"); }

private slots:
    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot))
            QVERIFY(dir.remove(name));
    }

    // Newest first by the date text, descending code order; entries of one
    // date keep their file order, and today's row stands where it sorts.
    void listOrder_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("today's row added")
            << QStringList{"04.07.14 きのう_"} << QStringList{"04.07.15|", "04.07.14|きのう_"};
        QTest::newRow("an entry of today: no row added")
            << QStringList{"04.07.14 きのう_", "04.07.15 きょう_"}
            << QStringList{"04.07.15|きょう_", "04.07.14|きのう_"};
        QTest::newRow("centuries by the two-digit year")
            << QStringList{"04.01.01 b", "99.12.31 a"}
            << QStringList{"99.12.31|a", "04.07.15|", "04.01.01|b"};
        QTest::newRow("one date twice keeps file order")
            << QStringList{"04.07.14 一", "04.07.16 あした", "04.07.14 二"}
            << QStringList{"04.07.16|あした", "04.07.15|", "04.07.14|一", "04.07.14|二"};
        QTest::newRow("not a date sorts by its text")
            << QStringList{"04.07.14 x", "メモ"} << QStringList{"メモ|", "04.07.15|", "04.07.14|x"};
        QTest::newRow("empty file") << QStringList{} << QStringList{"04.07.15|"};
    }
    void listOrder()
    {
        QFETCH(QStringList, lines);
        writeBytes(day(), quotedLines(lines));
        DiaryBook book(day());
        const DiaryLoad loaded = book.load(kToday);
        QVERIFY(loaded.notice.isEmpty());
        QVERIFY(!loaded.unreadable);
        QTEST(listed(book), "listed");
        QCOMPARE(book.size(), int(book.entries().size()));
    }

    // Every entry is written in list order; lines left alone keep their
    // bytes, whatever they are, and the file its encoding.
    void saveWritesTheListKeepingBytes()
    {
        const QByteArray damaged("\"04.07.12 \x82\xA0\x85\x40\xFF\"\r\n");
        const QByteArray ownHand = shiftJis(quotedLines({"04.07.14 ①髙～"}));
        writeBytes(day(), shiftJis(quotedLines({"04.07.10 ふるい"})) + ownHand + damaged);
        DiaryBook book(day());
        QVERIFY(book.load(kToday).tell);   // the damaged line
        QCOMPARE(book.entry(0).date, QStringLiteral("04.07.15"));

        const DiarySave saved = book.saveEntry(0, "きょう\r\nはれ_");
        QCOMPARE(saved.status, DiarySave::Saved);
        QCOMPARE(readBytes(day()), shiftJis(quotedLines({"04.07.15 きょう はれ_"})) + ownHand + damaged
                                       + shiftJis(quotedLines({"04.07.10 ふるい"})));
        QCOMPARE(book.entry(0).text, QStringLiteral("きょう はれ_"));   // as the file reads it

        // Today's entry is found again: no second row for today.
        DiaryBook again(day());
        again.load(kToday);
        QCOMPARE(listed(again), listed(book));
    }

    void aNewCharacterAsksBeforeUtf8()
    {
        const QByteArray old = shiftJis(quotedLines({"04.07.14 きのう"}));
        writeBytes(day(), old);
        DiaryBook book(day());
        book.load(kToday);
        const QString wave = QStringLiteral("なみ") + QChar(0x301C);
        const DiarySave asked = book.saveEntry(0, wave);
        QCOMPARE(asked.status, DiarySave::NeedsOtherEncoding);
        QCOMPARE(asked.notice, formatChangeQuestion(LineFileKind::Diary, TextEncoding::ShiftJis));
        QCOMPARE(readBytes(day()), old);
        QCOMPARE(book.entry(0).text, QString());

        const DiarySave saved = book.saveEntry(0, wave, WriteMode::AsUtf8AfterCopyAside);
        QCOMPARE(saved.status, DiarySave::Saved);
        QCOMPARE(saved.keptAs, QStringLiteral("day-kept-1.txt"));
        QCOMPARE(readBytes(m_dir.filePath("day-kept-1.txt")), old);
        QCOMPARE(readBytes(day()), quotedLines({"04.07.15 " + wave, "04.07.14 きのう"}));
    }

    // A file that was not read is told once and moved aside before the first
    // save, which would otherwise replace every entry with today's row.
    void unreadableFileIsKeptAside()
    {
        const QByteArray file = quotedLines({"04.07.14 ひみつ"});
        writeBytes(day(), file);
        FaultsOff off;
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
        });
        DiaryBook book(day());
        const DiaryLoad first = book.load(kToday);
        QVERIFY(first.tell);
        QVERIFY(first.unreadable);
        QVERIFY(first.notice.contains("day-kept-1.txt"));
        QVERIFY(!first.errorDetail.isEmpty());
        QVERIFY(!book.load(kToday).tell);   // told once
        QCOMPARE(listed(book), QStringList{"04.07.15|"});

        const DiarySave saved = book.saveEntry(0, "きょう_");
        QCOMPARE(saved.status, DiarySave::Saved);
        QCOMPARE(saved.keptAs, QStringLiteral("day-kept-1.txt"));
        QCOMPARE(readBytes(m_dir.filePath("day-kept-1.txt")), file);
        setFileFaultHook({});
        QCOMPARE(readBytes(day()), quotedLines({"04.07.15 きょう_"}));
        QVERIFY(!book.isUnreadable());
        QVERIFY(book.load(kToday).notice.isEmpty());
        // Read well once: a new problem is told again.
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
        });
        QVERIFY(book.load(kToday).tell);
    }

    void failedSavesChangeNothing()
    {
        const QByteArray file = quotedLines({"04.07.15 けさ"});
        writeBytes(day(), file);
        DiaryBook book(day());
        book.load(kToday);
        const DiarySave nowhere = book.saveEntry(1, "よる");
        QCOMPARE(nowhere.status, DiarySave::NoSuchEntry);
        QCOMPARE(nowhere.notice, writeFailedNotice(LineFileKind::Diary));

        FaultsOff off;
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::ShortWrite : FileFault::None;
        });
        const DiarySave failed = book.saveEntry(0, "よる");
        QCOMPARE(failed.status, DiarySave::WriteFailed);
        QCOMPARE(failed.notice, writeFailedNotice(LineFileKind::Diary));
        QVERIFY(!failed.errorDetail.isEmpty());
        QCOMPARE(book.entry(0).text, QStringLiteral("けさ"));
        QCOMPARE(readBytes(day()), file);
    }
};

QTEST_GUILESS_MAIN(DiaryBookTest)
#include "diary_book_test.moc"
