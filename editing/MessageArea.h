#pragma once
// The message: the one way every change reaches the text box, whether it
// comes from the board, an editing key, a paste, a decided phrase or the
// diary. The rules of each change are in editing/core; this applies them to
// the box, which shows the text and lets the caret keys move in it.
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

signals:
    void changed();

private:
    TextBox *m_box;
};

} // namespace pelumo
