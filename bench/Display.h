#pragma once
// The display the figures are measured at. Under X (QT_QPA_PLATFORM=xcb) a
// paint counts once the X server has taken it: what Qt flushed is followed
// by a round trip, answered only after the server has done the requests
// before it. Offscreen there is no server and a paint counts when done.
#include <QProcessEnvironment>
#include <QString>
class QTemporaryDir;

namespace bench {
// "xcb" when there is a DISPLAY to run on, "offscreen" otherwise.
QString childPlatform();
// A child's environment: a new user's folders in home, the data folder
// given (home's own when empty), the platform above.
QProcessEnvironment childEnvironment(const QTemporaryDir &home, const QString &dataHome);
void syncWithDisplay();
}
