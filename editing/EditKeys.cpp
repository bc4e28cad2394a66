// The editing keys with their press-and-hold repeat, the narrow and wide text
// layouts, copy and paste.
#include "app/frmTalk.h"
#include "platform/core/Characters.h"
#include "editing/core/Message.h"
#include <QCoreApplication>
#include <QPointer>

namespace pelumo {

void frmTalk::cmdRes_MouseDown(int Index)
{
    cmdRes[Index]->setBackColor(colors::Grey);
    ButtonHeld = true;
    RepeatEditKey(qint16(Index));
}

void frmTalk::cmdRes_MouseUp(int Index)
{
    cmdRes[Index]->setBackColor(colors::White);
    ButtonHeld = false;
}

void frmTalk::RepeatEditKey(qint16 Index)
{
    // Events run nested in here: the window may close or a dialog open under
    // us. The guard ends the loop when the window is gone.
    QPointer<frmTalk> alive(this);
    auto processEvents = [&alive] {
        QCoreApplication::processEvents();
        return !alive.isNull();
    };
    for (;;) {
        if (!ButtonHeld || m_closing || !txtTalk->isVisible())
            return;
        txtTalk->setFocus();
        if (!editStep(Index))
            return;
        if (!processEvents())
            return;
        pauseBetweenRepeats(services.clock);
        if (!processEvents())
            return;
    }
}

bool frmTalk::editStep(int index)
{
    TextBox *t = txtTalk;
    const QString text = t->text();
    const int s = t->selStart(), n = t->selLength(), L = int(text.size());
    // Outcomes that end the repeat let their keys take effect first.
    auto finish = [] {
        QCoreApplication::processEvents();
        return false;
    };
    switch (index) {
    case 0:   // →
        // "The last character" is a whole one: two code units when it lies
        // outside the Basic Multilingual Plane.
        if (L > 0 && s == previousCharacter(text, L) && !text.endsWith(kEndMarker)) {
            if (L + 1 <= kMaxMessageLength) {
                t->setText(text + kEndMarker);
                t->setSelStart(L);
                t->sendKeys(QStringLiteral("+{RIGHT}"));
            }
            return finish();
        }
        if (nextCharacter(text, s) >= L)
            return finish();
        if (n != 0) {
            t->setSelLength(0);
            t->sendKeys(QStringLiteral("{RIGHT}"));
        }
        t->sendKeys(QStringLiteral("+{RIGHT}"));
        return true;
    case 1:   // ＢＳ: one deletion a press
        if (s == L - 1 && text.endsWith(kEndMarker)) {
            t->sendKeys(QStringLiteral("{LEFT}{BS}+{RIGHT}"));
        } else {
            t->sendKeys(QStringLiteral("{BS}"));
            if (n != 0)
                t->sendKeys(QStringLiteral("{LEFT}"));
            t->sendKeys(QStringLiteral("+{RIGHT}"));
        }
        return finish();
    case 2:   // ←
        if (s == 0)
            return false;
        t->setSelLength(0);
        t->sendKeys(QStringLiteral("+{LEFT}"));
        return true;
    case 3:   // ↓
        t->sendKeys(QStringLiteral("{DOWN}{LEFT}+{RIGHT}"));
        return true;
    case 4:   // ↑
        t->sendKeys(QStringLiteral("{UP}{RIGHT}+{LEFT}"));
        return true;
    default:
        return false;
    }
}

void frmTalk::SetNarrowLayout()
{
    cmdWide->setCaption(QStringLiteral("広げる"));
    layout.setHeight(fraText, 2445);
    layout.setHeight(txtTalk, 2295);
}

void frmTalk::SetWideLayout()
{
    layout.setHeight(fraText, formHeight() - 3480);
    layout.setHeight(txtTalk, formHeight() - 3630);
}

void frmTalk::cmdWide_Click()
{
    if (layout.geometry(txtTalk).height() > 2300) {
        SetNarrowLayout();
    } else {
        cmdWide->setCaption(QStringLiteral("狭める"));
        SetWideLayout();
    }
    txtTalk->setFocus();
}

void frmTalk::cmdCopy_Click()
{
    services.clipboard.clear();
    services.clipboard.setText(txtTalk->text());
}

void frmTalk::cmdPaste_Click()
{
    QString pasted = services.clipboard.text();
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString message = txtTalk->text();
    // A paste that does not fit is refused whole and the clipboard kept:
    // emptying it after a cut-down paste would lose the rest of the text.
    if (message.size() + pasted.size() > kMaxMessageLength)
        return;
    const int anchor = txtTalk->anchor(), active = txtTalk->activeEnd();
    txtTalk->setText(message + pasted);
    txtTalk->select(anchor, active);
    services.clipboard.clear();
}

} // namespace pelumo
