#include "speech/core/SoundCache.h"
#include <algorithm>

namespace pelumo {

std::shared_ptr<const PcmSound> SoundCache::find(const SoundKey &key)
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry &e) { return e.key == key; });
    if (it == m_entries.end())
        return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, it);
    return m_entries.front().sound;
}

bool SoundCache::contains(const SoundKey &key) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry &e) { return e.key == key; });
}

void SoundCache::put(const SoundKey &key, std::shared_ptr<const PcmSound> sound)
{
    if (find(key)) {
        m_entries.front().sound = std::move(sound);
        return;
    }
    m_entries.push_front({key, std::move(sound)});
    while (int(m_entries.size()) > std::max(m_capacity, 1))
        m_entries.pop_back();
}

} // namespace pelumo
