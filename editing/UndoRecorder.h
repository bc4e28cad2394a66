#pragma once
// 元に戻す over the message box: every change of the text becomes one step of
// the undo history, the message and its highlight as they were before it.
//
// MessageArea wraps each of its changes in a Change and tells of the caret
// keys it sends, whose step is recorded once they have taken effect. Whatever
// reaches the box without passing there (a keyboard, an input method, the
// box's own cut and paste keys) is recorded from the box's notifications.
#include "editing/core/UndoHistory.h"
#include "widgets/TextBox.h"
#include <QObject>
#include <optional>

namespace pelumo {

class UndoRecorder : public QObject {
    Q_OBJECT
public:
    explicit UndoRecorder(TextBox *box, QObject *parent = nullptr);

    // One change of the message, from construction to destruction. One made
    // inside another, or while sent keys wait, is part of that one's step.
    class Change {
    public:
        explicit Change(UndoRecorder &recorder);
        ~Change();
        Change(const Change &) = delete;
        Change &operator=(const Change &) = delete;

    private:
        UndoRecorder &m_recorder;
        const MessageSnapshot m_before;
    };

    MessageSnapshot snapshot() const;
    // Caret keys were sent to the box when it held `before`.
    void keysSent(const MessageSnapshot &before);

    // The text and highlight as they were before the last change; false when
    // there is nothing to undo. Not itself a step.
    bool undo();
    bool canUndo() const { return m_history.canUndo(); }
    void clear();

signals:
    void undoAvailable(bool available);   // canUndo() became true or false

private:
    void finish(const MessageSnapshot &before);
    void record(const MessageSnapshot &before);
    void keysApplied();
    void boxTextChanged();
    void boxCaretMoved();
    bool busy() const { return m_changing > 0 || m_beforeKeys.has_value(); }

    TextBox *m_box;
    UndoHistory m_history;
    int m_changing = 0;   // changes under way, one inside another
    // The message when caret keys were sent that have not yet taken effect:
    // they and whatever changes meanwhile make one step.
    std::optional<MessageSnapshot> m_beforeKeys;
    // The message last seen while nothing was under way: what a change typed
    // straight into the box goes back to. Text and highlight are always of
    // one moment.
    MessageSnapshot m_seen;
};

} // namespace pelumo
