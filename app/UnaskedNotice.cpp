#include "app/UnaskedNotice.h"
#include "app/frmTalk.h"
#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace pelumo {
namespace {

constexpr int kRetryMs = 250;

void tellWhenFree(QPointer<frmTalk> window, const QString &prompt, const QString &title)
{
    if (!window)
        return;
    if (!window->isVisible() || QApplication::activeModalWidget()) {
        QTimer::singleShot(kRetryMs, window, [=] { tellWhenFree(window, prompt, title); });
        return;
    }
    window->AskQuestion(prompt, 48, title);
}

} // namespace

void tellUnasked(frmTalk &window, const QString &prompt, const QString &title)
{
    QPointer<frmTalk> guarded(&window);
    QTimer::singleShot(0, &window, [=] { tellWhenFree(guarded, prompt, title); });
}

} // namespace pelumo
