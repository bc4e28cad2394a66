#pragma once
// The voice settings as espeak-ng's parameters. Speed and volume are percent
// of the voice's own rate and volume, so the defaults give exactly the sound
// the voice has without settings; values out of range are brought within it.
#include "speech/core/Agent.h"

namespace pelumo {

struct EspeakParameters {
    int rate = 175;     // words a minute
    int pitch = 50;     // 0 to 100
    int volume = 100;   // 0 to 200
    friend bool operator==(const EspeakParameters &, const EspeakParameters &) = default;
};

// espeak-ng accepts rates from 80 to 450 words a minute.
inline constexpr int kMinimumRate = 80;
inline constexpr int kMaximumRate = 450;
inline constexpr int kMaximumVolume = 200;

EspeakParameters espeakParameters(const VoiceSettings &voice, const EspeakParameters &normal);

} // namespace pelumo

namespace pelumo {

// The same settings as Open JTalk's options: -r the speed as a factor, -fm the
// pitch shift in halftones (espeak-ng's 0 to 100 as an octave, the default 50
// as none), -g the volume as a gain in decibels.
struct OpenJTalkParameters {
    double speed = 1.0;
    double halftones = 0.0;
    double gainDb = 0.0;
};

OpenJTalkParameters openJTalkParameters(const VoiceSettings &voice);

} // namespace pelumo
