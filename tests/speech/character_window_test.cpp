// The character's window and the agent that joins it to a voice.
#include "speech/SpeakingAgent.h"
#include "support/TestWindow.h"
#include <QApplication>
#include <QDialog>
#include <QLoggingCategory>
#include <QPainter>
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

// Watches a window's paints: how many, and whether its shape was ever
// different from the first one seen.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *w) : m_w(w) { w->installEventFilter(this); }
    int paints = 0;
    bool shapeChanged = false;
    QRegion shape;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            if (paints++ == 0)
                shape = m_w->mask();
            else if (m_w->mask() != shape)
                shapeChanged = true;
        }
        return false;
    }

private:
    QWidget *m_w;
};

// Paint events on a window and everything in it, and the parts of it that
// the window system asks to be drawn again (exposed by windows above it,
// under a real window system), counted while it lives.
class WindowPaints : public QObject {
public:
    explicit WindowPaints(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    QStringList painted;   // class names, for the failure message
    int exposes = 0;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = qobject_cast<QWidget *>(o);
        if (e->type() == QEvent::Paint && w && (w == m_window || m_window->isAncestorOf(w)))
            painted << QString::fromLatin1(w->metaObject()->className());
        if (e->type() == QEvent::Expose && o == m_window->windowHandle())
            ++exposes;
        return false;
    }

private:
    QWidget *m_window;
};

// Pixels of the shape left see-through in the frame now shown.
int holesInShape(CharacterWindow &c)
{
    const QImage frame = c.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int holes = 0;
    for (const QRect &r : c.mask())
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qAlpha(frame.pixel(x, y)) != 255)
                    ++holes;
    return holes;
}
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

    // The window's shape stays that of the figure at rest through the whole
    // greeting and while it talks, and each frame paints all of it.
    void animatesInsideAFixedShape()
    {
        CharacterWindow c;
        c.show();
        const QRegion atRest = c.mask();
        QVERIFY(!atRest.isEmpty());
        QVERIFY(atRest.boundingRect().width() < c.width());   // the figure, not a box
        PaintWatch watch(&c);
        c.play("greet");
        int framesSeen = 0;
        while (c.isAnimating() && framesSeen < 100) {
            QVERIFY(QTest::qWaitFor([&] { return watch.paints > framesSeen; }, 1000));
            framesSeen = watch.paints;
            QCOMPARE(holesInShape(c), 0);
        }
        QVERIFY(framesSeen > 5);
        c.showBalloon("こんにちは");
        c.setTalking(true);
        QTRY_VERIFY(watch.paints > framesSeen + 5);
        QCOMPARE(holesInShape(c), 0);
        c.rest(0);
        QVERIFY(!watch.shapeChanged);
        QCOMPARE(c.mask(), atRest);
    }

    // The greeting and a spoken message, from the start of the program to
    // the balloon's going, cost the main window below not one paint.
    void mainWindowIsNotRepaintedByTheCharacter()
    {
        QApplication::setCursorFlashTime(0);   // the caret's blinking is not ours
        auto *engine = new FakeEngine;
        SpeakingAgent agent{std::unique_ptr<SpeechEngine>(engine)};
        test::TestWindow w;
        w.window = std::make_unique<frmTalk>(Services{*w.settings, w.clock, w.beeper, w.clipboard,
                                                      agent, w.dir.filePath("program")});
        frmTalk &f = w.start();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        CharacterWindow &character = agent.window();
        QTRY_VERIFY(character.isVisible() && character.isAnimating());   // greeting
        QCOMPARE(character.pos(), QPoint(855, 20));
        // Counted from here: the offscreen platform gives every window it
        // shows the focus (a real one leaves the caret in the message), and
        // the main window repaints its caret when it loses it.
        QTest::qWait(20);
        WindowPaints paints(&f);
        character.play("greet");   // once more, the whole of it counted
        QTRY_VERIFY_WITH_TIMEOUT(!character.isAnimating(), 4000);
        agent.speak("こんにちは", "こんにちわ", SpeechKind::Message);
        emit engine->audioStarted("こんにちは");
        QTest::qWait(400);
        QVERIFY(character.isTalking());
        // Under a real window system: nothing of the main window was
        // uncovered so far (the balloon's going, below, may uncover it).
        const int exposes = paints.exposes;
        engine->finish();
        QTRY_VERIFY_WITH_TIMEOUT(!character.balloonShown(), SpeakingAgent::kBalloonLingerMs + 2000);
        QVERIFY2(paints.painted.isEmpty(), qPrintable(paints.painted.join(", ")));
        QCOMPARE(exposes, 0);
    }

    void balloonStaysOffAnOpenDialog()
    {
        ShownAgent a;
        a.agent.moveTo(855, 20);
        QDialog dialog;
        dialog.setGeometry(300, 0, 600, 700);
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        a.agent.speak("これで はなします", "これで はなします", SpeechKind::Key);
        a.hear("これで はなします");
        QVERIFY(!a.window.balloonShown());
        QVERIFY(a.window.isTalking());   // still heard and animated
        dialog.close();
        a.hear("あ");
        QVERIFY(a.window.balloonShown());
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

        a.agent.speak("こんにちは_", "コンニチワ ", SpeechKind::Message);
        QCOMPARE(a.engine->said, QStringList{"コンニチワ "});
        QVERIFY(a.window.balloonShown());   // at once, before the first sound
        // As written, but without the end marker, which is heard as a pause.
        QCOMPARE(a.window.balloonText(), QString("こんにちは"));
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
        QTest::ignoreMessage(QtDebugMsg, "Speak \"こんにちは_\" reading \"コンニチワ\" voice \"espeak-ng\"");
        agent.speak("こんにちは_", "コンニチワ", SpeechKind::Message);
        QTest::ignoreMessage(QtDebugMsg, "Speak \"100%1 \"quoted\"\" reading \"%1\" voice \"espeak-ng\"");
        agent.speak("100%1 \"quoted\"", "%1", SpeechKind::Message);
        QTest::ignoreMessage(QtDebugMsg, "Stop");
        agent.stop();
        QLoggingCategory::setFilterRules("pelumo.speech.debug=false");
    }
};

QTEST_MAIN(CharacterWindowTest)
#include "character_window_test.moc"
