#pragma once
// The beep, the clipboard and the screen's mouse pointer, each behind a small
// interface so that tests can count beeps and hold their own clipboard.
#include <QString>

namespace pelumo {

class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

class SystemBeeper : public Beeper {
public:
    void beep() override;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

class SystemClipboard : public Clipboard {
public:
    void clear() override;
    void setText(const QString &text) override;
    QString text() const override;
};

// The program-wide pointer: 11 the hourglass, 0 the default. Setting the same
// pointer twice stacks nothing, so one reset always restores the default.
void setScreenMousePointer(int pointer);
int screenMousePointer();

} // namespace pelumo
