#include "platform/Background.h"
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace pelumo {

void runInBackground(const QString &name, QObject *context, std::function<HandBack()> work)
{
    QPointer<QObject> receiver(context);
    QThread *thread = QThread::create([receiver, work = std::move(work)] {
        HandBack done = work();
#if defined(__GLIBC__)
        // What the work read and made on its way (some megabytes) is freed,
        // but this thread's heap would keep it resident.
        malloc_trim(0);
#endif
        if (done && receiver)
            QMetaObject::invokeMethod(receiver, std::move(done), Qt::QueuedConnection);
    });
    thread->setObjectName(name);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
}

} // namespace pelumo
