#include "speech/core/WavSound.h"
#include <QtEndian>
#include <cstring>

namespace pelumo {

std::optional<PcmSound> parseWav(const QByteArray &file)
{
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    const qsizetype size = file.size();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return std::nullopt;
    PcmSound sound;
    bool format = false;
    for (qsizetype at = 12; at + 8 <= size;) {
        const quint32 length = qFromLittleEndian<quint32>(data + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min<qsizetype>(length, size - body);
        if (std::memcmp(data + at, "fmt ", 4) == 0 && available >= 16) {
            const auto tag = qFromLittleEndian<quint16>(data + body);
            const auto channels = qFromLittleEndian<quint16>(data + body + 2);
            const auto bits = qFromLittleEndian<quint16>(data + body + 14);
            if (tag != 1 || channels != 1 || bits != 16)
                return std::nullopt;
            sound.sampleRate = int(qFromLittleEndian<quint32>(data + body + 4));
            format = sound.sampleRate > 0;
        } else if (std::memcmp(data + at, "data", 4) == 0 && format) {
            sound.samples.resize(size_t(available / 2));
            for (size_t i = 0; i < sound.samples.size(); ++i)
                sound.samples[i] = qFromLittleEndian<qint16>(data + body + 2 * qsizetype(i));
            if (sound.samples.empty())
                return std::nullopt;
            return sound;
        }
        at = body + qsizetype(length) + (length & 1);
    }
    return std::nullopt;
}

} // namespace pelumo
