// The table of the options dialog's second page and its − / ＋ rule.
#include "app/core/OwnSettings.h"
#include <QSet>
#include <QTest>

using namespace pelumo;

namespace {
const SettingRow &row(const char *key)
{
    for (const SettingRow &r : ownSettings())
        if (qstrcmp(r.key.key, key) == 0)
            return r;
    qFatal("no row for %s", key);
}
}

class OwnSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void everyRowIsUsable()
    {
        QSet<QString> seen;
        for (const SettingRow &r : ownSettings()) {
            const QString key = QString::fromLatin1(r.key.key);
            QVERIFY2(!seen.contains(key), r.key.key);
            seen << key;
            QVERIFY2(!QString::fromUtf16(r.caption).isEmpty(), r.key.key);
            // The default lies in the range: a fresh install shows it.
            const int fallback = QString::fromLatin1(r.key.fallback).toInt();
            QVERIFY2(fallback >= r.key.min && fallback <= r.key.max, r.key.key);
            if (r.kind == SettingKind::OnOff)
                QVERIFY2(r.key.min == 0 && r.key.max == 1, r.key.key);
            else
                QVERIFY2(r.step > 0 && (r.key.max - r.key.min) % r.step == 0, r.key.key);
            // A choice has a name for every value it can take.
            if (r.kind == SettingKind::Choice)
                QVERIFY2(int(r.names.size()) == r.key.max - r.key.min + 1, r.key.key);
        }
        // The eight keys of the first page never appear here.
        for (const char *old : {"OPT1", "OPT2", "OPT3", "Beep", "Moji", "Samp", "gMaxC", "Sample"})
            QVERIFY2(!seen.contains(old), old);
    }

    void minusAndPlus_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("next");
        QTest::newRow("speed up") << "VoiceSpeed" << 100 << +1 << 110;
        QTest::newRow("speed down") << "VoiceSpeed" << 100 << -1 << 90;
        QTest::newRow("speed at the top stays") << "VoiceSpeed" << 200 << +1 << 200;
        QTest::newRow("speed at the bottom stays") << "VoiceSpeed" << 50 << -1 << 50;
        QTest::newRow("between steps, up") << "VoiceSpeed" << 125 << +1 << 130;
        QTest::newRow("between steps, down") << "VoiceSpeed" << 125 << -1 << 120;
        QTest::newRow("just above the top step") << "VoiceSpeed" << 195 << +1 << 200;
        QTest::newRow("pitch down to 0") << "VoicePitch" << 10 << -1 << 0;
        QTest::newRow("pitch 5 down") << "VoicePitch" << 5 << -1 << 0;
        QTest::newRow("pitch 0 stays") << "VoicePitch" << 0 << -1 << 0;
        QTest::newRow("volume never silent") << "VoiceVolume" << 10 << -1 << 10;
        QTest::newRow("volume up to the top") << "VoiceVolume" << 190 << +1 << 200;
        QTest::newRow("on/off moves by one") << "FullScreen" << 0 << +1 << 1;
        QTest::newRow("on/off stays on") << "FullScreen" << 1 << +1 << 1;
        QTest::newRow("input method: the last stays") << "InputMode" << 3 << +1 << 3;
        QTest::newRow("scan time by a tenth") << "ScanTime" << 1500 << -1 << 1400;
        QTest::newRow("scan time never below 0.3 s") << "ScanTime" << 300 << -1 << 300;
        QTest::newRow("accept time by 50") << "SwitchAcceptTime" << 0 << +1 << 50;
    }
    void minusAndPlus()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, direction);
        QTEST(steppedValue(row(key.toLatin1().constData()), value, direction), "next");
    }

    void shownValue_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("percent") << "VoiceSpeed" << 100 << "100%";
        QTest::newRow("no unit") << "VoicePitch" << 0 << "0";
        QTest::newRow("seconds, one place") << "ScanTime" << 1500 << "1.5秒";
        QTest::newRow("whole seconds") << "DwellTime" << 2000 << "2秒";
        QTest::newRow("seconds, two places") << "SwitchAcceptTime" << 50 << "0.05秒";
        QTest::newRow("no wait") << "ScanFirstDelay" << 0 << "0秒";
        QTest::newRow("touch") << "InputMode" << 0 << "タッチ";
        QTest::newRow("two switches") << "InputMode" << 2 << "２スイッチ";
        QTest::newRow("a choice out of range shows its number") << "InputMode" << 7 << "7";
        QTest::newRow("rounds") << "ScanRounds" << 2 << "2回";
    }
    void shownValue()
    {
        QFETCH(QString, key);
        QFETCH(int, value);
        QTEST(pelumo::shownValue(row(key.toLatin1().constData()), value), "shown");
    }

    // A voice file's name can be as long as a carer likes; the page has room
    // for some nine characters.
    void shownVoice()
    {
        QCOMPARE(pelumo::shownVoice("espeak-ng"), QString("機械の声"));
        QCOMPARE(pelumo::shownVoice("nitech_jp_atr503_m001"), QString("男性の声"));
        QCOMPARE(pelumo::shownVoice("mei_happy"), QString("mei_happy"));
        QCOMPARE(pelumo::shownVoice("takumi_normal"), QString("takumi_n…"));
    }
};

QTEST_APPLESS_MAIN(OwnSettingsTest)
#include "own_settings_test.moc"
