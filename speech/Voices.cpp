#include "speech/Voices.h"
#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include "speech/OpenJTalkEngine.h"
#include <QFileInfo>
#include <QStandardPaths>
#ifdef PELUMO_HAVE_ESPEAK
#include "speech/EspeakEngine.h"
#endif

namespace pelumo {

QStringList voiceFolders()
{
    return {QStringLiteral("/usr/share/hts-voice"), userDataFolder() + QStringLiteral("/voices")};
}

QList<VoiceFile> openJTalkVoices()
{
    const OpenJTalkCommand command;
    if (QStandardPaths::findExecutable(command.program).isEmpty()
        || !QFileInfo(command.dictionary).isDir())
        return {};
    return findVoices(voiceFolders());
}

std::unique_ptr<SpeechEngine> makeSpeechEngine(const VoiceFile &voice)
{
#ifdef PELUMO_HAVE_ESPEAK
    if (voice.path.isEmpty())
        return std::make_unique<EspeakEngine>();
    OpenJTalkCommand command;
    command.voiceFile = voice.path;
    return std::make_unique<OpenJTalkEngine>(command, voice.name, std::make_unique<EspeakEngine>());
#else
    Q_UNUSED(voice);
    qCWarning(lcSpeech) << "Built without espeak-ng: speech is silent";
    return nullptr;
#endif
}

} // namespace pelumo
