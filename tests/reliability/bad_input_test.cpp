// Files no program of ours wrote: garbage, huge, broken encodings, odd line
// ends. The program starts, never hangs, drops no more than the bad part, and
// keeps the rest of what the user wrote.
#include "phrasebook/core/PhraseFile.h"
#include "support/TestWindow.h"
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

using namespace pelumo;
using namespace pelumo::test;

namespace {

const QByteArray kGood1 = "\"" + QString("ありがとう").toUtf8() + "\"\r\n";
const QByteArray kGood2 = "\"" + QString("おはよう").toUtf8() + "\"\r\n";

QByteArray garbage(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(42);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray manyPhrases(int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += "\"" + QString("れんしゅう%1").arg(i).toUtf8() + "\"\r\n";
    return out;
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    void phraseFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("kept");
        const QStringList both{"ありがとう", "おはよう"};
        QTest::newRow("binary garbage between good lines")
            << kGood1 + garbage(4096).replace('\n', ' ').replace('\r', ' ') + "\r\n" + kGood2 << both;
        QTest::newRow("invalid utf-8 line") << kGood1 + "\"\xC3\x28\xFF\"\r\n" + kGood2 << both;
        QTest::newRow("nul bytes") << kGood1 + QByteArray("\"a\0b\"\r\n", 7) + kGood2 << both;
        QTest::newRow("cr line ends") << QByteArray(kGood1).replace("\r\n", "\r") + kGood2 << both;
        QTest::newRow("a line of 100,000 characters")
            << kGood1 + QByteArray(100000, 'x') + "\r\n" + kGood2 << both;
        QTest::newRow("10 MB of garbage after them") << kGood1 + kGood2 + garbage(10 << 20) << both;
        QTest::newRow("40,000 phrases") << kGood1 + kGood2 + manyPhrases(40000) << both;
        QTest::newRow("invalid shift_jis")
            << QByteArray("\"\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4\"\r\n\"\x85\x40\xFF\"\r\n") << QStringList{"ありがとう"};
    }
    void phraseFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, kept);
        TestWindow w;
        QDir().mkpath(w.dir.filePath("program"));
        QFile f(w.dir.filePath("program/Talk.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();
        QuestionAnswerer answers(-1);
        QElapsedTimer started;
        started.start();
        frmTalk &window = w.start();
        QTest::qWait(50);   // start-up notices wait for the shown window
        QVERIFY2(started.elapsed() < 10000, "start-up took too long");
        QVERIFY(window.phrases->isLoaded());
        for (const QString &phrase : kept)
            QVERIFY2(window.phrases->book().phrases().contains(phrase), qPrintable(phrase));
        QVERIFY(answers.prompts.size() <= 1);
        TestWindow::tap(window.cmdSamp);   // the list still shows, and the window answers
        QVERIFY(window.grdEx->isVisible());
    }

    void diaryWithMalformedDates()
    {
        TestWindow w;
        frmTalk &f = w.start();
        QFile day(QDir(f.state.AppDir).filePath("day.txt"));
        QVERIFY(day.open(QIODevice::WriteOnly));
        day.write("\"26.12.01 " + QString("さんぽ_").toUtf8() + "\"\r\n"
                  "\"ab\"\r\n\"2026-12-02 x\"\r\n\"\"\r\n" + garbage(300).replace('\n', ' ') + "\r\n"
                  "\"26.11.30 " + QString("びょういん_").toUtf8() + "\"\r\n");
        day.close();
        QuestionAnswerer answers(-1);
        f.diary->LoadDiaryList();
        QStringList texts;
        for (int r = 0; r < f.grdDay->rows(); ++r)
            texts << f.grdDay->textMatrix(r, 1);
        QVERIFY(texts.contains("さんぽ_"));
        QVERIFY(texts.contains("びょういん_"));
        QVERIFY(answers.prompts.size() <= 1);
    }

    void settingsThatAreNotNumbers()
    {
        TestWindow w({{"OPT1", "abc"}, {"gMaxC", "1e9"}, {"Sample", "-3"}, {"Beep", "\xE3\x81\x82"}});
        frmTalk &f = w.start();
        QCOMPARE(f.state.FirstScreenMode, FirstPressMode::Selection);
        QCOMPARE(f.state.BoardLastColumn, 9);
        QCOMPARE(f.state.PhraseMatchLength, 2);
        QCOMPARE(f.state.KeyBeep, false);
        QCOMPARE(f.grdBoard->cols(), 10);
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
