#include "speech/core/VoiceCatalog.h"
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace pelumo {

QList<VoiceFile> findVoices(const QStringList &folders)
{
    QList<VoiceFile> voices;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        QList<VoiceFile> here;
        QDirIterator it(folder, {QStringLiteral("*.htsvoice")}, QDir::Files | QDir::Readable,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            here.append({file.completeBaseName(), file.absoluteFilePath()});
        }
        std::sort(here.begin(), here.end(), [](const VoiceFile &a, const VoiceFile &b) {
            return a.name < b.name;
        });
        for (const VoiceFile &v : here)
            if (!seen.contains(v.name)) {
                seen.insert(v.name);
                voices.append(v);
            }
    }
    return voices;
}

VoiceFile chooseVoice(const QString &stored, const QList<VoiceFile> &voices)
{
    const VoiceFile espeak{QString::fromUtf16(kEspeakVoice), {}};
    if (stored == espeak.name)
        return espeak;
    for (const VoiceFile &v : voices)
        if (v.name == stored)
            return v;
    return voices.isEmpty() ? espeak : voices.first();
}

} // namespace pelumo
