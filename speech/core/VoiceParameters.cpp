#include "speech/core/VoiceParameters.h"
#include <algorithm>
#include <cmath>

namespace pelumo {

namespace {
int percentOf(int base, int percent)
{
    return int((qint64(base) * percent + 50) / 100);
}
} // namespace

EspeakParameters espeakParameters(const VoiceSettings &voice, const EspeakParameters &normal)
{
    EspeakParameters p;
    p.rate = std::clamp(percentOf(normal.rate, std::max(voice.speed, 0)), kMinimumRate, kMaximumRate);
    p.pitch = std::clamp(voice.pitch, 0, 100);
    p.volume = std::clamp(percentOf(normal.volume, std::max(voice.volume, 0)), 0, kMaximumVolume);
    return p;
}

} // namespace pelumo

namespace pelumo {

OpenJTalkParameters openJTalkParameters(const VoiceSettings &voice)
{
    OpenJTalkParameters p;
    p.speed = std::clamp(voice.speed, 50, 200) / 100.0;
    p.halftones = (std::clamp(voice.pitch, 0, 100) - 50) * 12 / 100.0;
    p.gainDb = 20.0 * std::log10(std::clamp(voice.volume, 10, 200) / 100.0);
    return p;
}

} // namespace pelumo
