#include "app/Application.h"
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // The name of the installed menu entry (org.pelumo.Pelumo.desktop): the
    // desktop matches the window to it for its icon and name in the task bar,
    // and on Wayland it is the window's application id. Set before the
    // application object exists so that the first window already carries it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pelumo.Pelumo"));
    return pelumo::runPelumo(argc, argv);
}
