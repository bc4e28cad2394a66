// The character's window and the agent that joins it to a voice.
#include "platform/SpeakingAgent.h"
#include <QLoggingCategory>
#include <QTest>

using namespace pelumo;

namespace {
class FakeEngine : public SpeechEngine {
public:
    QStringList said;
    int stops = 0;
    bool speaking = false;
    void speak(const QString &, const QString &reading, SpeechKind) override
    {
        said << reading;
        speaking = true;
    }
    void stop() override
    {
        ++stops;
        speaking = false;
    }
    bool isSpeaking() const override { return speaking; }
    void finish()
    {
        speaking = false;
        emit speechEnded();
    }
};

// An agent on a fake voice, shown; the voice stays reachable.
struct ShownAgent {
    FakeEngine *engine = new FakeEngine;
    SpeakingAgent agent{std::unique_ptr<SpeechEngine>(engine)};
    CharacterWindow &window = agent.window();
    ShownAgent()
    {
        agent.show();
        if (!QTest::qWaitFor([this] { return window.isVisible(); }))
            qWarning("the character did not appear");
    }
    void hear(const QString &text) { emit engine->audioStarted(text); }
};
}

class CharacterWindowTest : public QObject {
    Q_OBJECT
private slots:
    void neverTakesATouchOrTheFocus()
    {
        CharacterWindow c;
        const Qt::WindowFlags f = c.windowFlags();
        QVERIFY(f & Qt::WindowTransparentForInput);
        QVERIFY(f & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(f & Qt::WindowStaysOnTopHint);
        QVERIFY(f & Qt::FramelessWindowHint);
        QVERIFY(c.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(c.testAttribute(Qt::WA_TranslucentBackground));
    }

    void greetingMovesOnlyForAWhile()
    {
        CharacterWindow c;
        c.show();
        QVERIFY(!c.isAnimating());
        c.play("wave");
        QVERIFY(!c.isAnimating());
        c.play("greet");
        QVERIFY(c.isAnimating());
        QTRY_VERIFY_WITH_TIMEOUT(!c.isAnimating(), 4000);
    }

    void setUpBeforeTheFigureAppearsIsKept()
    {
        SpeakingAgent agent(std::make_unique<FakeEngine>());
        agent.show();
        agent.moveTo(855, 20);
        agent.play("greet");
        QTRY_VERIFY(agent.window().isVisible());
        QCOMPARE(agent.window().pos(), QPoint(855, 20));
        QVERIFY(agent.window().isAnimating());
    }

    void agentShowsTextAndRests()
    {
        ShownAgent a;
        a.agent.moveTo(855, 20);
        QCOMPARE(a.window.pos(), QPoint(855, 20));

        a.agent.speak("こんにちは ", "こんにちは ", SpeechKind::Message);
        QCOMPARE(a.engine->said, QStringList{"こんにちは "});
        QVERIFY(a.window.balloonShown());   // at once, before the first sound
        QCOMPARE(a.window.balloonText(), QString("こんにちは "));
        QVERIFY(!a.window.isTalking());

        a.hear("こんにちは ");
        QVERIFY(a.window.isTalking());
        QVERIFY(a.window.isAnimating());

        a.engine->finish();
        QVERIFY(!a.window.isTalking());
        QVERIFY(!a.window.isAnimating());
        QVERIFY(a.window.balloonShown());   // left a moment to be read
        QTRY_VERIFY_WITH_TIMEOUT(!a.window.balloonShown(), SpeakingAgent::kBalloonLingerMs + 2000);
    }

    void queuedTextShowsWhenHeard()
    {
        ShownAgent a;
        a.agent.speak("あ", "あ", SpeechKind::Message);
        a.hear("あ");
        a.agent.speak("い", "い", SpeechKind::Message);
        QCOMPARE(a.window.balloonText(), QString("あ"));
        a.hear("い");
        QCOMPARE(a.window.balloonText(), QString("い"));
    }

    void stopSilencesAndRestsAtOnce()
    {
        ShownAgent a;
        a.agent.speak("ながい ぶん", "ながい ぶん", SpeechKind::Message);
        a.hear("ながい ぶん");
        a.agent.stop();
        QCOMPARE(a.engine->stops, 1);
        QVERIFY(!a.window.isTalking());
        QVERIFY(!a.window.isAnimating());
        QVERIFY(!a.window.balloonShown());
    }

    void logsEverySpeakAndStopExactly()
    {
        QLoggingCategory::setFilterRules("pelumo.speech.debug=true");
        SpeakingAgent agent(std::make_unique<FakeEngine>());
        QTest::ignoreMessage(QtDebugMsg, "Speak \"こんにちは_\" reading \"コンニチワ\"");
        agent.speak("こんにちは_", "コンニチワ", SpeechKind::Message);
        QTest::ignoreMessage(QtDebugMsg, "Speak \"100%1 \"quoted\"\" reading \"%1\"");
        agent.speak("100%1 \"quoted\"", "%1", SpeechKind::Message);
        QTest::ignoreMessage(QtDebugMsg, "Stop");
        agent.stop();
        QLoggingCategory::setFilterRules("pelumo.speech.debug=false");
    }
};

QTEST_MAIN(CharacterWindowTest)
#include "character_window_test.moc"
