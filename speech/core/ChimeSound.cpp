#include "speech/core/ChimeSound.h"
#include <algorithm>
#include <cmath>

namespace pelumo {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A struck bell: the fundamental and two weaker partials that die away
// sooner, which give it its edge. The partials are small enough that the
// sum crosses zero only where the fundamental does.
double bell(double hz, double t, double decay)
{
    const double phase = kTwoPi * hz * t;
    return std::exp(-t / decay) * std::sin(phase)
         + 0.2 * std::exp(-t / (decay * 0.5)) * std::sin(2 * phase)
         + 0.08 * std::exp(-t / (decay * 0.3)) * std::sin(3 * phase);
}

// Rises over the attack from silence, and at the end of the sound falls
// back to it along half a cosine.
double envelope(double noteTime, double phraseTime)
{
    using S = ChimeShape;
    double gain = std::min(1.0, noteTime / S::attackSeconds);
    const double left = S::soundSeconds - phraseTime;
    if (left < S::fadeSeconds)
        gain *= 0.5 - 0.5 * std::cos(kTwoPi / 2 * std::max(0.0, left) / S::fadeSeconds);
    return gain;
}

} // namespace

std::vector<qint16> chimePhrase(int sampleRate)
{
    using S = ChimeShape;
    if (sampleRate <= 0)
        return {};
    const auto total = size_t(std::lround(S::phraseSeconds * sampleRate));
    const auto sounding = std::min(total, size_t(std::lround(S::soundSeconds * sampleRate)));
    std::vector<double> mix(sounding, 0.0);
    for (size_t i = 0; i < sounding; ++i) {
        const double t = double(i) / sampleRate;
        for (const ChimeNote &note : S::notes)
            if (t >= note.startSeconds)
                mix[i] += envelope(t - note.startSeconds, t) * bell(note.hz, t - note.startSeconds, note.decaySeconds);
    }
    double loudest = 0;
    for (double v : mix)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? S::peak * 32767 / loudest : 0;
    std::vector<qint16> out(total, 0);
    for (size_t i = 0; i < sounding; ++i)
        out[i] = qint16(std::lround(mix[i] * scale));
    return out;
}

} // namespace pelumo
