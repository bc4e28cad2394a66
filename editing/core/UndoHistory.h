#pragma once
// 元に戻す: the message as it was before each change, newest last, so that the
// changes can be taken back one by one.
//
// A step is kept only when a change altered the text: a caret moved or a
// highlight set is not a change of the message and is not taken back. Each
// change is its own step; nothing is merged, so one board entry, one ＢＳ or
// one typed character is undone by one press.
#include <QList>
#include <QString>
#include <optional>

namespace pelumo {

// The message and its highlight, as the text box holds them: anchor and
// position are the highlight's two ends in UTF-16 code units, position being
// where the caret is.
struct MessageSnapshot {
    QString text;
    int anchor = 0;
    int position = 0;
    bool operator==(const MessageSnapshot &) const = default;
};

class UndoHistory {
public:
    // Twice the fifty steps a user is promised. A step is at most the
    // message's 500 characters, so the whole history stays near 100 KiB; going
    // back further than that by switch scanning would take longer than
    // writing the message again.
    static constexpr int kDefaultDepth = 100;

    explicit UndoHistory(int depth = kDefaultDepth);

    // Keeps `before` as a step when the change left the text `after` different
    // from it; the oldest step goes once the history is full. True when a step
    // was kept.
    bool record(const MessageSnapshot &before, const QString &after);
    // The message as it was before the last change, taken off the history.
    // Empty when there is nothing to undo.
    std::optional<MessageSnapshot> undo();

    bool canUndo() const { return !m_steps.isEmpty(); }
    int size() const { return int(m_steps.size()); }
    void clear() { m_steps.clear(); }

private:
    int m_depth;
    QList<MessageSnapshot> m_steps;   // oldest first
};

} // namespace pelumo
