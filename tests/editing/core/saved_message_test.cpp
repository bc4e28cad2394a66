#include "editing/core/SavedMessage.h"
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace pelumo;

class SavedMessageTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip()
    {
        const SavedMessage m{QString::fromUtf8("改行\nも \"引用\" も😀_"), 9, 3, true};
        QCOMPARE(parseSavedMessage(savedMessageBytes(m)), std::optional<SavedMessage>(m));
    }

    // The highlight comes back inside the text and never between the halves
    // of a surrogate pair, whatever the file says.
    void highlightIsWholeCharacters_data()
    {
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("anchorAfter");
        QTest::addColumn<int>("positionAfter");
        QTest::newRow("as written") << 1 << 3 << 1 << 3;
        QTest::newRow("half a pair grows") << 2 << 3 << 1 << 3;
        QTest::newRow("leftward half grows") << 3 << 2 << 3 << 1;
        QTest::newRow("caret inside a pair") << 2 << 2 << 1 << 1;
        QTest::newRow("outside the text") << 90 << -4 << 4 << 0;
    }
    void highlightIsWholeCharacters()
    {
        QFETCH(int, anchor);
        QFETCH(int, position);
        const QByteArray bytes = QStringLiteral(R"({"version":1,"text":"あ😀_","anchor":%1,"position":%2})")
                                     .arg(anchor).arg(position).toUtf8();
        const std::optional<SavedMessage> m = parseSavedMessage(bytes);
        QVERIFY(m);
        QTEST(m->anchor, "anchorAfter");
        QTEST(m->position, "positionAfter");
    }

    void notOursIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x00\xff{{", 5);
        QTest::newRow("an array") << QByteArray("[1,2]");
        QTest::newRow("no version") << QByteArray(R"({"text":"x","anchor":0,"position":1})");
        QTest::newRow("a later version") << QByteArray(R"({"version":2,"text":"x","anchor":0,"position":1})");
        QTest::newRow("text not a string") << QByteArray(R"({"version":1,"text":5,"anchor":0,"position":1})");
        QTest::newRow("no highlight") << QByteArray(R"({"version":1,"text":"x"})");
    }
    void notOursIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!parseSavedMessage(bytes));
    }

    void fileStates()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("state/Talk/message.json");
        QCOMPARE(readSavedMessage(path).status, SavedMessageRead::Missing);
        QCOMPARE(removeSavedMessage(path), QString());
        const SavedMessage m{QStringLiteral("あ_"), 1, 2, false};
        QCOMPARE(writeSavedMessage(path, m), QString());   // makes the folders
        QCOMPARE(readSavedMessage(path).status, SavedMessageRead::Ok);
        QCOMPARE(readSavedMessage(path).message, m);
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                            | QFileDevice::WriteOther;
        QCOMPARE(QFile::permissions(path) & others, QFileDevice::Permissions());   // private
        QFile big(path);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(2 << 20, ' '));
        big.close();
        QCOMPARE(readSavedMessage(path).status, SavedMessageRead::Damaged);
        QCOMPARE(removeSavedMessage(path), QString());
        QVERIFY(!QFile::exists(path));
        // A folder that cannot be made: a file stands where it should be.
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        QVERIFY(!writeSavedMessage(dir.filePath("file/Talk/message.json"), m).isEmpty());
    }

    // What a power cut can leave: the file empty or gone, beside the copy the
    // last sync kept. A file of someone else's is never passed over for it.
    void afterAPowerCut_data()
    {
        QTest::addColumn<QByteArray>("file");   // "-": none
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("newer than the copy") << savedMessageBytes({QStringLiteral("あい_"), 2, 3}) << int(SavedMessageRead::Ok) << "あい_";
        QTest::newRow("empty") << QByteArray() << int(SavedMessageRead::Ok) << "あ_";
        QTest::newRow("gone") << QByteArray("-") << int(SavedMessageRead::Ok) << "あ_";
        QTest::newRow("not ours") << QByteArray("{x") << int(SavedMessageRead::Damaged) << "";
    }
    void afterAPowerCut()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        const QString path = dir.filePath("message.json");
        QCOMPARE(writeSavedMessage(path, {QStringLiteral("あ_"), 1, 2}), QString());
        QCOMPARE(syncSavedMessage(path), QString());
        QCOMPARE(writeSavedMessage(path, {QStringLiteral("ああ_"), 2, 3}), QString());   // not synced
        QFile::remove(path);
        QFile f(path);
        QVERIFY(file == "-" || (f.open(QIODevice::WriteOnly) && f.write(file) == file.size()));
        f.close();
        const SavedMessageRead read = readSavedMessage(path);
        QTEST(int(read.status), "status");
        QTEST(read.message.text, "text");
        QCOMPARE(removeSavedMessage(path), QString());
        QVERIFY(!QFile::exists(path) && !QFile::exists(path + ".safe"));
    }

    // Whatever stands in the file's place is never read without end, never
    // waited on, and never written through: the message replaces it.
    void notAPlainFileInItsPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("message.json"), target = dir.filePath("someone-else.txt");
        const SavedMessage m{QStringLiteral("い_"), 1, 2, true};
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QCOMPARE(readSavedMessage(path).status, SavedMessageRead::Damaged);   // at once
        QCOMPARE(writeSavedMessage(path, m), QString());
        QCOMPARE(readSavedMessage(path).message, m);

        QFile other(target);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("theirs") == 6);
        other.close();
        QVERIFY(QFile::remove(path) && QFile::link(target, path));
        QCOMPARE(writeSavedMessage(path, m), QString());
        QVERIFY(!QFileInfo(path).isSymLink());
        QVERIFY(other.open(QIODevice::ReadOnly));
        QCOMPARE(other.readAll(), QByteArray("theirs"));
    }
};

QTEST_GUILESS_MAIN(SavedMessageTest)
#include "saved_message_test.moc"
