#pragma once
// Where the speech is in a sound Open JTalk made. Its WAV holds a pause of
// about a third of a second before the first sound and half a second after
// the last (the labels "sil"), so a key echo played whole is heard a third of
// a second after it starts. The labels in its trace (-ot) say where the
// pauses end and begin, in units of 100 ns.
#include "speech/core/WavSound.h"
#include <QByteArray>
#include <optional>

namespace pelumo {

// Samples [from, to) of a sound: from the end of the leading pause to the
// start of the trailing one. Nothing when the trace has no labels, or labels
// that do not end where the sound does. When the first phone is a voiceless
// stop (カ, タ, パ), closureEnd is where it ends: its first 60-100 ms are the
// closure, a murmur far below speech, and the sound is heard at the burst.
struct SpokenSpan {
    qint64 from = 0;
    qint64 to = 0;
    qint64 closureEnd = 0;
};
std::optional<SpokenSpan> spokenSpan(const QByteArray &trace, int sampleRate, qint64 sampleCount);

// The sound without its leading pause (lead) and its trailing pause (tail),
// each cut to a margin: a hair before the first phone, or before a stop's
// burst (its first sample at kBurstLevel) when it starts with one, and enough
// after the last phone for its decay.
PcmSound withoutPauses(const PcmSound &sound, const SpokenSpan &span, bool lead, bool tail);

constexpr int kLeadMarginMs = 5;
constexpr int kTailMarginMs = 60;
constexpr int kBurstMarginMs = 20;
constexpr int kBurstLevel = 256;

} // namespace pelumo
