#pragma once
// The texts waiting to be said, and the rule that keeps key echoes from
// lagging behind the keys: every new text drops the key echoes still waiting
// and cuts off a key echo being said. A message is never dropped or cut off by
// a newer text; only stop() silences it.
#include "speech/core/Agent.h"
#include <QString>
#include <deque>
#include <optional>

namespace pelumo {

struct SpeechItem {
    quint64 id = 0;   // rises with every text given to the voice
    QString text;     // as written, for the balloon
    QString reading;  // what the voice says
    SpeechKind kind = SpeechKind::Message;
};

class SpeechQueue {
public:
    // Queues the item behind the messages still waiting. Returns true when
    // the text being said (of the kind given, none when idle) must be cut off.
    bool add(SpeechItem item, std::optional<SpeechKind> saying);
    std::optional<SpeechItem> takeNext();
    void clear() { m_items.clear(); }
    const std::deque<SpeechItem> &items() const { return m_items; }

private:
    std::deque<SpeechItem> m_items;
};

} // namespace pelumo
