#include "platform/core/TextFile.h"
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
            << QStringList{QString::fromUtf8("はい"), QString(2, QChar(0xFFFD)) + "a", QString::fromUtf8("はい")}
            << TextEncoding::Utf8;
        // C4 B3 is also valid UTF-8 ("ĳ"); the file is Shift_JIS as a whole.
        QTest::newRow("half-width kana in a shift_jis file")
            << QByteArray("\xC4\xB3\r\n\x82\xCD\x82\xA2\r\n")
            << QStringList{QString::fromUtf8("ﾄｳ"), QString::fromUtf8("はい")} << TextEncoding::ShiftJis;
        QTest::newRow("shift_jis with a damaged line")
            << QByteArray("\x82\xCD\x82\xA2\r\n\xC4\xB3\x85\x40\r\n")
            << QStringList{QString::fromUtf8("はい"), QString::fromUtf8("ﾄｳ\uFFFD")} << TextEncoding::ShiftJis;
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
        QCOMPARE(c.spans.size(), c.lines.size());
    }

    // What a save writes over a file as read, with its texts or with its
    // bytes alone: "=" stands for every line as read, in order; other
    // entries are lines of text. An empty result: the
    // file's encoding cannot take the lines, and nothing is written.
    void encodes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("write");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray sjis("\x82\xA0\x81\x60\r\n\x87\x9A\r\n");   // あ～, ∵ of NEC's row 13
        QTest::newRow("shift_jis unchanged, every byte") << sjis << QStringList{"="} << sjis;
        QTest::newRow("shift_jis, a new line") << sjis << QStringList{"=", "はい"}
                                                << sjis + "\x82\xCD\x82\xA2\r\n";
        QTest::newRow("shift_jis, lines moved and one left out")
            << sjis + "b\r\n" << QStringList{"b", QString::fromUtf8("∵")} << QByteArray("b\r\n\x87\x9A\r\n");
        const QByteArray damaged("\x82\xCD\x82\xA2\r\n\xC4\xB3\x85\x40\xFF\r\n");
        QTest::newRow("damaged shift_jis keeps the damage") << damaged << QStringList{"=", "ﾄｳ"}
                                                            << damaged + "\xC4\xB3\r\n";
        QTest::newRow("wave dash needs another encoding") << sjis << QStringList{"=", "〜"} << QByteArray();
        QTest::newRow("U+001A would read back as DEL") << sjis << QStringList{"\x1A"} << QByteArray();
        QTest::newRow("utf-8 with a damaged line, a new line")
            << QByteArray("\xE3\x81\x82\r\n\xFF\r\n") << QStringList{"=", "〜"}
            << QByteArray("\xE3\x81\x82\r\n\xFF\r\n\xE3\x80\x9C\r\n");
        QTest::newRow("mark kept") << QByteArray("\xEF\xBB\xBF" "a\n") << QStringList{"=", "b"}
                                   << QByteArray("\xEF\xBB\xBF" "a\r\nb\r\n");
        QTest::newRow("text starting with U+FEFF gets a mark")
            << QByteArray("a\r\n") << QStringList{QChar(0xFEFF) + QString("b")} << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "b\r\n");
        QTest::newRow("a line's own U+FEFF is text")
            << QByteArray("a\r\n\xEF\xBB\xBF" "b\r\n") << QStringList{"="}
            << QByteArray("a\r\n\xEF\xBB\xBF" "b\r\n");
        // Written as a replacement character, which would read back as another.
        QTest::newRow("a lone surrogate cannot be written as it is")
            << QByteArray("a\r\n") << QStringList{"=", QString(QChar(0xD800))} << QByteArray();
        QTest::newRow("line ends become CR LF") << QByteArray("a\rb\n") << QStringList{"="}
                                                << QByteArray("a\r\nb\r\n");
    }
    void encodes()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, write);
        QFETCH(QByteArray, expected);
        const TextFileContent read = decodeTextLines(file);
        QStringList lines;
        for (const QString &w : write)
            w == "=" ? lines.append(read.lines) : lines.append(w);
        const EncodedLines out = encodeTextLines(lines, read);
        QCOMPARE(out.status, expected.isEmpty() ? EncodedLines::NeedsOtherEncoding : EncodedLines::Ok);
        QCOMPARE(out.content.bytes, expected);
        if (!expected.isEmpty())
            QCOMPARE(out.content.lines, lines);
        // Over the same file with its texts let go, the same bytes: fault, an
        // unchanged line written anew from its text, losing its bytes.
        TextFileContent bytesOnly = read;
        bytesOnly.dropTexts();
        const EncodedLines again = encodeTextLines(lines, bytesOnly);
        QCOMPARE(again.status, out.status);
        QCOMPARE(again.content.bytes, expected);
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
        QCOMPARE(r.status, TextWriteResult::Failed);
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
        QCOMPARE(r.status, TextWriteResult::Failed);
        QCOMPARE(readAll(path), QByteArray("old\r\n"));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "text_file_test.moc"
