#include "support/TestWindow.h"

using namespace pelumo;
using pelumo::test::TestWindow;

namespace {
int textHeight(frmTalk &f)
{
    return f.layout.geometry(f.txtTalk).height();
}
bool isWide(frmTalk &f)
{
    return textHeight(f) == f.formHeight() - 3630
           && f.layout.geometry(f.fraText).height() == f.formHeight() - 3480;
}
bool isNarrow(frmTalk &f)
{
    return textHeight(f) == 2295 && f.layout.geometry(f.fraText).height() == 2445
           && f.cmdWide->caption() == QString("広げる");
}
}

class SpeechCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void setUpGreetsFromItsPlace()
    {
        TestWindow w;
        w.start();
        QCOMPARE(w.agent.calls, (QStringList{"Show", "MoveTo 855 20", "Play greet"}));
    }

    // Each stage a caller names, under each voice option: S opens the
    // selection screen, E enters, 1 is the first of two presses; a lower-case
    // e is no stage at all and is spoken only where every stage is.
    void speakKeyTable_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("spokenStages");
        QTest::newRow("0 every time") << "0" << "SE1e";
        QTest::newRow("1 at selection") << "1" << "SE";
        QTest::newRow("2 at entry") << "2" << "E";
        QTest::newRow("3 never") << "3" << "";
        QTest::newRow("out of range") << "7" << "SE1e";
        QTest::newRow("negative") << "-1" << "SE1e";
    }
    void speakKeyTable()
    {
        QFETCH(QString, voice);
        TestWindow w({{"OPT3", voice}});
        frmTalk &f = w.start();
        QString spoken;
        for (const QString stage : {"S", "E", "1", "e"}) {
            w.agent.calls.clear();
            f.speech->SpeakKey("か", stage);
            if (w.agent.calls == QStringList{"Speak か"})
                spoken += stage;
        }
        QTEST(spoken, "spokenStages");
    }

    // The same rule reached through real presses on both boards.
    void boardsSpeakStageByStage_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("firstScreen");
        QTest::addColumn<QString>("selectScreen");
        QTest::addColumn<QStringList>("spoken");
        const QStringList kiGi{"き", "ぎ"};
        QTest::newRow("0: open and enter") << "0" << "0" << "0" << kiGi;
        QTest::newRow("1: open and enter") << "1" << "0" << "0" << kiGi;
        QTest::newRow("2: only the entry") << "2" << "0" << "0" << QStringList{"ぎ"};
        QTest::newRow("3: silent") << "3" << "0" << "0" << QStringList{};
        QTest::newRow("0: two presses each") << "0" << "1" << "1" << QStringList{"き", "き", "ぎ", "ぎ"};
        QTest::newRow("1: two presses each") << "1" << "1" << "1" << kiGi;
        QTest::newRow("2: two presses each") << "2" << "1" << "1" << QStringList{"ぎ"};
        QTest::newRow("9: two presses each") << "9" << "1" << "1" << QStringList{"き", "き", "ぎ", "ぎ"};
        QTest::newRow("0: board enters") << "0" << "2" << "0" << QStringList{"き"};
        QTest::newRow("3: board enters") << "3" << "2" << "0" << QStringList{};
        QTest::newRow("0: board enters on two") << "0" << "3" << "0" << QStringList{"き", "き"};
        QTest::newRow("1: board enters on two") << "1" << "3" << "0" << QStringList{"き"};
    }
    void boardsSpeakStageByStage()
    {
        QFETCH(QString, voice);
        QFETCH(QString, firstScreen);
        QFETCH(QString, selectScreen);
        TestWindow w({{"OPT3", voice}, {"OPT1", firstScreen}, {"OPT2", selectScreen}});
        frmTalk &f = w.start();
        w.agent.calls.clear();
        const int boardPresses = (firstScreen == "1" || firstScreen == "3") ? 2 : 1;
        for (int i = 0; i < boardPresses; ++i)
            TestWindow::press(f.grdBoard, 1, 8);   // き
        if (f.fraSet->isVisible())
            for (int i = 0; i < (selectScreen == "1" ? 2 : 1); ++i)
                TestWindow::press(f.grdBoard2, 1, 2);   // ぎ
        QTEST(w.agent.spoken(), "spoken");
    }

    void readWithEmptyMessageOnlyBeeps()
    {
        TestWindow w({{"Beep", "1"}});
        frmTalk &f = w.start();
        w.agent.calls.clear();
        const int heightBefore = textHeight(f);
        TestWindow::tap(f.cmdRead);
        QCOMPARE(w.beeper.count, 1);
        QVERIFY(w.agent.calls.isEmpty());
        QCOMPARE(f.cmdRead->caption(), QString("読む"));
        QCOMPARE(textHeight(f), heightBefore);
    }

    // The voice is given the reading; the character is told the text as
    // written, end marker and all.
    void readSpeaksTheReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("marker at the end") << "こんにちは_" << "コンニチワ";
        QTest::newRow("marker in the middle a pause") << "あ_い_" << "ア イ";
        QTest::newRow("no marker") << "ありがとう" << "アリガトー";
        QTest::newRow("kanji and a number") << "3時に行く_" << "さんじニイク";
        QTest::newRow("one kana is the letter") << "は_" << "は";
    }
    void readSpeaksTheReading()
    {
        QFETCH(QString, text);
        TestWindow w;
        frmTalk &f = w.start();
        f.txtTalk->setText(text);
        w.agent.calls.clear();
        TestWindow::tap(f.cmdRead);
        QTEST(w.agent.spoken().value(0), "spoken");
        QCOMPARE(w.agent.written, QStringList{text});
        QCOMPARE(w.agent.calls.size(), 1);
        QCOMPARE(f.txtTalk->text(), text);
        QCOMPARE(f.cmdRead->caption(), QString("♪"));
        QVERIFY(isWide(f));
        QCOMPARE(f.cmdWide->caption(), QString("広げる"));   // caption left for the widen key
    }

    void stopRestoresMarkerAndLayout()
    {
        TestWindow w({{"Beep", "1"}});
        frmTalk &f = w.start();
        f.txtTalk->setText("こんにちは_");
        TestWindow::tap(f.cmdRead);
        // The marker deleted while the message is being read.
        f.txtTalk->setText("こんにちは");
        w.agent.calls.clear();
        TestWindow::tap(f.cmdRead);
        QCOMPARE(w.agent.calls, QStringList{"Stop"});
        QCOMPARE(f.txtTalk->text(), QString("こんにちは_"));
        QCOMPARE(f.txtTalk->selStart(), 5);
        QCOMPARE(f.txtTalk->selLength(), 1);
        QCOMPARE(f.cmdRead->caption(), QString("読む"));
        QVERIFY(f.cmdRead->isEnabled());
        QVERIFY(isNarrow(f));
        QCOMPARE(w.beeper.count, 2);

        // And the next press reads again.
        TestWindow::tap(f.cmdRead);
        QCOMPARE(w.agent.spoken().value(0), QString("コンニチワ"));
    }

    void stopKeepsWideLayoutWhileDiaryShown()
    {
        TestWindow w;
        frmTalk &f = w.start();
        f.txtTalk->setText("きょうは はれ_");
        f.showScreen(Screen::DiaryEntry);
        TestWindow::tap(f.cmdRead);
        TestWindow::tap(f.cmdRead);
        QCOMPARE(f.cmdRead->caption(), QString("読む"));
        QVERIFY(isWide(f));
        QCOMPARE(f.txtTalk->text(), QString("きょうは はれ_"));
    }

    void readingStillWorksWithVoiceNever()
    {
        TestWindow w({{"OPT3", "3"}, {"OPT1", "2"}});
        frmTalk &f = w.start();
        w.agent.calls.clear();
        TestWindow::press(f.grdBoard, 1, 8);
        QVERIFY(w.agent.spoken().isEmpty());
        TestWindow::tap(f.cmdRead);
        QCOMPARE(w.agent.spoken(), QStringList{"き"});
    }

    // Keys are said by their names, never through the dictionary.
    void boardKeysAreSaidByName_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("long vowel mark") << 3 << 2 << "ー" << "のばす";
        QTest::newRow("question mark") << 4 << 2 << "？" << "はてな";
        QTest::newRow("full stop") << 3 << 0 << "。" << "まる";
        QTest::newRow("は, not the particle") << 0 << 4 << "は" << "は";
    }
    void boardKeysAreSaidByName()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        TestWindow w({{"OPT1", "2"}});
        frmTalk &f = w.start();
        w.agent.calls.clear();
        TestWindow::press(f.grdBoard, row, col);
        QTEST(w.agent.written.value(0), "written");
        QTEST(w.agent.spoken().value(0), "spoken");
    }
};

QTEST_MAIN(SpeechCommandsTest)
#include "speech_commands_test.moc"
