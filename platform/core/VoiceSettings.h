#pragma once
// How the voice sounds, as the options hold it.

namespace pelumo {

// Speed in percent of the normal pace, pitch on espeak-ng's scale of 0 to
// 100, volume in percent of the normal loudness.
struct VoiceSettings {
    int speed = 100;
    int pitch = 50;
    int volume = 100;
    friend bool operator==(const VoiceSettings &, const VoiceSettings &) = default;
};

} // namespace pelumo
