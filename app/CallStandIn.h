#pragma once
// The panel's 呼ぶ kept within reach while one of the program's dialogs is
// open. A modal dialog blocks the main window and the panel on it, so a 呼ぶ
// of the call's own stands exactly where the panel's is, as a small window
// above the dialog: whoever touches or rests on 呼ぶ where it always is
// calls, and the press never reaches the dialog. It goes when the dialog
// closes, and while the flash is up.
#include "widgets/CommandButton.h"
#include <QPointer>
#include <QTimer>
#include <functional>

namespace pelumo {

class CallStandIn : public QWidget {
    Q_OBJECT
public:
    // panelShown: whether the panel, and so its 呼ぶ, is shown at all.
    CallStandIn(CommandButton &panelButton, std::function<bool()> panelShown);
    ~CallStandIn() override;

    CommandButton *cmdCall;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();

    QPointer<CommandButton> m_panelButton;
    std::function<bool()> m_panelShown;
    QTimer m_soon;   // the dialogs changed: look again once the change is done
};

} // namespace pelumo
