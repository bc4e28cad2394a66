#pragma once
// A main window on fakes, for tests: its own settings file and data folder in
// a temporary directory, a clock that can be set, a counting beeper, a
// clipboard of its own and an agent that records what it was asked.
#include "app/frmTalk.h"
#include "platform/Fonts.h"
#include <QCoreApplication>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <functional>
#include <memory>

namespace pelumo::test {

class FakeClock : public Clock {
public:
    double now = 1000.0;
    QDate date = QDate(2026, 12, 7);
    int sleeps = 0;
    std::function<void()> onSleep;   // runs in each sleep, e.g. to release a held key
    double monotonicSeconds() const override { return now; }
    void sleep(int ms) override
    {
        ++sleeps;
        now += ms / 1000.0;
        if (onSleep)
            onSleep();
    }
    QDate today() const override { return date; }
};

class CountingBeeper : public Beeper {
public:
    int count = 0;
    void beep() override { ++count; }
};

class FakeClipboard : public Clipboard {
public:
    QString content;
    void clear() override { content.clear(); }
    void setText(const QString &text) override { content = text; }
    QString text() const override { return content; }
};

class RecordingAgent : public AgentCharacter {
public:
    QStringList calls;
    void show() override { calls << "Show"; }
    void moveTo(int x, int y) override { calls << QString("MoveTo %1 %2").arg(x).arg(y); }
    void play(const QString &a) override { calls << "Play " + a; }
    QStringList written;   // the texts as the user wrote them; calls hold what was said
    VoiceSettings voice;
    void speak(const QString &t, const QString &reading, SpeechKind) override
    {
        calls << "Speak " + reading;
        written << t;
    }
    void stop() override { calls << "Stop"; }
    void setVoice(const VoiceSettings &v) override { voice = v; }
    QStringList spoken() const
    {
        QStringList out;
        for (const QString &c : calls)
            if (c.startsWith("Speak "))
                out << c.mid(6);
        return out;
    }
};

// Builds the window in a fresh temporary folder. Options are written to the
// settings file before Form_Load reads them.
class TestWindow {
public:
    using OptionList = std::initializer_list<std::pair<QString, QString>>;
    explicit TestWindow(OptionList options = {}) { build(agent, options); }
    // With a character of the caller's, e.g. the real one with its voice.
    explicit TestWindow(AgentCharacter &character, OptionList options = {})
    {
        build(character, options);
    }
    void build(AgentCharacter &character, OptionList options)
    {
        installFontSubstitutions();
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        settings = std::make_unique<IniSettingsStore>(dir.filePath("config/Talk/Talk.ini"));
        for (const auto &o : options)
            settings->write(o.first, o.second);
        window = std::make_unique<frmTalk>(
            Services{*settings, clock, beeper, clipboard, character, dir.filePath("program")});
    }
    // Start-up as the program does it, then show the window.
    frmTalk &start()
    {
        window->Form_Load();
        window->show();
        // Until the first paint has been answered by reading the phrase book.
        for (int i = 0; i < 20 && !window->state.PhraseList; ++i)
            QCoreApplication::processEvents();
        return *window;
    }
    frmTalk *operator->() { return window.get(); }
    frmTalk &operator*() { return *window; }

    // A press on a grid cell through the event system: MouseDown, then Click.
    static void press(FlexGrid *grid, int row, int col)
    {
        const QRect r = grid->cellRect(row, col);
        QTest::mouseClick(grid, Qt::LeftButton, {}, r.center());
        QCoreApplication::processEvents();
    }
    static void tap(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    FakeClock clock;
    CountingBeeper beeper;
    FakeClipboard clipboard;
    RecordingAgent agent;
    std::unique_ptr<IniSettingsStore> settings;
    std::unique_ptr<frmTalk> window;
};

// What a question dialog showed when it was answered.
struct SeenQuestion {
    bool shown = false;
    QString title, prompt;
    QStringList buttons;   // captions of the visible buttons, left to right
};

// Answers the next question dialog as soon as it is shown: 0 presses the
// affirmative button, 1 the negative one, -1 closes the dialog by its frame.
// Returns what the dialog showed, filled in when it has been answered.
inline std::shared_ptr<SeenQuestion> answerNextQuestion(int index)
{
    auto seen = std::make_shared<SeenQuestion>();
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, seen, index] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        seen->shown = true;
        seen->title = dialog->windowTitle();
        if (auto *label = dialog->findChild<QLabel *>())
            seen->prompt = label->text();
        for (const char *name : {"cmdOK0", "cmdOK1"}) {
            auto *b = dialog->findChild<QAbstractButton *>(name);
            if (b && b->isVisible())
                seen->buttons << b->text();
        }
        if (index < 0) {
            dialog->close();
            return;
        }
        auto *button = dialog->findChild<QAbstractButton *>(QStringLiteral("cmdOK%1").arg(index));
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
    });
    timer->start();
    return seen;
}

// Answers every question dialog shown while it lives, with the affirmative
// button (or by closing it, with index -1), and keeps what each one asked.
// Answers from a queued call, so a dialog opened by an answer is answered too.
class QuestionAnswerer : public QObject {
public:
    explicit QuestionAnswerer(int index = 0) : m_index(index) { startTimer(2); }
    QStringList prompts;

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == m_answering)
            return;
        m_answering = dialog;
        auto *label = dialog->findChild<QLabel *>();
        prompts << (label ? label->text() : QString());
        QMetaObject::invokeMethod(this, [this, dialog = QPointer<QWidget>(dialog)] {
            auto *button = dialog ? dialog->findChild<QAbstractButton *>(
                                        QStringLiteral("cmdOK%1").arg(m_index)) : nullptr;
            if (button && m_index >= 0)
                QTest::mouseClick(button, Qt::LeftButton);
            else if (dialog)
                dialog->close();
        }, Qt::QueuedConnection);
    }

private:
    int m_index;
    QPointer<QWidget> m_answering;
};

} // namespace pelumo::test
