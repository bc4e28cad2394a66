#pragma once
// The key echoes' sounds once made, so a key is heard as soon as it is
// touched. A sound is kept under everything that shapes it: the text, the
// voice and its settings. The cache is bounded: past its size, the sound used
// longest ago goes.
#include "platform/core/VoiceSettings.h"
#include "speech/core/WavSound.h"
#include <QString>
#include <list>
#include <memory>

namespace pelumo {

struct SoundKey {
    QString text;
    QString voice;
    VoiceSettings settings;
    friend bool operator==(const SoundKey &, const SoundKey &) = default;
};

class SoundCache {
public:
    explicit SoundCache(int capacity = kCapacity) : m_capacity(capacity) {}

    // The sound, now the most recently used; null when it is not kept.
    std::shared_ptr<const PcmSound> find(const SoundKey &key);
    void put(const SoundKey &key, std::shared_ptr<const PcmSound> sound);
    int size() const { return int(m_entries.size()); }
    bool contains(const SoundKey &key) const;

    // A third of a second each without their pauses: some 5 MB at 48 kHz,
    // room for the 136 keys made ahead and a few dozen more.
    static constexpr int kCapacity = 160;

private:
    struct Entry {
        SoundKey key;
        std::shared_ptr<const PcmSound> sound;
    };
    int m_capacity;
    std::list<Entry> m_entries;   // most recently used first
};

} // namespace pelumo
