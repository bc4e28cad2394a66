// The audio device's reopening, on a sink that fails when told to.
#include "speech/AudioOutput.h"
#include <QTest>

using namespace pelumo;

namespace {
// A device whose next openings and writes succeed or fail as scripted: a
// string of '+' and '-', one per call, then success.
struct ScriptedSink : AudioSink {
    QString opens, writes;
    int openCount = 0, closeCount = 0, flushes = 0;
    qint64 heard = 0;
    bool isOpen = false;
    static bool next(QString &script)
    {
        if (script.isEmpty())
            return true;
        const bool ok = script.front() == u'+';
        script.remove(0, 1);
        return ok;
    }
    bool open(int) override
    {
        ++openCount;
        isOpen = next(opens);
        return isOpen;
    }
    void close() override
    {
        ++closeCount;
        isOpen = false;
    }
    bool write(const short *, int count) override
    {
        if (!isOpen || !next(writes))
            return false;
        heard += count;
        return true;
    }
    void flush() override { ++flushes; }
    QString errorString() const override { return "scripted failure"; }
};

struct Output {
    ScriptedSink *sink = new ScriptedSink;
    QStringList reports;
    AudioOutput output{std::unique_ptr<AudioSink>(sink),
                       [this](bool ok, const QString &detail) { reports << (ok ? "ok" : "lost: " + detail); }};
    // One text of the given number of pieces of 10 samples.
    void say(int pieces = 3)
    {
        const short samples[10] = {};
        output.begin();
        for (int i = 0; i < pieces; ++i)
            output.write(samples, 10);
        output.end(false);
    }
};
} // namespace

class AudioOutputTest : public QObject {
    Q_OBJECT
private slots:
    void opensWhenThereIsSomethingToSay()
    {
        Output o;
        QCOMPARE(o.sink->openCount, 0);
        o.say();
        QCOMPARE(o.sink->openCount, 1);
        QCOMPARE(o.sink->heard, 30);
        o.say();
        QCOMPARE(o.sink->openCount, 1);   // kept open between texts
        QCOMPARE(o.reports, QStringList{"ok"});
    }

    void withoutADeviceEachTextTriesAgainAndOneReportIsMade()
    {
        Output o;
        o.sink->opens = "---";
        o.say();
        o.say();
        o.say();
        QCOMPARE(o.sink->openCount, 3);   // once a text, not once a piece
        QCOMPARE(o.sink->heard, 0);
        QCOMPARE(o.reports, QStringList{"lost: scripted failure"});
        o.say();   // a speaker is plugged in
        QCOMPARE(o.sink->heard, 30);
        QCOMPARE(o.reports, (QStringList{"lost: scripted failure", "ok"}));
    }

    void aFailedWriteReopensAndLosesNoPiece()
    {
        Output o;
        o.say();
        o.sink->writes = "-";   // the sound server was started again
        o.say();
        QCOMPARE(o.sink->openCount, 2);
        QCOMPARE(o.sink->heard, 60);
        QCOMPARE(o.reports, QStringList{"ok"});   // back at once: nothing to tell
    }

    void aServerThatStaysAwayGoesSilentUntilTheNextText()
    {
        Output o;
        o.say();
        o.sink->writes = "-";
        o.sink->opens = "-";
        o.say(5);
        QCOMPARE(o.sink->openCount, 2);   // one attempt in the text, not one a piece
        QCOMPARE(o.sink->heard, 30);
        QCOMPARE(o.reports, (QStringList{"ok", "lost: scripted failure"}));
        o.say();
        QCOMPARE(o.sink->openCount, 3);
        QCOMPARE(o.sink->heard, 60);
        QCOMPARE(o.reports.size(), 3);
    }

    void onlyATextCutOffIsDropped()
    {
        Output o;
        o.say();
        QCOMPARE(o.sink->flushes, 0);
        const short samples[10] = {};
        o.output.begin();
        o.output.write(samples, 10);
        o.output.end(true);
        QCOMPARE(o.sink->flushes, 1);
    }
};

QTEST_GUILESS_MAIN(AudioOutputTest)
#include "audio_output_test.moc"
