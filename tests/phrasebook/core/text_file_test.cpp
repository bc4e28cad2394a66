#include "phrasebook/core/TextFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pelumo;

Q_DECLARE_METATYPE(TextEncoding)

class TextFileTest : public QObject {
    Q_OBJECT

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeAll(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<TextEncoding>("encoding");
        const QStringList two{QString::fromUtf8("ありがとう"), QString::fromUtf8("はい")};
        QTest::newRow("utf-8 crlf") << QByteArray("\xE3\x81\x82\xE3\x82\x8A\xE3\x81\x8C\xE3\x81\xA8\xE3\x81\x86\r\n\xE3\x81\xAF\xE3\x81\x84\r\n")
                                    << two << TextEncoding::Utf8;
        QTest::newRow("utf-8 lf, no final end") << QByteArray("\xE3\x81\x82\xE3\x82\x8A\xE3\x81\x8C\xE3\x81\xA8\xE3\x81\x86\n\xE3\x81\xAF\xE3\x81\x84")
                                                << two << TextEncoding::Utf8;
        QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF" "a\r\n") << QStringList{"a"}
                                        << TextEncoding::Utf8WithBom;
        QTest::newRow("shift_jis") << QByteArray("\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4\r\n\x82\xCD\x82\xA2\r\n")
                                   << two << TextEncoding::ShiftJis;
        QTest::newRow("cp932 extensions") << QByteArray("\x81\x60\x87\x40\xFB\xFC\r\n")
                                          << QStringList{QString::fromUtf8("～①髙")} << TextEncoding::ShiftJis;
        QTest::newRow("cr only") << QByteArray("a\rb\r") << QStringList{"a", "b"} << TextEncoding::Utf8;
        QTest::newRow("empty middle line kept") << QByteArray("a\r\n\r\nb") << QStringList{"a", "", "b"}
                                                << TextEncoding::Utf8;
        QTest::newRow("utf-8 with one damaged line")
            << QByteArray("\xE3\x81\xAF\xE3\x81\x84\r\n\xFF\xFE" "a\r\n\xE3\x81\xAF\xE3\x81\x84\r\n")
            << QStringList{QString::fromUtf8("はい"), QString(2, QChar(0x1A)) + "a", QString::fromUtf8("はい")}
            << TextEncoding::Utf8;
        QTest::newRow("shift_jis with a line added in utf-8")
            << QByteArray("\x82\xCD\x82\xA2\r\n\xE3\x81\xAF\xE3\x81\x84\r\n\x82\xCD\x82\xA2\r\n")
            << QStringList{QString::fromUtf8("はい"), QString::fromUtf8("はい"), QString::fromUtf8("はい")}
            << TextEncoding::ShiftJis;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << TextEncoding::Utf8;
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(TextEncoding, encoding);
        const TextFileContent c = decodeTextLines(bytes);
        QCOMPARE(c.lines, lines);
        QCOMPARE(c.encoding, encoding);
    }

    void encodingKeepsWhatWasReadOrSwitchesToUtf8()
    {
        const QByteArray sjis("\x82\xA0\x81\x60\r\n\x82\xCD\x82\xA2\r\n");
        TextFileContent c = decodeTextLines(sjis);
        TextEncoding e = c.encoding;
        QCOMPARE(encodeTextLines(c.lines, e), sjis);
        QCOMPARE(e, TextEncoding::ShiftJis);

        // U+301C WAVE DASH has no place in code page 932.
        const QStringList withWaveDash{QString::fromUtf8("あ〜い")};
        e = TextEncoding::ShiftJis;
        const QByteArray out = encodeTextLines(withWaveDash, e);
        QCOMPARE(e, TextEncoding::Utf8);
        QCOMPARE(decodeTextLines(out).lines, withWaveDash);

        // Nor U+001A, which the converter turns into DEL without a word.
        e = TextEncoding::ShiftJis;
        const QStringList withControl{QString(QChar(0x1A))};
        QCOMPARE(decodeTextLines(encodeTextLines(withControl, e)).lines, withControl);
        QCOMPARE(e, TextEncoding::Utf8);

        e = TextEncoding::Utf8WithBom;
        QVERIFY(encodeTextLines({"a"}, e).startsWith("\xEF\xBB\xBF" "a\r\n"));
    }

    void readReportsMissingAndUnreadable()
    {
        QTemporaryDir dir;
        QCOMPARE(readTextLines(dir.filePath("none.txt")).status, TextFileContent::Missing);
        QCOMPARE(readTextLines(dir.path()).status, TextFileContent::Unreadable);   // a folder
    }

    void failedWritesLeaveTheOldFile_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("cannot open") << int(FileFault::CannotOpen);
        QTest::newRow("short write") << int(FileFault::ShortWrite);
        QTest::newRow("failed rename") << int(FileFault::FailedRename);
        QTest::newRow("no space") << int(FileFault::NoSpace);
    }
    void failedWritesLeaveTheOldFile()
    {
        QFETCH(int, fault);
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        writeAll(path, "old\r\n");
        setFileFaultHook([&](FileOperation op, const QString &) {
            return op == FileOperation::Write ? FileFault(fault) : FileFault::None;
        });
        const TextWriteResult r = writeTextLines(path, {"new"}, TextEncoding::Utf8);
        setFileFaultHook({});
        QVERIFY(!r.ok);
        QVERIFY(!r.errorString.isEmpty());
        QCOMPARE(readAll(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Talk.txt"});
    }

    void writeIntoReadOnlyFolderFails()
    {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath("Talk.txt");
        writeAll(path, "old\r\n");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const TextWriteResult r = writeTextLines(path, {"new"}, TextEncoding::Utf8);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!r.ok);
        QCOMPARE(readAll(path), QByteArray("old\r\n"));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "text_file_test.moc"
