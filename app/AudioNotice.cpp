#include "app/AudioNotice.h"
#include "app/UnaskedNotice.h"
#include "app/frmTalk.h"
#include "speech/SpeakingAgent.h"

namespace pelumo {

namespace {

const QString kAudioTitle = QStringLiteral("音声");
const QString kPrompt = QStringLiteral("音声を出せません。\n"
                                       "スピーカーの接続を確かめてください。\n"
                                       "つながると、自動で声が出るようになります。");
} // namespace

void connectAudioNotice(frmTalk &window)
{
    auto *voice = dynamic_cast<SpeakingAgent *>(&window.services.agent);
    if (!voice)
        return;
    auto told = std::make_shared<bool>(false);
    QObject::connect(voice, &SpeakingAgent::audioUnavailable, &window,
                     [&window, told] {
                         if (*told)
                             return;
                         *told = true;
                         tellUnasked(window, kPrompt, kAudioTitle);
                     });
}

} // namespace pelumo
