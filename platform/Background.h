#pragma once
// Work on a thread of its own, its result handed to the window's thread:
// work runs there at low priority and returns what is to be done with its
// result on the thread of context, which is done there (queued) if context
// still lives, and never if work returns nothing. The heap the work freed
// is given back to the system before the thread ends, and the thread
// deletes itself.
#include <QString>
#include <functional>

class QObject;

namespace pelumo {

using HandBack = std::function<void()>;
void runInBackground(const QString &name, QObject *context, std::function<HandBack()> work);

} // namespace pelumo
