#pragma once
// The message box: a multi-line text box with a vertical scroll bar, a
// selection with an anchor and an active end, a background colour, at most
// 500 characters typed into it, and keystroke injection.
//
// sendKeys() queues caret keys; they take effect when pending events are next
// processed, in the order sent, after every direct change of Text, SelStart or
// SelLength made before. What each key does is the table in CaretKeys.h, not
// the toolkit's own arrow-key handling.
#include "platform/core/CaretKeys.h"
#include "platform/core/MessageRules.h"
#include "widgets/Colors.h"
#include <QPlainTextEdit>
#include <QStringList>

namespace pelumo {

class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = kMaxMessageLength;

    explicit TextBox(QWidget *parent = nullptr);

    // Every character as set, line breaks (LF, CR, U+2029) and no-break
    // spaces included.
    QString text() const;
    void setText(const QString &text);   // caret to 0, no selection
    int selStart() const;
    void setSelStart(int position);      // also clears the selection
    int selLength() const;
    void setSelLength(int length);       // from SelStart, active end on the right
    int anchor() const;
    int activeEnd() const;
    // Never between the halves of a surrogate pair: a caret moves to the
    // start of its character, a selection grows to whole characters.
    void select(int anchor, int activeEnd);

    OleColor backColor() const { return m_back; }
    void setBackColor(OleColor color);

    // Queue one key, or several written one after another ("{LEFT}{BS}").
    void sendKeys(const QString &keys);
    bool hasPendingKeys() const { return !m_pendingKeys.isEmpty(); }
    // Applies the queued keys now rather than at the next event processing.
    void applyPendingKeys();

    // Position one displayed line down or up, as the text wraps now.
    int moveByLine(int position, int direction) const;

signals:
    void keysApplied();   // the queued keys have all taken effect

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void applyKey(CaretKey key);
    void rememberBreaks(const QString &text);

    QList<CaretKey> m_pendingKeys;
    bool m_flushPosted = false;
    OleColor m_back = colors::White;
};

} // namespace pelumo
