// Whatever Talk.ini holds, every option reads as a value the handlers accept.
#include "platform/core/Options.h"
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

using namespace pelumo;

namespace {
bool inRange(int n, int min, int max)
{
    return n >= min && n <= max;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath("Talk.ini");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QSettings ini(path, QSettings::IniFormat);
    const Options o = readOptions([&](const QString &key, const QString &fallback) {
        const QVariant v = ini.value(QStringLiteral("OPT/") + key);
        return v.isValid() ? v.toString() : fallback;
    });
    using namespace keys;
    const bool good = inRange(int(o.FirstScreenMode), FirstScreen.min, FirstScreen.max)
        && inRange(int(o.SelectScreenMode), SelectScreen.min, SelectScreen.max)
        && inRange(int(o.VoiceMode), Voice.min, Voice.max)
        && inRange(o.BoardLastColumn, 9, 14) && inRange(o.PhraseMatchLength, 1, 5)
        && inRange(o.Voice.speed, VoiceSpeed.min, VoiceSpeed.max)
        && inRange(o.Voice.pitch, VoicePitch.min, VoicePitch.max)
        && inRange(o.Voice.volume, VoiceVolume.min, VoiceVolume.max);
    if (!good)
        std::abort();
    return 0;
}
