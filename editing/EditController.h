#pragma once
// The editing keys (→ ＢＳ ← ↓ ↑) with their press-and-hold repeat, the narrow
// and wide message layouts, copy and paste.
#include "editing/MessageArea.h"
#include "platform/Devices.h"
#include "platform/HoldRepeat.h"
#include "widgets/CommandButton.h"
#include "widgets/ScaledLayout.h"
#include <QObject>
#include <array>
#include <functional>

namespace pelumo {

struct EditControls {
    Frame *fraText;
    TextBox *txtTalk;
    std::array<CommandButton *, 5> cmdRes;   // → ＢＳ ← ↓ ↑
    CommandButton *cmdWide, *cmdCopy, *cmdPaste;
};

class EditController : public QObject {
    Q_OBJECT
public:
    // formHeight gives the window's outer height in twips, which the wide
    // layout fills.
    EditController(const EditControls &controls, MessageArea &message, ScaledLayout &layout,
                   Clock &clock, Clipboard &clipboard, std::function<int()> formHeight,
                   QObject *parent = nullptr);

    void cmdRes_MouseDown(int Index);
    void cmdRes_MouseUp(int Index);
    void stopRepeat();
    void cmdWide_Click();
    void cmdCopy_Click();
    void cmdPaste_Click();

    bool isWide() const { return m_wide; }
    void SetNarrowLayout();   // caption "広げる", heights 2445 and 2295
    void SetWideLayout();     // heights from the form height; the caption stays
    void widen();             // the wide layout with the caption "狭める"

signals:
    // An editing key or a paste changed the message or moved the caret;
    // sent once the text box has applied the keys it queued.
    void edited();

private:
    void tellEdited();
    bool editStep(int index);   // false ends the repeat

    EditControls c;
    MessageArea &m_message;
    ScaledLayout &m_layout;
    Clipboard &m_clipboard;
    std::function<int()> m_formHeight;
    HoldRepeat m_repeat;
    bool m_wide = false;
};

} // namespace pelumo
