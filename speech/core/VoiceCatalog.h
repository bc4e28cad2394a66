#pragma once
// The voices there are to choose from: every HTS voice file (*.htsvoice) in
// the folders searched, for Open JTalk, and espeak-ng, which is always there.
// A voice is named by its file's name without folder or extension
// ("nitech_jp_atr503_m001"), or "espeak-ng"; the option stores that name.
#include <QList>
#include <QString>
#include <QStringList>

namespace pelumo {

inline constexpr char16_t kEspeakVoice[] = u"espeak-ng";

struct VoiceFile {
    QString name;
    QString path;   // empty for espeak-ng
    friend bool operator==(const VoiceFile &, const VoiceFile &) = default;
};

// The voice files under the folders, searched in the order given and each
// through its subfolders, sorted by name within a folder; a name found again
// later is left out.
QList<VoiceFile> findVoices(const QStringList &folders);

// The voice a stored name stands for: that voice when it is there, espeak-ng
// when asked for, and otherwise (nothing stored, or a voice that is gone) the
// first voice found, else espeak-ng.
VoiceFile chooseVoice(const QString &stored, const QList<VoiceFile> &voices);

} // namespace pelumo
