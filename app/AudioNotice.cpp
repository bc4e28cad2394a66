#include "app/AudioNotice.h"
#include "app/frmTalk.h"
#include "speech/SpeakingAgent.h"
#include <QApplication>
#include <QTimer>

namespace pelumo {

namespace {

const QString kTitle = QStringLiteral("音声");
const QString kPrompt = QStringLiteral("音声を出せません。\n"
                                       "スピーカーの接続を確かめてください。\n"
                                       "つながると、自動で声が出るようになります。");
constexpr int kRetryMs = 250;

// Shown when the window is on screen and no other dialog is open, so that it
// never lands behind the start-up or on top of a question being answered.
void tellWhenFree(QPointer<frmTalk> window)
{
    if (!window)
        return;
    if (!window->isVisible() || QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMs, window, [window] { tellWhenFree(window); });
        return;
    }
    window->AskQuestion(kPrompt, 48, kTitle);
}

} // namespace

void connectAudioNotice(frmTalk &window)
{
    auto *voice = dynamic_cast<SpeakingAgent *>(&window.services.agent);
    if (!voice)
        return;
    auto told = std::make_shared<bool>(false);
    QObject::connect(voice, &SpeakingAgent::audioUnavailable, &window,
                     [window = QPointer<frmTalk>(&window), told] {
                         if (*told)
                             return;
                         *told = true;
                         // Never inside the call that reported it.
                         QTimer::singleShot(0, window, [window] { tellWhenFree(window); });
                     });
}

} // namespace pelumo
