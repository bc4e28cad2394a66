// The editing keys with their press-and-hold repeat, the narrow and wide
// message layouts, copy and paste.
#include "editing/EditController.h"
#include "platform/core/Characters.h"
#include "platform/core/MessageRules.h"

namespace pelumo {

EditController::EditController(const EditControls &controls, MessageArea &message,
                               ScaledLayout &layout, Clock &clock, Clipboard &clipboard,
                               std::function<int()> formHeight, QObject *parent)
    : QObject(parent), c(controls), m_message(message), m_layout(layout), m_clipboard(clipboard),
      m_formHeight(std::move(formHeight)), m_repeat(clock)
{
}

void EditController::cmdRes_MouseDown(int Index)
{
    c.cmdRes[Index]->setBackColor(colors::Grey);
    m_repeat.start([this, Index] {
        m_message.focus();
        const bool goOn = editStep(Index);
        tellEdited();
        return goOn;
    });
}

void EditController::tellEdited()
{
    // Queued behind the text box's own queued keys, so that whoever hears
    // it sees the message as the keys have left it.
    QMetaObject::invokeMethod(this, &EditController::edited, Qt::QueuedConnection);
}

void EditController::cmdRes_MouseUp(int Index)
{
    c.cmdRes[Index]->setBackColor(colors::White);
    stopRepeat();
}

void EditController::stopRepeat()
{
    m_repeat.stop();
}

bool EditController::editStep(int index)
{
    MessageArea &t = m_message;
    const QString text = t.text();
    const int s = t.selStart(), n = t.selLength(), L = int(text.size());
    switch (index) {
    case 0:   // →
        // "The last character" is a whole one: two code units when it lies
        // outside the Basic Multilingual Plane.
        if (L > 0 && s == previousCharacter(text, L) && !text.endsWith(kEndMarker)) {
            if (L + 1 <= kMaxMessageLength) {
                t.setText(text + kEndMarker, L);
                t.sendKeys(QStringLiteral("+{RIGHT}"));
            }
            return false;
        }
        if (nextCharacter(text, s) >= L)
            return false;
        if (n != 0) {
            t.setCaret(s);
            t.sendKeys(QStringLiteral("{RIGHT}"));
        }
        t.sendKeys(QStringLiteral("+{RIGHT}"));
        return true;
    case 1:   // ＢＳ: one deletion a press
        if (s == L - 1 && text.endsWith(kEndMarker)) {
            t.sendKeys(QStringLiteral("{LEFT}{BS}+{RIGHT}"));
        } else {
            t.sendKeys(QStringLiteral("{BS}"));
            if (n != 0)
                t.sendKeys(QStringLiteral("{LEFT}"));
            t.sendKeys(QStringLiteral("+{RIGHT}"));
        }
        return false;
    case 2:   // ←
        if (s == 0)
            return false;
        t.setCaret(s);
        t.sendKeys(QStringLiteral("+{LEFT}"));
        return true;
    case 3:   // ↓
        t.sendKeys(QStringLiteral("{DOWN}{LEFT}+{RIGHT}"));
        return true;
    case 4:   // ↑
        t.sendKeys(QStringLiteral("{UP}{RIGHT}+{LEFT}"));
        return true;
    default:
        return false;
    }
}

void EditController::SetNarrowLayout()
{
    m_wide = false;
    c.cmdWide->setCaption(QStringLiteral("広げる"));
    m_layout.setHeight(c.fraText, 2445);
    m_layout.setHeight(c.txtTalk, 2295);
}

void EditController::SetWideLayout()
{
    m_wide = true;
    m_layout.setHeight(c.fraText, m_formHeight() - 3480);
    m_layout.setHeight(c.txtTalk, m_formHeight() - 3630);
}

void EditController::widen()
{
    c.cmdWide->setCaption(QStringLiteral("狭める"));
    SetWideLayout();
}

void EditController::cmdWide_Click()
{
    if (m_wide)
        SetNarrowLayout();
    else
        widen();
    m_message.focus();
}

void EditController::cmdCopy_Click()
{
    m_clipboard.clear();
    m_clipboard.setText(m_message.text());
}

void EditController::cmdPaste_Click()
{
    // A paste that does not fit is refused whole and the clipboard kept:
    // emptying it after a cut-down paste would lose the rest of the text.
    if (m_message.paste(m_clipboard.text()))
        m_clipboard.clear();
    tellEdited();
}

} // namespace pelumo
