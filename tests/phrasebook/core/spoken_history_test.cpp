#include "phrasebook/core/MessageLines.h"
#include "phrasebook/core/SpokenHistory.h"
#include "platform/core/MessageRules.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <unistd.h>

using namespace pelumo;
using namespace pelumo::test;

namespace {

QStringList numbered(int from, int count)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out << QStringLiteral("おはなし%1").arg(i);
    return out;
}

QStringList reloaded(const QString &path)
{
    SpokenHistory history;
    history.load(path);
    return history.entries();
}

// Gives the folder its permissions back at the end of a test that took them.
struct PermissionsBack {
    QString path;
    QFileDevice::Permissions was = QFile::permissions(path);
    ~PermissionsBack() { QFile::setPermissions(path, was); }
};

} // namespace

class SpokenHistoryTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QString file() const { return m_dir->filePath(kHistoryFileName); }
    QString kept() const { return m_dir->filePath("history-kept-1.txt"); }

private slots:
    void init() { m_dir.emplace(); }   // a new folder for every test

    // Newest first, a repeat moves up instead of standing twice, the oldest
    // falls off; a new reading of the file gives the same list.
    void addKeepsTheNewestFirst_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("spoken");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("newest first") << QStringList{} << QStringList{"あ", "い", "う"}
                                      << QStringList{"う", "い", "あ"};
        QTest::newRow("a repeat moves to the top")
            << QStringList{"う", "い", "あ"} << QStringList{"い"} << QStringList{"い", "う", "あ"};
        QTest::newRow("only an exact repeat") << QStringList{"はい"} << QStringList{"はい ", "はい_"}
                                              << QStringList{"はい_", "はい ", "はい"};
        QTest::newRow("empty and blank add nothing")
            << QStringList{"はい"} << QStringList{"", " 　"} << QStringList{"はい"};
        QTest::newRow("the 101st drops the oldest")
            << numbered(0, 100) << QStringList{"新"} << QStringList{"新"} + numbered(0, 99);
        QTest::newRow("a repeat at the limit drops nothing")
            << numbered(0, 100) << numbered(99, 1) << numbered(99, 1) + numbered(0, 99);
    }
    void addKeepsTheNewestFirst()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, spoken);
        QFETCH(QStringList, after);
        writeBytes(file(), quotedLines(before));
        SpokenHistory history;
        QVERIFY(history.load(file()).notice.isEmpty());
        for (const QString &message : spoken) {
            const HistoryAdd added = history.add(message);
            QCOMPARE(added.status, trimBlanks(message).isEmpty() ? HistoryAdd::NothingToAdd : HistoryAdd::Saved);
            QVERIFY(added.notice.isEmpty());
        }
        QCOMPARE(history.entries(), after);
        QCOMPARE(reloaded(file()), after);
    }

    // A message keeps every character; the file is Shift_JIS when every
    // line fits, else UTF-8, CR LF, a plain message quoted as Talk.txt does.
    void aMessageIsKeptAsSpoken_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("kana") << "こんにちは_" << shiftJis("\"こんにちは_\"\r\n");
        QTest::newRow("code page 932") << "①髙～" << shiftJis("\"①髙～\"\r\n");
        QTest::newRow("emoji: UTF-8") << "ねこ😺" << QByteArray("\"ねこ😺\"\r\n");
        QTest::newRow("wave dash: UTF-8") << "あ\u301C" << QByteArray("\"あ\u301C\"\r\n");
        QTest::newRow("line breaks") << "あ\nい\r\nう\rえ" << shiftJis("\"あ\"nい\"r\"nう\"rえ\"\r\n");
        QTest::newRow("quotes and blanks at the ends")
            << " \"はい\" 　" << shiftJis("\" \"\"はい\"\" 　\"\r\n");
        QTest::newRow("an escape written by hand") << "\"n" << QByteArray("\"\"\"n\"\r\n");
        QTest::newRow("a lone surrogate") << QStringLiteral("あ") + QChar(0xDC01) + u'"'
                                          << shiftJis("\"あ\"uDC01\"\"\"\r\n");
    }
    void aMessageIsKeptAsSpoken()
    {
        QFETCH(QString, message);
        QFETCH(QByteArray, bytes);
        SpokenHistory history;
        history.load(file());
        QCOMPARE(history.add(message).status, HistoryAdd::Saved);
        QCOMPARE(readBytes(file()), bytes);
        QCOMPARE(reloaded(file()), QStringList{message});
    }

    void everyCodeUnitIsKept()
    {
        QStringList messages;
        for (int from = 0; from < 0x10000; from += 700) {
            QString message;
            for (int unit = from; unit < qMin(from + 700, 0x10000); ++unit)
                message += QChar(char16_t(unit));
            messages.prepend(message);
        }
        SpokenHistory history;
        history.load(file());
        for (auto it = messages.crbegin(); it != messages.crend(); ++it)
            QCOMPARE(history.add(*it).status, HistoryAdd::Saved);
        QCOMPARE(reloaded(file()), messages);
    }

    void handWrittenLinesAreRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("no quotes, blanks trimmed") << QByteArray("  おはよう \r\n") << QStringList{"おはよう"};
        QTest::newRow("blank and empty lines skipped")
            << QByteArray("\r\n\"\"\r\n\" \"\r\n\"\r\n\"あ\"") << QStringList{"あ"};
        QTest::newRow("a repeat keeps the newest")
            << quotedLines({"あ", "い", "あ"}) << QStringList{"あ", "い"};
        QTest::newRow("no escape: the quote dropped")
            << QByteArray("\"あ\"xい\"u12G4\"\r\n") << QStringList{"あxいu12G4"};
    }
    void handWrittenLinesAreRead()
    {
        QFETCH(QByteArray, bytes);
        writeBytes(file(), bytes);
        SpokenHistory history;
        QVERIFY(history.load(file()).notice.isEmpty());
        QTEST(history.entries(), "entries");
    }

    // Catches: the 9,900 messages beyond the limit cut without a copy, a
    // copy at every write, a write over the file when the copy failed.
    void aHugeFileIsKeptAsideOnceBeforeItIsCut()
    {
        const QByteArray bytes = quotedLines(numbered(0, 10000));
        writeBytes(file(), bytes);
        SpokenHistory history;
        const MessageListLoad loaded = history.load(file());
        QVERIFY(loaded.notice.contains("history-kept-1.txt"));
        QCOMPARE(loaded.leftOut, 10000 - kMaxHistory);
        QCOMPARE(history.entries(), numbered(0, kMaxHistory));
        {
            FaultsOff off;
            setFileFaultHook([this](FileOperation op, const QString &path) {
                return op == FileOperation::Write && path == kept() ? FileFault::NoSpace : FileFault::None;
            });
            QCOMPARE(history.add("新").status, HistoryAdd::AsideFailed);
            QCOMPARE(readBytes(file()), bytes);
        }
        const HistoryAdd added = history.add("新");
        QVERIFY(added.ok());
        QCOMPARE(added.keptAs, QStringLiteral("history-kept-1.txt"));
        QCOMPARE(readBytes(kept()), bytes);
        QCOMPARE(readBytes(file()), quotedLines(QStringList{"新"} + numbered(0, kMaxHistory - 1)));
        QCOMPARE(history.add("次").keptAs, QString());
    }

    // The file keeps its encoding, its repeats and blank lines; a character
    // Shift_JIS cannot hold makes it UTF-8 only after a copy, told. Catches:
    // UTF-8 rewritten as Shift_JIS because every line fits, repeats and
    // blanks dropped, a needless change to UTF-8, a silent change or one
    // without the copy, a message fallen off coming back through its repeat.
    void theFileKeepsItsForm_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("keptAndTold");
        const QByteArray utf8("\"はい\"\r\n\r\n\"いいえ\"\r\n\"はい\"\r\n");
        const QByteArray sjis = shiftJis(quotedLines({"はい"}));
        QTest::newRow("UTF-8 that fits cp932") << utf8 << "①髙" << "\"①髙\"\r\n" + utf8 << false;
        QTest::newRow("spoken again: moved, the repeat and the blank stay")
            << utf8 << "いいえ" << QByteArray("\"いいえ\"\r\n\"はい\"\r\n\r\n\"はい\"\r\n") << false;
        QTest::newRow("Shift_JIS stays") << sjis << "①髙" << shiftJis(quotedLines({"①髙", "はい"})) << false;
        QTest::newRow("Shift_JIS, an emoji: UTF-8") << sjis << "ねこ😺" << quotedLines({"ねこ😺", "はい"}) << true;
        QTest::newRow("the oldest falls off with its repeat")
            << quotedLines(numbered(0, 100) + numbered(99, 1)) << "新"
            << quotedLines(QStringList{"新"} + numbered(0, 99)) << false;
    }
    void theFileKeepsItsForm()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, message);
        QFETCH(bool, keptAndTold);
        writeBytes(file(), before);
        SpokenHistory history;
        QVERIFY(history.load(file()).notice.isEmpty());
        const HistoryAdd added = history.add(message);
        QCOMPARE(added.status, HistoryAdd::Saved);
        QTEST(readBytes(file()), "after");
        QCOMPARE(reloaded(file()), history.entries());
        QCOMPARE(readBytes(kept()), keptAndTold ? before : QByteArray("<missing>"));
        QCOMPARE(added.tell, keptAndTold);
        QCOMPARE(added.notice.contains("history-kept-1.txt"), keptAndTold);
    }

    // A file that was not read is told, never written over, and moved aside
    // once before the first save.
    void anUnreadFileIsKeptAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("no read permission") << "unreadable";
        QTest::newRow("too large") << "large";
        QTest::newRow("read fails") << "fault";
    }
    void anUnreadFileIsKeptAside()
    {
        QFETCH(QString, kind);
        if (kind == "unreadable" && ::geteuid() == 0)
            QSKIP("root reads every file");
        const QByteArray bytes = quotedLines({"ひみつ"});
        FaultsOff off;
        if (kind == "folder") {
            QVERIFY(QDir().mkdir(file()));
        } else {
            writeBytes(file(), bytes);
            if (kind == "unreadable")
                QVERIFY(QFile::setPermissions(file(), QFile::WriteOwner));
            if (kind == "large")
                QVERIFY(QFile(file()).resize(kMaxLineFileBytes + 1));
            if (kind == "fault")
                setFileFaultHook([](FileOperation op, const QString &) {
                    return op == FileOperation::Read ? FileFault::CannotOpen : FileFault::None;
                });
        }
        SpokenHistory history;
        const MessageListLoad loaded = history.load(file());
        QVERIFY(loaded.notice.contains("history.txt"));
        QVERIFY(loaded.notice.contains("history-kept-1.txt"));
        QVERIFY(!loaded.errorDetail.isEmpty());
        QVERIFY(history.entries().isEmpty());

        const HistoryAdd added = history.add("はい");
        QCOMPARE(added.status, HistoryAdd::Saved);
        QCOMPARE(added.keptAs, QStringLiteral("history-kept-1.txt"));
        QCOMPARE(history.add("いいえ").keptAs, QString());   // moved once
        setFileFaultHook({});
        QCOMPARE(reloaded(file()), (QStringList{"いいえ", "はい"}));
        QFile::setPermissions(kept(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (kind == "folder")
            QVERIFY(QFileInfo(kept()).isDir());
        else if (kind == "large")
            QCOMPARE(QFileInfo(kept()).size(), kMaxLineFileBytes + 1);
        else
            QCOMPARE(readBytes(kept()), bytes);
    }

    // A failed save leaves the old file whole; the run keeps the message,
    // and the failure is told once until a save succeeds.
    void aFailedSaveLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("read-only folder") << int(FileFault::None);
        QTest::newRow("short write") << int(FileFault::ShortWrite);
        QTest::newRow("no space") << int(FileFault::NoSpace);
        QTest::newRow("failed rename") << int(FileFault::FailedRename);
    }
    void aFailedSaveLeavesTheOldFile()
    {
        QFETCH(int, fault);
        if (fault == int(FileFault::None) && ::geteuid() == 0)
            QSKIP("root writes in every folder");
        writeBytes(file(), quotedLines({"まえ"}));
        SpokenHistory history;
        history.load(file());
        FaultsOff off;
        PermissionsBack back{m_dir->path()};
        if (fault == int(FileFault::None))
            QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        setFileFaultHook([fault](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault(fault) : FileFault::None;
        });
        const HistoryAdd first = history.add("あと");
        QCOMPARE(first.status, HistoryAdd::WriteFailed);
        QVERIFY(first.tell);
        QVERIFY(first.notice.startsWith("話した文を履歴のファイルに保存できませんでした"));
        QVERIFY(!first.errorDetail.isEmpty());
        const HistoryAdd second = history.add("また");
        QCOMPARE(second.status, HistoryAdd::WriteFailed);
        QVERIFY(!second.tell);
        QCOMPARE(history.entries(), (QStringList{"また", "あと", "まえ"}));
        QCOMPARE(readBytes(file()), quotedLines({"まえ"}));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{kHistoryFileName});

        setFileFaultHook({});
        QFile::setPermissions(m_dir->path(), back.was);
        QVERIFY(history.add("こんど").ok());
        QCOMPARE(reloaded(file()), (QStringList{"こんど", "また", "あと", "まえ"}));
    }
};

QTEST_GUILESS_MAIN(SpokenHistoryTest)
#include "spoken_history_test.moc"
