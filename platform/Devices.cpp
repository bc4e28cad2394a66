#include "platform/Devices.h"
#include <QApplication>
#include <QClipboard>

namespace pelumo {

void SystemBeeper::beep() { QApplication::beep(); }

void SystemClipboard::clear() { QGuiApplication::clipboard()->clear(); }
void SystemClipboard::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }
QString SystemClipboard::text() const { return QGuiApplication::clipboard()->text(); }

namespace {
int g_pointer = 0;
}

void setScreenMousePointer(int pointer)
{
    const bool hourglass = pointer == 11;
    if (hourglass == (g_pointer == 11))
        return;
    g_pointer = hourglass ? 11 : 0;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

int screenMousePointer() { return g_pointer; }

} // namespace pelumo
