#pragma once
// A main window on fakes, for tests: its own settings file and data folder in
// a temporary directory, a clock that can be set, a counting beeper, a
// clipboard of its own and an agent that records what it was asked.
#include "app/frmTalk.h"
#include "platform/Fonts.h"
#include <QCoreApplication>
#include <QTemporaryDir>
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
    void speak(const QString &t) override { calls << "Speak " + t; }
    void stop() override { calls << "Stop"; }
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
    explicit TestWindow(std::initializer_list<std::pair<QString, QString>> options = {})
    {
        installFontSubstitutions();
        qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
        settings = std::make_unique<IniSettingsStore>(dir.filePath("config/Talk/Talk.ini"));
        for (const auto &o : options)
            settings->write(o.first, o.second);
        window = std::make_unique<frmTalk>(
            Services{*settings, clock, beeper, clipboard, agent, dir.filePath("program")});
    }
    // Start-up as the program does it, then show the window.
    frmTalk &start()
    {
        window->Form_Load();
        window->show();
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

} // namespace pelumo::test
