#include "speech/core/SpeechQueue.h"
#include <algorithm>

namespace pelumo {

bool SpeechQueue::add(SpeechItem item, std::optional<SpeechKind> saying)
{
    std::erase_if(m_items, [](const SpeechItem &i) { return i.kind == SpeechKind::Key; });
    m_items.push_back(std::move(item));
    return saying == SpeechKind::Key;
}

std::optional<SpeechItem> SpeechQueue::takeNext()
{
    if (m_items.empty())
        return std::nullopt;
    SpeechItem next = std::move(m_items.front());
    m_items.pop_front();
    return next;
}

} // namespace pelumo
