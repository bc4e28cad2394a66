#pragma once
// A main window on fakes, for tests: its own settings file and data folder in
// a temporary directory, a clock that can be set, a counting beeper, a
// clipboard of its own and an agent that records what it was asked.
#include "app/frmTalk.h"
#include "support/FakeConverter.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/Fonts.h"
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QCursor>
#include <QPointer>
#include <QWindow>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

namespace pelumo::test {

// A clock that moves only when told: advance() runs the ticks of the
// press-and-hold repeats that fall due, in order. As with Qt's timers, a tick
// still running (one that opened a dialog, whose loop advances the clock) is
// not run again inside itself.
class FakeClock : public Clock {
public:
    double now = 1000.0;
    QDate date = QDate(2026, 12, 7);
    double monotonicSeconds() const override { return now; }
    QDate today() const override { return date; }

    std::unique_ptr<Ticker> startTicker(int intervalMs, std::function<void()> tick) override
    {
        auto entry = std::make_shared<Entry>(Entry{intervalMs / 1000.0, now + intervalMs / 1000.0,
                                                   std::move(tick)});
        m_entries.push_back(entry);
        return std::make_unique<FakeTicker>(entry);
    }
    void advance(int ms)
    {
        const double target = now + ms / 1000.0;
        for (;;) {
            std::shared_ptr<Entry> due;
            for (const auto &e : m_entries)
                if (e->alive && !e->running && e->next <= target + 1e-9
                    && (!due || e->next < due->next))
                    due = e;
            if (!due)
                break;
            now = std::max(now, due->next);   // never back, after a nested advance
            due->next += due->interval;
            const auto tick = due->tick;   // the tick may drop its own ticker
            due->running = true;
            tick();
            due->running = false;
        }
        now = std::max(now, target);
        std::erase_if(m_entries, [](const auto &e) { return !e->alive; });
    }
    // Repeats still running.
    int running() const
    {
        return int(std::count_if(m_entries.begin(), m_entries.end(),
                                 [](const auto &e) { return e->alive; }));
    }

private:
    struct Entry {
        double interval;
        double next;
        std::function<void()> tick;
        bool alive = true;
        bool running = false;
    };
    struct FakeTicker : Ticker {
        explicit FakeTicker(std::shared_ptr<Entry> e) : entry(std::move(e)) {}
        ~FakeTicker() override { entry->alive = false; }
        std::shared_ptr<Entry> entry;
    };
    std::vector<std::shared_ptr<Entry>> m_entries;
};

// A chime that is only on or off.
class FakeChime : public Chime {
public:
    bool sounding = false;
    void start() override { sounding = true; }
    void stop() override { sounding = false; }
    bool isSounding() const override { return sounding; }
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
            Services{*settings, clock, beeper, clipboard, character, dir.filePath("program"), &chime,
                     fakeConverter(conversions)});
    }
    // Start-up as the program does it, then show the window.
    frmTalk &start()
    {
        window->Form_Load();
        window->show();
        // Until the first paint has been answered by reading the phrase book.
        for (int i = 0; i < 20 && !window->phrases->isLoaded(); ++i)
            QCoreApplication::processEvents();
        return *window;
    }
    // A phrase book of these phrases (and the diary's placeholder), in the
    // program's folder, where start-up looks first. Before start().
    void putPhrases(const QStringList &phrases)
    {
        QDir().mkpath(dir.filePath("program"));
        QFile file(dir.filePath("program/Talk.txt"));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the test phrase book");
        for (const QString &p : QStringList{kPlaceholderText} + phrases)
            file.write("\"" + p.toUtf8() + "\"\r\n");
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
    // A touch at a point of the screen, as the window system gives it to the
    // window in front there: a modal dialog holds back one on a window
    // behind it.
    static void touchAt(const QPoint &global)
    {
        if (QWindow *front = QGuiApplication::topLevelAt(global))
            QTest::mouseClick(front, Qt::LeftButton, {}, front->mapFromGlobal(global));
        QCoreApplication::processEvents();
    }
    // Time passes for a user who rests; what it brought is given from the
    // event loop.
    void wait(int ms)
    {
        clock.advance(ms);
        QCoreApplication::processEvents();
    }
    // The pointer comes onto a point (seen moving) and rests there until
    // dwell has pressed what is under it.
    void dwellAt(const QPoint &global)
    {
        QCursor::setPos(global + QPoint(2, 2));
        wait(DwellPointer::kTickMs);
        QCursor::setPos(global);
        wait(window->state.Access.dwellTime + DwellPointer::kTickMs);
    }
    void dwellOn(QWidget *target) { dwellAt(target->mapToGlobal(target->rect().center())); }

    QTemporaryDir dir;
    FakeClock clock;
    CountingBeeper beeper;
    FakeChime chime;
    FakeClipboard clipboard;
    RecordingAgent agent;
    std::shared_ptr<FakeConversions> conversions = std::make_shared<FakeConversions>();
    std::unique_ptr<IniSettingsStore> settings;
    std::unique_ptr<frmTalk> window;
};

// Runs script from inside the loop of the next dialog (or flash) shown. A
// dialog still open a moment after the script is closed, so that the test
// ends, and reported as stuck.
struct InDialog {
    bool ran = false, stuck = false;
};
inline std::shared_ptr<InDialog> inNextDialog(std::function<void(QWidget *)> script)
{
    auto seen = std::make_shared<InDialog>();
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, script] {
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        seen->ran = true;
        script(dialog);
        QTimer::singleShot(100, [dialog, seen] {
            if (dialog && dialog->isVisible()) {
                seen->stuck = true;
                dialog->close();
            }
        });
    });
    poll->start(5);
    return seen;
}

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
