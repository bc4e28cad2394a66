#include "platform/core/Options.h"
#include <QHash>
#include <QTest>

using namespace pelumo;

namespace {
Options readFrom(const QHash<QString, QString> &stored)
{
    return readOptions([&stored](const QString &key, const QString &fallback) {
        return stored.value(key, fallback);
    });
}
}

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults()
    {
        const Options o = readFrom({});
        QCOMPARE(o.FirstScreenMode, FirstPressMode::Selection);
        QCOMPARE(o.SelectScreenMode, SelectPressMode::Enter);
        QCOMPARE(o.VoiceMode, SpokenKeys::Always);
        QCOMPARE(o.KeyBeep, false);
        QCOMPARE(o.LargeLetters, false);
        QCOMPARE(o.AutoPhrases, true);
        QCOMPARE(o.BoardLastColumn, 9);
        QCOMPARE(o.PhraseMatchLength, 2);
        QCOMPARE(o.FullScreen, false);
        QCOMPARE(o.HidePointer, false);
        QCOMPARE(o.Voice, (VoiceSettings{100, 50, 100}));
        // The defaults before anything is read are the keys' own.
        const Options d = defaultOptions();
        QCOMPARE(d.AutoPhrases, true);
        QCOMPARE(d.BoardLastColumn, 9);
        QCOMPARE(d.Voice, (VoiceSettings{100, 50, 100}));
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("reads");
        QTest::newRow("OPT1 3") << "OPT1" << "3" << "3";
        QTest::newRow("OPT1 7 out of range") << "OPT1" << "7" << "0";
        QTest::newRow("OPT1 -1") << "OPT1" << "-1" << "0";
        QTest::newRow("OPT1 text") << "OPT1" << "abc" << "0";
        QTest::newRow("OPT1 01 canonical") << "OPT1" << "01" << "1";
        QTest::newRow("OPT2 1") << "OPT2" << "1" << "1";
        QTest::newRow("OPT2 2") << "OPT2" << "2" << "0";
        QTest::newRow("OPT3 3") << "OPT3" << "3" << "3";
        QTest::newRow("OPT3 4") << "OPT3" << "4" << "0";
        QTest::newRow("Beep 1") << "Beep" << "1" << "1";
        QTest::newRow("Beep spaced") << "Beep" << " 1 " << "1";
        QTest::newRow("Beep 5") << "Beep" << "5" << "0";
        QTest::newRow("Moji 1") << "Moji" << "1" << "1";
        QTest::newRow("Samp 0") << "Samp" << "0" << "0";
        QTest::newRow("Samp 2") << "Samp" << "2" << "1";
        QTest::newRow("Samp empty") << "Samp" << "" << "1";
        QTest::newRow("FullScreen 1") << "FullScreen" << "1" << "1";
        QTest::newRow("FullScreen 2") << "FullScreen" << "2" << "0";
        QTest::newRow("FullScreen text") << "FullScreen" << "yes" << "0";
        QTest::newRow("HidePointer 1") << "HidePointer" << "1" << "1";
        QTest::newRow("HidePointer -1") << "HidePointer" << "-1" << "0";
    }
    void storedValues()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, reads);
        const Options o = readFrom({{key, stored}});
        const QHash<QString, int> held = {
            {"OPT1", int(o.FirstScreenMode)}, {"OPT2", int(o.SelectScreenMode)},
            {"OPT3", int(o.VoiceMode)}, {"Beep", o.KeyBeep}, {"Moji", o.LargeLetters},
            {"Samp", o.AutoPhrases}, {"FullScreen", o.FullScreen}, {"HidePointer", o.HidePointer}};
        QCOMPARE(QString::number(held.value(key)), reads);
    }

    void boardColumns_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("9") << "9" << 9;
        QTest::newRow("10 is the standard board") << "10" << 9;
        QTest::newRow("12") << "12" << 12;
        QTest::newRow("14") << "14" << 14;
        QTest::newRow("8 too narrow") << "8" << 9;
        QTest::newRow("15 too wide") << "15" << 9;
        QTest::newRow("not a number") << "x" << 9;
    }
    void boardColumns()
    {
        QFETCH(QString, stored);
        QTEST(int(readFrom({{"gMaxC", stored}}).BoardLastColumn), "lastColumn");
    }

    void voice_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("reads");
        QTest::newRow("speed 150") << "VoiceSpeed" << "150" << 150;
        QTest::newRow("speed 50, the lowest") << "VoiceSpeed" << "50" << 50;
        QTest::newRow("speed 40 too slow") << "VoiceSpeed" << "40" << 100;
        QTest::newRow("speed 201 too fast") << "VoiceSpeed" << "201" << 100;
        QTest::newRow("speed between steps") << "VoiceSpeed" << "125" << 125;
        QTest::newRow("pitch 0") << "VoicePitch" << "0" << 0;
        QTest::newRow("pitch 100") << "VoicePitch" << "100" << 100;
        QTest::newRow("pitch -10") << "VoicePitch" << "-10" << 50;
        QTest::newRow("pitch text") << "VoicePitch" << "high" << 50;
        QTest::newRow("pitch fraction") << "VoicePitch" << "20.5" << 50;
        QTest::newRow("volume 10") << "VoiceVolume" << "10" << 10;
        QTest::newRow("volume 0 would be silence") << "VoiceVolume" << "0" << 100;
        QTest::newRow("volume 200") << "VoiceVolume" << "200" << 200;
        QTest::newRow("volume empty") << "VoiceVolume" << "" << 100;
    }
    void voice()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, reads);
        const Options o = readFrom({{key, stored}});
        const QHash<QString, int> held = {
            {"VoiceSpeed", o.Voice.speed}, {"VoicePitch", o.Voice.pitch}, {"VoiceVolume", o.Voice.volume}};
        QCOMPARE(held.value(key), reads);
    }

    void access_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("reads");
        QTest::newRow("touch by default") << "InputMode" << "" << 0;
        QTest::newRow("two switches") << "InputMode" << "2" << 2;
        QTest::newRow("dwell") << "InputMode" << "3" << 3;
        QTest::newRow("mode 4 unknown") << "InputMode" << "4" << 0;
        QTest::newRow("scan 300 the fastest") << "ScanTime" << "300" << 300;
        QTest::newRow("scan 299 too fast") << "ScanTime" << "299" << 1500;
        QTest::newRow("scan 8000") << "ScanTime" << "8000" << 8000;
        QTest::newRow("dwell 5001") << "DwellTime" << "5001" << 1000;
        QTest::newRow("dwell 300") << "DwellTime" << "300" << 300;
        QTest::newRow("rounds 0 would trap") << "ScanRounds" << "0" << 2;
        QTest::newRow("accept 250") << "SwitchAcceptTime" << "250" << 250;
        QTest::newRow("block 400") << "SwitchBlockTime" << "400" << 400;
        QTest::newRow("first delay 700") << "ScanFirstDelay" << "700" << 700;
        QTest::newRow("tick on") << "ScanTick" << "1" << 1;
        QTest::newRow("speak on") << "ScanSpeak" << "1" << 1;
    }
    void access()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, reads);
        const AccessSettings a = readFrom({{key, stored}}).Access;
        const QHash<QString, int> held = {
            {"InputMode", int(a.method)}, {"ScanTime", a.scanTime}, {"DwellTime", a.dwellTime},
            {"ScanRounds", a.rounds}, {"SwitchAcceptTime", a.acceptTime},
            {"SwitchBlockTime", a.repeatBlockTime}, {"ScanFirstDelay", a.firstItemDelay},
            {"ScanTick", a.tick}, {"ScanSpeak", a.speakItems}};
        QCOMPARE(held.value(key), reads);
    }

    void phraseMatchLength_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("length");
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("5") << "5" << 5;
        QTest::newRow("0") << "0" << 2;
        QTest::newRow("9") << "9" << 2;
        QTest::newRow("70000 overflow") << "70000" << 2;
    }
    void phraseMatchLength()
    {
        QFETCH(QString, stored);
        QTEST(int(readFrom({{"Sample", stored}}).PhraseMatchLength), "length");
    }
};

QTEST_APPLESS_MAIN(OptionsTest)
#include "options_test.moc"
