#include "editing/UndoRecorder.h"
#include <utility>

namespace pelumo {

UndoRecorder::Change::Change(UndoRecorder &recorder)
    : m_recorder(recorder), m_before(recorder.snapshot())
{
    ++m_recorder.m_changing;
}

UndoRecorder::Change::~Change()
{
    if (--m_recorder.m_changing == 0)
        m_recorder.finish(m_before);
}

UndoRecorder::UndoRecorder(TextBox *box, QObject *parent)
    : QObject(parent), m_box(box), m_seen(snapshot())
{
    connect(m_box, &QPlainTextEdit::textChanged, this, &UndoRecorder::boxTextChanged);
    connect(m_box, &QPlainTextEdit::cursorPositionChanged, this, &UndoRecorder::boxCaretMoved);
    connect(m_box, &QPlainTextEdit::selectionChanged, this, &UndoRecorder::boxCaretMoved);
    connect(m_box, &TextBox::keysApplied, this, &UndoRecorder::keysApplied);
}

MessageSnapshot UndoRecorder::snapshot() const
{
    return MessageSnapshot{m_box->text(), m_box->anchor(), m_box->activeEnd()};
}

void UndoRecorder::keysSent(const MessageSnapshot &before)
{
    // Inside a change the keys belong to it; after earlier keys, to theirs.
    if (m_changing == 0 && !m_beforeKeys && m_box->hasPendingKeys())
        m_beforeKeys = before;
}

bool UndoRecorder::undo()
{
    if (m_changing > 0)
        return false;
    m_box->applyPendingKeys();   // keys still waiting belong to the last change
    const std::optional<MessageSnapshot> step = m_history.undo();
    if (!step)
        return false;
    ++m_changing;   // the box's notifications of the undo are no change
    m_box->setText(step->text);
    m_box->select(step->anchor, step->position);
    --m_changing;
    m_seen = snapshot();
    if (!canUndo())
        emit undoAvailable(false);
    return true;
}

void UndoRecorder::clear()
{
    const bool could = canUndo();
    m_history.clear();
    if (could)
        emit undoAvailable(false);
}

void UndoRecorder::finish(const MessageSnapshot &before)
{
    if (m_box->hasPendingKeys()) {
        if (!m_beforeKeys)
            m_beforeKeys = before;   // the step ends when the keys take effect
        return;
    }
    // Keys that waited when the change began took effect during it: one step
    // from before them.
    record(std::exchange(m_beforeKeys, std::nullopt).value_or(before));
}

void UndoRecorder::record(const MessageSnapshot &before)
{
    const bool could = canUndo();
    m_history.record(before, m_box->text());
    m_seen = snapshot();
    if (canUndo() != could)
        emit undoAvailable(canUndo());
}

void UndoRecorder::keysApplied()
{
    if (m_changing == 0 && m_beforeKeys)
        record(*std::exchange(m_beforeKeys, std::nullopt));
}

void UndoRecorder::boxTextChanged()
{
    if (!busy() && m_box->text() != m_seen.text)
        record(m_seen);
}

void UndoRecorder::boxCaretMoved()
{
    // Told in the middle of a typed change, the text differs from the one
    // seen: the highlight from before the change stays until it is recorded.
    if (!busy() && m_box->text() == m_seen.text)
        m_seen = snapshot();
}

} // namespace pelumo
