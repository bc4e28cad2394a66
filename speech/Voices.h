#pragma once
// The voices of this machine, and the engine for the one chosen.
#include "speech/SpeechEngine.h"
#include "speech/core/VoiceCatalog.h"
#include <memory>

namespace pelumo {

// Where HTS voice files are looked for: the system's, then the user's own
// ($XDG_DATA_HOME/Talk/voices), where a carer may copy any voice.
QStringList voiceFolders();

// The Open JTalk voices that can speak here: none when the open_jtalk command
// or its dictionary is missing.
QList<VoiceFile> openJTalkVoices();

// The engine for the voice: espeak-ng, or Open JTalk with espeak-ng to say
// what it cannot. Null in a build without espeak-ng.
std::unique_ptr<SpeechEngine> makeSpeechEngine(const VoiceFile &voice);

} // namespace pelumo
