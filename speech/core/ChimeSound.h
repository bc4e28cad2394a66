#pragma once
// The call for help's chime: a two-note "pin-pon" like a doorbell, high then
// low, in the band the ear hears best across a room. One phrase is a second
// of sound and a short gap; played over and over it is the call.
#include <QtGlobal>
#include <array>
#include <vector>

namespace pelumo {

struct ChimeNote {
    double hz;
    double startSeconds;
    double decaySeconds;   // time for the note to fall to 1/e
};

struct ChimeShape {
    static constexpr std::array<ChimeNote, 2> notes{{{1318.5, 0.0, 0.25}, {1046.5, 0.4, 0.3}}};
    static constexpr double soundSeconds = 1.0;    // the last note fades out by then
    static constexpr double phraseSeconds = 1.2;   // then silence until the next phrase
    static constexpr double peak = 0.9;            // of full scale: loud, never clipped
    static constexpr double attackSeconds = 0.005;
    static constexpr double fadeSeconds = 0.03;
};

// One phrase as 16-bit mono samples at the rate; it starts and ends at
// silence, so repeating it never clicks.
std::vector<qint16> chimePhrase(int sampleRate);

} // namespace pelumo
