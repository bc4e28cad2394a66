#pragma once
// The sound in a WAV file as Open JTalk writes it: RIFF, 16-bit PCM, mono.
#include <QByteArray>
#include <optional>
#include <vector>

namespace pelumo {

struct PcmSound {
    int sampleRate = 0;
    std::vector<short> samples;
};

// The samples of a 16-bit mono PCM WAV; nothing for any other file, or for
// one without a sample.
std::optional<PcmSound> parseWav(const QByteArray &file);

} // namespace pelumo
