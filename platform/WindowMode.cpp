#include "platform/WindowMode.h"
#include <QScreen>
#include <QVariant>
#include <QWindow>

namespace pelumo {

namespace {
const char *const kOwnCursor = "pelumoOwnCursor";
}

// A touch screen needs no pointer, and one left standing over the board hides
// part of a letter. Widgets with a pointer of their own (the message box's
// text cursor) keep it aside to get it back when the setting is turned off.
void setPointerHidden(QWidget *window, bool hidden)
{
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        const QVariant own = w->property(kOwnCursor);
        if (hidden && !own.isValid() && w->testAttribute(Qt::WA_SetCursor)) {
            w->setProperty(kOwnCursor, QVariant::fromValue(w->cursor()));
            w->setCursor(Qt::BlankCursor);
        } else if (!hidden && own.isValid()) {
            w->setCursor(own.value<QCursor>());
            w->setProperty(kOwnCursor, QVariant());
        }
    }
    if (hidden)
        window->setCursor(Qt::BlankCursor);
    else
        window->unsetCursor();
}

void sizeForScreenMode(QWidget *window, const QRect &normal)
{
    const QScreen *screen = window->screen();
    if (!screen || !window->windowHandle())
        return;
    const QRect whole = screen->geometry();
    if (window->isFullScreen() && window->geometry() != whole)
        window->windowHandle()->setGeometry(whole);
    else if (!window->isFullScreen() && window->geometry() == whole && normal.isValid() && normal != whole)
        window->setGeometry(normal);
}

} // namespace pelumo
