#include "phrasebook/core/QuickPhrases.h"
#include "support/LineFiles.h"
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace pelumo;
using namespace pelumo::test;

namespace {

QStringList phrases(int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("よく使う文%1").arg(i);
    return out;
}

QStringList reloaded(const QString &path)
{
    QuickPhrases quick;
    quick.load(path);
    return quick.phrases();
}

} // namespace

class QuickPhrasesTest : public QObject {
    Q_OBJECT

    std::optional<QTemporaryDir> m_dir;
    QString file() const { return m_dir->filePath(kQuickPhrasesFileName); }

private slots:
    void init() { m_dir.emplace(); }   // a new folder for every test

    void toggle_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("after");
        const QStringList eight = phrases(8);
        QTest::newRow("marked last, an emoji") << QStringList{"はい"} << "いいえ🙅" << int(QuickToggle::Marked)
                                               << QStringList{"はい", "いいえ🙅"};
        QTest::newRow("unmarked, the others in order")
            << QStringList{"あ", "い", "う"} << "い" << int(QuickToggle::Unmarked) << QStringList{"あ", "う"};
        QTest::newRow("the eighth") << phrases(7) << "よく使う文8" << int(QuickToggle::Marked) << eight;
        QTest::newRow("a ninth is refused") << eight << "ほか" << int(QuickToggle::Full) << eight;
        QTest::newRow("unmarked when full") << eight << "よく使う文8" << int(QuickToggle::Unmarked) << phrases(7);
        QTest::newRow("kept exactly as given") << QStringList{"はい"} << "はい " << int(QuickToggle::Marked)
                                               << QStringList{"はい", "はい "};
        QTest::newRow("blank") << QStringList{} << " 　" << int(QuickToggle::NotAPhrase) << QStringList{};
        QTest::newRow("the diary's row") << QStringList{} << "日記" << int(QuickToggle::NotAPhrase) << QStringList{};
    }
    void toggle()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, phrase);
        QFETCH(int, status);
        QFETCH(QStringList, after);
        writeBytes(file(), quotedLines(before));
        QuickPhrases quick;
        QVERIFY(quick.load(file()).notice.isEmpty());
        const QuickToggle toggled = quick.toggle(phrase);
        QCOMPARE(int(toggled.status), status);
        QCOMPARE(toggled.notice, status == QuickToggle::Full ? quickPhrasesFullNotice() : QString());
        QCOMPARE(quick.phrases(), after);
        QCOMPARE(quick.contains(phrase), after.contains(phrase));
        QCOMPARE(quick.isFull(), after.size() == kMaxQuickPhrases);
        QCOMPARE(reloaded(file()), after);
    }

    void aLongFileKeepsTheFirstEight()
    {
        writeBytes(file(), quotedLines(QStringList{"よく使う文2"} + phrases(20)));
        QuickPhrases quick;
        const MessageListLoad loaded = quick.load(file());
        QVERIFY(loaded.notice.isEmpty());
        QCOMPARE(loaded.leftOut, 13);
        QCOMPARE(quick.phrases(), QStringList{"よく使う文2"} + phrases(1) + phrases(8).mid(2));
    }

    // What the panel does not show stays in quick.txt as it was. Catches: the
    // file cut to the shown eight (lines 9 on lost), kept lines rewritten in
    // our form or re-encoded, repeats and blank lines dropped, an unmarked
    // phrase back at the next reading through its repeat, the panel and a
    // new reading of the file disagreeing.
    void theFileKeepsWhatIsNotShown_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("shown");
        QByteArray byHand;   // lines 9 to 20 as a carer typed them, no quotes
        for (const QString &phrase : phrases(20).mid(8))
            byHand += " " + phrase.toUtf8() + "　\r\n";
        QStringList seven = phrases(8);
        seven.removeAt(2);
        QTest::newRow("20 lines, an unmark: lines 9-20 stay, the 9th comes up")
            << quotedLines(phrases(8)) + byHand << "よく使う文3" << quotedLines(seven) + byHand
            << seven + QStringList{"よく使う文9"};
        QTest::newRow("UTF-8 that fits cp932, a mark: UTF-8, the repeat and the blank stay")
            << QByteArray("\"はい\"\r\n\r\n\"はい\"\r\n") << "いいえ"
            << QByteArray("\"はい\"\r\n\"いいえ\"\r\n\r\n\"はい\"\r\n") << QStringList{"はい", "いいえ"};
        QTest::newRow("an unmark takes the phrase's repeat too")
            << QByteArray("\"はい\"\r\n\r\n\"いいえ\"\r\nはい\r\n") << "はい"
            << QByteArray("\r\n\"いいえ\"\r\n") << QStringList{"いいえ"};
    }
    void theFileKeepsWhatIsNotShown()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, phrase);
        QFETCH(QStringList, shown);
        writeBytes(file(), before);
        QuickPhrases quick;
        quick.load(file());
        const QuickToggle toggled = quick.toggle(phrase);
        QVERIFY(toggled.ok());
        QVERIFY(toggled.notice.isEmpty());
        QTEST(readBytes(file()), "after");
        QCOMPARE(quick.phrases(), shown);
        QCOMPARE(reloaded(file()), shown);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{kQuickPhrasesFileName});
    }

    void aFolderInItsPlaceIsKeptAside()
    {
        QVERIFY(QDir().mkdir(file()));
        QuickPhrases quick;
        const MessageListLoad loaded = quick.load(file());
        QVERIFY(loaded.notice.contains("quick-kept-1.txt"));
        QVERIFY(quick.phrases().isEmpty());
        const QuickToggle toggled = quick.toggle("はい");
        QCOMPARE(toggled.status, QuickToggle::Marked);
        QCOMPARE(toggled.keptAs, QStringLiteral("quick-kept-1.txt"));
        QVERIFY(QFileInfo(m_dir->filePath("quick-kept-1.txt")).isDir());
        QCOMPARE(reloaded(file()), QStringList{"はい"});
    }

    void aFailedSaveChangesNothing()
    {
        writeBytes(file(), quotedLines({"はい"}));
        QuickPhrases quick;
        quick.load(file());
        FaultsOff off;
        setFileFaultHook([](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault::NoSpace : FileFault::None;
        });
        for (const QString &phrase : QStringList{"いいえ", "はい"}) {
            const QuickToggle toggled = quick.toggle(phrase);
            QCOMPARE(toggled.status, QuickToggle::WriteFailed);
            QVERIFY(toggled.notice.startsWith("よく使う文を保存できませんでした"));
            QCOMPARE(toggled.errorDetail, QStringLiteral("No space left on device"));
        }
        QCOMPARE(quick.phrases(), QStringList{"はい"});
        QCOMPARE(readBytes(file()), quotedLines({"はい"}));
    }
};

QTEST_GUILESS_MAIN(QuickPhrasesTest)
#include "quick_phrases_test.moc"
