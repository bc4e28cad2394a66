// Whatever Talk.ini holds, every option reads as a value the handlers accept.
#include "platform/core/Options.h"
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

using namespace pelumo;

namespace {
bool inRange(const QString &text, int min, int max)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= min && n <= max && QString::number(n) == text;
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
    const bool good = inRange(o.FirstScreenMode, FirstScreen.min, FirstScreen.max)
        && inRange(o.SelectScreenMode, SelectScreen.min, SelectScreen.max)
        && inRange(o.VoiceMode, Voice.min, Voice.max) && inRange(o.KeyBeep, 0, 1)
        && inRange(o.LargeLetters, 0, 1) && inRange(o.AutoPhrases, 0, 1)
        && o.BoardLastColumn >= 9 && o.BoardLastColumn <= 14
        && o.PhraseMatchLength >= 1 && o.PhraseMatchLength <= 5;
    if (!good)
        std::abort();
    return 0;
}
