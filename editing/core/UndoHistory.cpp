#include "editing/core/UndoHistory.h"

namespace pelumo {

UndoHistory::UndoHistory(int depth) : m_depth(qMax(1, depth))
{
}

bool UndoHistory::record(const MessageSnapshot &before, const QString &after)
{
    if (before.text == after)
        return false;
    if (m_steps.size() >= m_depth)
        m_steps.removeFirst();
    m_steps.append(before);
    return true;
}

std::optional<MessageSnapshot> UndoHistory::undo()
{
    if (m_steps.isEmpty())
        return std::nullopt;
    return m_steps.takeLast();
}

} // namespace pelumo
