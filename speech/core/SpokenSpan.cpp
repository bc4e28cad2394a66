#include "speech/core/SpokenSpan.h"
#include <QList>
#include <algorithm>

namespace pelumo {

namespace {
struct Label {
    qint64 start = 0, end = 0;
    QByteArray phone;
};

bool isVoicelessStop(const QByteArray &phone)
{
    static const QList<QByteArray> stops{"k", "ky", "t", "ty", "p", "py"};
    return stops.contains(phone);
}

// "3100000 4350000 xx^sil-k+a=sil/A:…": times, then the phone in the
// middle of its context (between '-' and '+').
std::optional<Label> parseLabel(const QByteArray &line)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 3)
        return std::nullopt;
    bool startOk = false, endOk = false;
    Label label{fields[0].toLongLong(&startOk), fields[1].toLongLong(&endOk), {}};
    const QByteArray &name = fields[2];
    const qsizetype minus = name.indexOf('-'), plus = name.indexOf('+', minus);
    if (!startOk || !endOk || label.end < label.start || minus < 0 || plus < 0)
        return std::nullopt;
    label.phone = name.mid(minus + 1, plus - minus - 1);
    return label;
}

qint64 toSample(qint64 hundredNs, int sampleRate)
{
    return hundredNs * sampleRate / 10'000'000;
}
} // namespace

std::optional<SpokenSpan> spokenSpan(const QByteArray &trace, int sampleRate, qint64 sampleCount)
{
    QList<Label> labels;
    bool inLabels = false;
    for (const QByteArray &line : trace.split('\n')) {
        if (line.startsWith('['))
            inLabels = line.startsWith("[Output label]");
        else if (inLabels)
            if (const std::optional<Label> label = parseLabel(line))
                labels << *label;
    }
    // Labels that do not end with the sound are not this sound's.
    if (labels.isEmpty() || sampleRate <= 0
        || qAbs(toSample(labels.last().end, sampleRate) - sampleCount) > sampleRate / 100)
        return std::nullopt;
    SpokenSpan span{0, sampleCount};
    if (labels.size() > 1 && labels.first().phone == "sil") {
        span.from = toSample(labels.first().end, sampleRate);
        if (isVoicelessStop(labels[1].phone))
            span.closureEnd = toSample(labels[1].end, sampleRate);
    }
    if (labels.size() > 1 && labels.last().phone == "sil")
        span.to = toSample(labels.last().start, sampleRate);
    span.from = std::clamp<qint64>(span.from, 0, sampleCount);
    span.to = std::clamp<qint64>(span.to, span.from, sampleCount);
    span.closureEnd = std::clamp<qint64>(span.closureEnd, 0, span.to);
    return span;
}

namespace {
qint64 samplesIn(int ms, int sampleRate)
{
    return qint64(sampleRate) * ms / 1000;
}

// Where the sound is first heard: a hair before the first phone, or before
// the burst of a voiceless stop, which comes at the end of its closure.
qint64 audibleStart(const PcmSound &sound, const SpokenSpan &span)
{
    const qint64 start = std::max<qint64>(0, span.from - samplesIn(kLeadMarginMs, sound.sampleRate));
    const qint64 end = std::min<qint64>(span.closureEnd, qint64(sound.samples.size()));
    if (end <= span.from)
        return start;
    qint64 burst = span.from;
    while (burst < end && qAbs(int(sound.samples[size_t(burst)])) < kBurstLevel)
        ++burst;
    return std::max(start, burst - samplesIn(kBurstMarginMs, sound.sampleRate));
}
} // namespace

PcmSound withoutPauses(const PcmSound &sound, const SpokenSpan &span, bool lead, bool tail)
{
    const qint64 count = qint64(sound.samples.size());
    const qint64 from = lead ? audibleStart(sound, span) : 0;
    const qint64 to = tail ? std::min<qint64>(count, span.to + samplesIn(kTailMarginMs, sound.sampleRate))
                           : count;
    if (from >= to)
        return sound;
    return {sound.sampleRate, {sound.samples.begin() + from, sound.samples.begin() + to}};
}

} // namespace pelumo
