#pragma once
// The switches. With one switch, Space, Enter or the left mouse button
// anywhere on the program's windows is the switch; with two, Space or the
// left button steps and Enter or the right button selects. USB switch
// interfaces send exactly such keys and clicks. A press is the switch's
// alone: it never also reaches the key or control under the pointer.
//
// A touch on a touch screen stays a touch, so that a carer still reaches
// 終了 and 設定, which scanning leaves out. Events the program sends itself
// (a scanned target being pressed) pass untouched.
#include "access/core/Scanner.h"
#include <QObject>

class QKeyEvent;
class QMouseEvent;

namespace pelumo {

class SwitchInput : public QObject {
    Q_OBJECT
public:
    explicit SwitchInput(QObject *parent = nullptr);
    ~SwitchInput() override;

    // Starts (Automatic or Step) or stops (nullopt) listening on the whole
    // application.
    void setMode(std::optional<ScanMode> mode);
    bool isListening() const { return m_mode.has_value(); }

signals:
    void pressed(SwitchId id);
    void released(SwitchId id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(QKeyEvent *event);
    bool mouseEvent(QMouseEvent *event);
    SwitchId idFor(bool selectKey) const;
    // A physical input going down or up: the switch it stands for is
    // pressed or released; a second press while it is down is nothing.
    void route(std::optional<SwitchId> &down, bool press, bool selectKey);

    std::optional<ScanMode> m_mode;
    // Which switch each physical input holds down, so a release matches its
    // press even when the mode changed in between.
    std::optional<SwitchId> m_keyDown[2];     // Space, Enter
    std::optional<SwitchId> m_buttonDown[2];  // left, right
};

} // namespace pelumo
