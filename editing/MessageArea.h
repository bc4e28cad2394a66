#pragma once
// The message: the one way every change reaches the text box, whether it
// comes from the board, an editing key, a paste, a decided phrase or the
// diary. The rules of each change are in editing/core; this applies them to
// the box, which shows the text and lets the caret keys move in it. Each
// change of the text can be taken back with undo().
#include "editing/UndoRecorder.h"
#include "widgets/TextBox.h"
#include <QObject>

namespace pelumo {

class MessageArea : public QObject {
    Q_OBJECT
public:
    explicit MessageArea(TextBox *txtTalk, QObject *parent = nullptr);

    QString text() const { return m_box->text(); }
    int selStart() const { return m_box->selStart(); }
    int selLength() const { return m_box->selLength(); }

    // Each returns false, changing nothing, when the result would pass the limit.
    bool InsertBoardText(const QString &entry);
    bool decideCandidate(const QString &phrase, int matchLength);
    bool decidePhrase(const QString &phrase);
    bool paste(const QString &clipboardText);

    void setText(const QString &text, int caret);
    void setCaret(int position);       // no selection
    void clear();
    void appendEndMarker();            // when missing; the caret stays
    void markEndOfReading();           // "_" at the end, selected, after 読む
    void selectWhole(int anchor, int activeEnd);
    void selectLastCharacter();        // the last character, whole
    void sendKeys(const QString &keys);   // caret keys, applied at the next event processing
    void focus();
    void selectNextIfCaret();          // the caret back, a lone caret selecting the next character
    void setDiaryLook(bool diary);     // light green while a diary entry is shown

    // 元に戻す: the text and highlight exactly as they were before the last
    // change of the text, emitting changed(). False, changing nothing, when
    // there is nothing to undo. An undo is not itself a step; there is no redo.
    bool undo();
    bool canUndo() const { return m_undo.canUndo(); }
    // Forgets every step: after a message kept against a crash is put back,
    // which the user did not write in this session.
    void clearUndo() { m_undo.clear(); }

signals:
    void changed();
    void undoAvailable(bool available);   // canUndo() became true or false

private:
    using Change = UndoRecorder::Change;

    TextBox *m_box;
    UndoRecorder m_undo;
};

} // namespace pelumo
