#include "speech/core/SpokenSpan.h"
#include <QList>
#include <algorithm>

namespace pelumo {

namespace {
struct Label {
    qint64 start = 0, end = 0;
    bool pause = false;
};

// "3100000 4350000 xx^sil-k+a=sil/A:…": times, then the phone in the
// middle of its context (between '-' and '+').
std::optional<Label> parseLabel(const QByteArray &line)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() != 3)
        return std::nullopt;
    bool startOk = false, endOk = false;
    Label label{fields[0].toLongLong(&startOk), fields[1].toLongLong(&endOk)};
    const QByteArray &name = fields[2];
    const qsizetype minus = name.indexOf('-'), plus = name.indexOf('+', minus);
    if (!startOk || !endOk || label.end < label.start || minus < 0 || plus < 0)
        return std::nullopt;
    label.pause = name.mid(minus + 1, plus - minus - 1) == "sil";
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
    if (labels.size() > 1 && labels.first().pause)
        span.from = toSample(labels.first().end, sampleRate);
    if (labels.size() > 1 && labels.last().pause)
        span.to = toSample(labels.last().start, sampleRate);
    span.from = std::clamp<qint64>(span.from, 0, sampleCount);
    span.to = std::clamp<qint64>(span.to, span.from, sampleCount);
    return span;
}

PcmSound withoutPauses(const PcmSound &sound, const SpokenSpan &span, bool lead, bool tail)
{
    const qint64 count = qint64(sound.samples.size());
    const qint64 from = lead ? std::max<qint64>(0, span.from - qint64(sound.sampleRate) * kLeadMarginMs / 1000) : 0;
    const qint64 to = tail ? std::min<qint64>(count, span.to + qint64(sound.sampleRate) * kTailMarginMs / 1000)
                           : count;
    if (from >= to)
        return sound;
    return {sound.sampleRate, {sound.samples.begin() + from, sound.samples.begin() + to}};
}

} // namespace pelumo
