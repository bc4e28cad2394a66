#include "phrasebook/core/FileNotices.h"
#include "phrasebook/core/PhraseBook.h"
#include "phrasebook/core/PhraseFile.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;
using namespace pelumo::test;

namespace {

const QString PH = kPlaceholderText;

QStringList numbered(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("ありがとうございます%1").arg(i, 5, 10, QChar(u'0'));
    return out;
}

// The book must equal a new reading of its file, index included.
void compareWithFreshLoad(const PhraseBook &book)
{
    PhraseBook fresh(book.path());
    QVERIFY(fresh.load().notice.isEmpty());
    QCOMPARE(book.rows(), fresh.rows());
    QCOMPARE(book.labels(), fresh.labels());
    QCOMPARE(book.phrases(), fresh.phrases());
    for (const QString &p : fresh.phrases())
        for (int n = 1; n <= 2; ++n)
            QCOMPARE(book.lookup(p.left(n)), fresh.lookup(p.left(n)));
}

} // namespace

class PhraseBookTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString talk() const { return m_dir.filePath("Talk.txt"); }

private slots:
    void init()
    {
        QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files | QDir::NoDotAndDotDot))
            QVERIFY(dir.remove(name));
    }

    void loadBuildsTheList_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("sorted, placeholder first")
            << quotedLines({"こんにちは", PH, "おはよう"}) << QStringList{"こんにちは", PH, "おはよう"}
            << QStringList{PH, "おはよう", "こんにちは"} << QStringList{"あ行", "", "か行"};
        QTest::newRow("code order before the placeholder follows it")
            << quotedLines({"ああ", PH, "1ばん", "あ、", "Ok"}) << QStringList{"ああ", PH, "1ばん", "あ、", "Ok"}
            << QStringList{PH, "1ばん", "Ok", "あ、", "ああ"} << QStringList{"あ行", "", "", "", ""};
        QTest::newRow("no placeholder: one is put first")
            << quotedLines({"はい", "1ばん"}) << QStringList{"はい", "1ばん"}
            << QStringList{PH, "1ばん", "はい"} << QStringList{"あ行", "", "は行"};
        QTest::newRow("blank file") << QByteArray("\r\n  \r\n") << QStringList{QString()}
                                    << QStringList{PH} << QStringList{"あ行"};
    }
    void loadBuildsTheList()
    {
        QFETCH(QByteArray, file);
        writeBytes(talk(), file);
        PhraseBook book(talk());
        const PhraseBookLoad loaded = book.load();
        QVERIFY(loaded.notice.isEmpty());
        QVERIFY(!loaded.tell);
        QTEST(book.phrases(), "phrases");
        QTEST(book.rows(), "rows");
        QTEST(book.labels(), "labels");
        QCOMPARE(book.lookup(PH), QStringList());   // the placeholder is never offered
    }

    void addEqualsAFreshLoad_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("emptied");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("stored");
        QTest::newRow("middle") << quotedLines({PH, "あめ", "かさ"}) << QList<int>{} << "いぬ" << "いぬ";
        QTest::newRow("last") << quotedLines({PH, "あめ"}) << QList<int>{} << "わかった" << "わかった";
        QTest::newRow("after emptied rows")
            << quotedLines({PH, "あめ", "いぬ", "かさ", "さる"}) << QList<int>{2, 4} << "うみ" << "うみ";
        QTest::newRow("digit before the placeholder")
            << quotedLines({"1ばん", PH, "Ok", "あ、"}) << QList<int>{} << "0じ" << "0じ";
        QTest::newRow("no placeholder in the file") << quotedLines({"はい"}) << QList<int>{} << "いいえ" << "いいえ";
        QTest::newRow("reserved lines are not read back")
            << quotedLines({PH, "メモ", "あさ", "日記", PH}) << QList<int>{} << "よる" << "よる";
        QTest::newRow("twice the same phrase in the file")
            << quotedLines({PH, "あさ", "あさ"}) << QList<int>{} << "ひる" << "ひる";
        QTest::newRow("empty quoted line") << quotedLines({"", PH, "あさ"}) << QList<int>{} << "いえ" << "いえ";
        QTest::newRow("stored as read back")
            << quotedLines({PH}) << QList<int>{} << " 彼は\"はい\"\r\nと　" << "彼ははい と";
        QTest::newRow("blank file") << QByteArray("\r\n") << QList<int>{} << "あ" << "あ";
    }
    void addEqualsAFreshLoad()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, emptied);
        QFETCH(QString, phrase);
        QFETCH(QString, stored);
        writeBytes(talk(), file);
        PhraseBook book(talk());
        book.load();
        for (int row : emptied)
            QCOMPARE(book.emptyRow(row).status, PhraseBookEdit::Emptied);
        const PhraseBookEdit added = book.add(phrase);
        QCOMPARE(added.status, PhraseBookEdit::Added);
        QVERIFY(added.notice.isEmpty());
        QCOMPARE(book.rows().at(added.row), stored);
        QCOMPARE(book.rowOf(stored), added.row);
        QVERIFY(book.lookup(stored).contains(stored));
        compareWithFreshLoad(book);
    }

    void refusedAdditionsWriteNothing_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("emptyARowFirst");
        QTest::addColumn<int>("status");
        QTest::newRow("same phrase") << "おはよう" << false << int(PhraseBookEdit::Duplicate);
        QTest::newRow("with blanks around") << "　おはよう " << false << int(PhraseBookEdit::Duplicate);
        QTest::newRow("the diary row") << "日記" << false << int(PhraseBookEdit::Duplicate);
        QTest::newRow("memo") << "メモ" << false << int(PhraseBookEdit::Duplicate);
        QTest::newRow("the placeholder") << PH << false << int(PhraseBookEdit::Duplicate);
        QTest::newRow("empty, an emptied row shown") << "" << true << int(PhraseBookEdit::Duplicate);
        QTest::newRow("empty") << " " << false << int(PhraseBookEdit::NothingToAdd);
        QTest::newRow("too long") << QString(kMaxLineLength - 1, u'あ') << false
                                  << int(PhraseBookEdit::LineTooLong);
    }
    void refusedAdditionsWriteNothing()
    {
        QFETCH(QString, phrase);
        QFETCH(bool, emptyARowFirst);
        QFETCH(int, status);
        writeBytes(talk(), quotedLines({PH, "おはよう", "こんにちは"}));
        PhraseBook book(talk());
        book.load();
        if (emptyARowFirst)
            QCOMPARE(book.emptyRow(2).status, PhraseBookEdit::Emptied);
        const QByteArray before = readBytes(talk());
        const QStringList rows = book.rows();
        const PhraseBookEdit edit = book.add(phrase);
        QCOMPARE(int(edit.status), status);
        if (edit.status == PhraseBookEdit::Duplicate)
            QCOMPARE(edit.notice, QStringLiteral("同一文が登録されています"));
        if (edit.status == PhraseBookEdit::LineTooLong)
            QCOMPARE(edit.notice, phraseTooLongNotice());
        QCOMPARE(edit.row, -1);
        QCOMPARE(book.rows(), rows);
        QCOMPARE(readBytes(talk()), before);
    }

    void tooManyPhrasesAreRefused()
    {
        writeBytes(talk(), quotedLines(QStringList{PH} + numbered(kMaxPhrases)));
        PhraseBook book(talk());
        QVERIFY(book.load().notice.isEmpty());
        const PhraseBookEdit edit = book.add("いいえ");
        QCOMPARE(edit.status, PhraseBookEdit::TooManyPhrases);
        QCOMPARE(edit.notice, tooManyPhrasesNotice());
        QVERIFY(!book.contains("いいえ"));
        // Room again once one is deleted.
        QCOMPARE(book.emptyRow(5).status, PhraseBookEdit::Emptied);
        QCOMPARE(book.add("いいえ").status, PhraseBookEdit::Added);
    }

    void deleteEmptiesTheRow()
    {
        writeBytes(talk(), quotedLines({PH, "あさ", "いぬ", "かさ"}));
        PhraseBook book(talk());
        book.load();
        const QStringList labels = book.labels();
        const PhraseBookEdit edit = book.emptyRow(2);
        QCOMPARE(edit.status, PhraseBookEdit::Emptied);
        QCOMPARE(edit.row, 2);
        QCOMPARE(book.rows(), (QStringList{PH, "あさ", "", "かさ"}));
        QCOMPARE(book.labels(), labels);
        QCOMPARE(book.phrases(), (QStringList{PH, "あさ", "かさ"}));
        QCOMPARE(book.lookup("い"), QStringList());
        QCOMPARE(readBytes(talk()), quotedLines({PH, "あさ", "かさ"}));
        for (int row : {0, 2, -1, 4})   // the diary's row, an emptied row, no row
            QCOMPARE(book.emptyRow(row).status, PhraseBookEdit::NothingToDelete);
        QCOMPARE(readBytes(talk()), quotedLines({PH, "あさ", "かさ"}));

        // A file out of list order: the phrases keep the file's order, and of
        // two equal ones the first in the file goes, the other is still offered.
        writeBytes(talk(), quotedLines({"かさ", PH, "いぬ", "あさ", "いぬ"}));
        book.load();
        QCOMPARE(book.rows(), (QStringList{PH, "あさ", "いぬ", "いぬ", "かさ"}));
        QCOMPARE(book.emptyRow(3).status, PhraseBookEdit::Emptied);
        QCOMPARE(book.phrases(), (QStringList{"かさ", PH, "あさ", "いぬ"}));
        QCOMPARE(book.lookup("い"), QStringList{"いぬ"});
    }

    // A file as the book last read or wrote it is not read again; any change
    // to it, even of the same size, is.
    void onlyAChangedFileIsReadAgain()
    {
        writeBytes(talk(), quotedLines({PH, "あさ", "いぬ"}));
        PhraseBook book(talk());
        book.load();
        {
            FaultsOff off;
            setFileFaultHook([](FileOperation op, const QString &) {
                return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
            });
            QVERIFY(book.load().notice.isEmpty());   // not read: the fault never came
            QVERIFY(book.add("うみ").ok());
            QVERIFY(book.load().notice.isEmpty());   // written by the book itself
        }
        QCOMPARE(book.rows(), (QStringList{PH, "あさ", "いぬ", "うみ"}));
        writeBytes(talk(), quotedLines({PH, "かさ", "いぬ", "うみ"}));   // the same size
        book.load();
        QCOMPARE(book.rows(), (QStringList{PH, "いぬ", "うみ", "かさ"}));
        compareWithFreshLoad(book);
    }

    void failedWritesChangeNothing()
    {
        writeBytes(talk(), quotedLines({PH, "あさ", "いぬ"}));
        PhraseBook book(talk());
        book.load();
        FaultsOff off;
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::NoSpace : FileFault::None;
        });
        for (const PhraseBookEdit &edit : {book.add("うみ"), book.emptyRow(1)}) {
            QCOMPARE(edit.status, PhraseBookEdit::WriteFailed);
            QCOMPARE(edit.notice, writeFailedNotice(LineFileKind::PhraseBook));
            QCOMPARE(edit.errorDetail, QStringLiteral("No space left on device"));
        }
        QCOMPARE(book.rows(), (QStringList{PH, "あさ", "いぬ"}));
        QCOMPARE(book.lookup("あ"), QStringList{"あさ"});
        QCOMPARE(readBytes(talk()), quotedLines({PH, "あさ", "いぬ"}));
    }

    // A Shift_JIS file keeps its format while it can; a phrase it cannot hold
    // asks first, and on ＯＫ the old file is kept beside the new UTF-8 one.
    void shiftJisFileAsksBeforeBecomingUtf8()
    {
        const QByteArray old = shiftJis(quotedLines({PH, "おはよう"}));
        writeBytes(talk(), old);
        PhraseBook book(talk());
        book.load();
        QCOMPARE(book.add("髙①").status, PhraseBookEdit::Added);
        QCOMPARE(readBytes(talk()), shiftJis(quotedLines({PH, "おはよう", "髙①"})));

        const QByteArray sjis = readBytes(talk());
        const QString wave = QString(QChar(0x301C));   // WAVE DASH: not in code page 932
        const PhraseBookEdit asked = book.add(wave);
        QCOMPARE(asked.status, PhraseBookEdit::NeedsOtherEncoding);
        QCOMPARE(asked.notice, formatChangeQuestion(LineFileKind::PhraseBook, TextEncoding::ShiftJis));
        QCOMPARE(readBytes(talk()), sjis);
        QVERIFY(!book.contains(wave));

        const PhraseBookEdit added = book.add(wave, WriteMode::AsUtf8AfterCopyAside);
        QCOMPARE(added.status, PhraseBookEdit::Added);
        QCOMPARE(added.keptAs, QStringLiteral("Talk-kept-1.txt"));
        QCOMPARE(readBytes(m_dir.filePath("Talk-kept-1.txt")), sjis);
        QCOMPARE(readBytes(talk()), quotedLines({PH, wave, "おはよう", "髙①"}));
        compareWithFreshLoad(book);
    }

    // A file that was not read whole is told once and moved aside before the
    // first save, which then holds the list as shown.
    void unreadFileIsKeptAsideBeforeTheFirstSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("cannot be read") << quotedLines({PH, "ひみつ"}) << true;
        QTest::newRow("a line too long")
            << quotedLines({PH, QString(kMaxLineLength, u'あ'), "はい"}) << false;
    }
    void unreadFileIsKeptAsideBeforeTheFirstSave()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, faulty);
        writeBytes(talk(), file);
        FaultsOff off;
        if (faulty)
            setFileFaultHook([](FileOperation op, const QString &) {
                return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
            });
        PhraseBook book(talk());
        const PhraseBookLoad first = book.load();
        QVERIFY(first.tell);
        QVERIFY(first.notice.contains("Talk-kept-1.txt"));
        QVERIFY(!book.load().tell);   // told once
        setFileFaultHook({});
        const QStringList shown = book.rows();

        const PhraseBookEdit added = book.add("あ");
        QCOMPARE(added.status, PhraseBookEdit::Added);
        QCOMPARE(added.keptAs, QStringLiteral("Talk-kept-1.txt"));
        QCOMPARE(readBytes(m_dir.filePath("Talk-kept-1.txt")), file);
        QStringList expected = shown;
        expected.insert(1, "あ");
        QCOMPARE(book.rows(), expected);
        compareWithFreshLoad(book);
        QCOMPARE(book.add("い").keptAs, QString());   // moved once only
        // The file now reads well: a new problem with a changed file is told again.
        writeBytes(talk(), readBytes(talk()));
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
        });
        QVERIFY(book.load().tell);
    }

    // The question comes before the unread file is moved: キャンセル leaves it.
    void declinedFormatChangeLeavesTheUnreadBytes()
    {
        const QByteArray file = shiftJis(quotedLines({PH, "はい"})) + "\"" + QByteArray(kMaxLineLength, 'a') + "\"\r\n";
        writeBytes(talk(), file);
        PhraseBook book(talk());
        QVERIFY(book.load().tell);
        const QString wave = QString(QChar(0x301C));
        QCOMPARE(book.add(wave).status, PhraseBookEdit::NeedsOtherEncoding);
        QCOMPARE(readBytes(talk()), file);
        QVERIFY(!QFile::exists(m_dir.filePath("Talk-kept-1.txt")));
        const PhraseBookEdit added = book.add(wave, WriteMode::AsUtf8AfterCopyAside);
        QCOMPARE(added.status, PhraseBookEdit::Added);
        QCOMPARE(readBytes(m_dir.filePath("Talk-kept-1.txt")), file);
        QCOMPARE(readBytes(talk()), quotedLines({PH, wave, "はい"}));
    }

    void addBeforeLoadWritesNothing()
    {
        writeBytes(talk(), quotedLines({PH, "ひみつ"}));
        PhraseBook book(talk());
        QCOMPARE(book.add("あ").status, PhraseBookEdit::WriteFailed);
        QCOMPARE(book.emptyRow(1).status, PhraseBookEdit::NothingToDelete);
        QCOMPARE(readBytes(talk()), quotedLines({PH, "ひみつ"}));
    }

    void missingFileIsCreated()
    {
        PhraseBook book(talk());
        const PhraseBookLoad loaded = book.load();
        QVERIFY(loaded.notice.isEmpty());
        QCOMPARE(readBytes(talk()), quotedLines({PH}));
        QCOMPARE(book.rows(), QStringList{PH});
        QCOMPARE(book.phrases(), QStringList{PH});

        PhraseBook nowhere(m_dir.filePath("no-such-folder/Talk.txt"));
        const PhraseBookLoad failed = nowhere.load();
        QCOMPARE(failed.notice, cannotCreateNotice(LineFileKind::PhraseBook));
        QVERIFY(failed.tell);
        QVERIFY(!failed.errorDetail.isEmpty());
        QVERIFY(!nowhere.load().tell);
        QCOMPARE(nowhere.rows(), QStringList{PH});
    }

    // Damaged lines are told once; an addition keeps their bytes, so a new
    // reading still finds them and does not tell again.
    void damagedLinesAreToldOnce()
    {
        const QByteArray damaged = "\"\x82\xA0\x85\x40\xFF\"\r\n";
        writeBytes(talk(), shiftJis(quotedLines({PH, "はい"})) + damaged);
        PhraseBook book(talk());
        QVERIFY(book.load().tell);
        QCOMPARE(book.add("いいえ").status, PhraseBookEdit::Added);
        QVERIFY(readBytes(talk()).contains(damaged));
        const PhraseBookLoad again = book.load();
        QVERIFY(!again.notice.isEmpty());
        QVERIFY(!again.tell);
    }

    void largestBookLoadsAndAddsQuickly()
    {
        QStringList phrases = numbered(kMaxPhrases - 1);
        std::reverse(phrases.begin(), phrases.end());
        writeBytes(talk(), quotedLines(QStringList{PH} + phrases));
        PhraseBook book(talk());
        QElapsedTimer timer;
        timer.start();
        book.load();
        const qint64 load = timer.restart();
        QCOMPARE(book.add("ありがとうございます12345a").status, PhraseBookEdit::Added);
        const qint64 add = timer.restart();
        QCOMPARE(book.emptyRow(7).status, PhraseBookEdit::Emptied);
        const qint64 remove = timer.elapsed();
        qInfo("32,767 phrases: load %lld ms, add %lld ms, delete %lld ms", load, add, remove);
        QVERIFY(load < 1000 && add < 1000 && remove < 1000);
        QCOMPARE(book.rows().size(), kMaxPhrases + 1);
    }
};

QTEST_GUILESS_MAIN(PhraseBookTest)
#include "phrase_book_test.moc"
