#include "Display.h"
#include <QGuiApplication>
#include <QTemporaryDir>
#include <xcb/xcb.h>

namespace bench {
namespace {
xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
}

QString childPlatform()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") ? QStringLiteral("offscreen") : QStringLiteral("xcb");
}

QProcessEnvironment childEnvironment(const QTemporaryDir &home, const QString &dataHome)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_STATE_HOME", home.filePath("state"));
    env.insert("XDG_DATA_HOME", dataHome.isEmpty() ? home.filePath("data") : dataHome);
    env.insert("QT_QPA_PLATFORM", childPlatform());
    return env;
}

void syncWithDisplay()
{
    if (xcb_connection_t *c = connection())
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace bench
