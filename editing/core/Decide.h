#pragma once
// What deciding a list row does to the message, apart from the widgets.
#include "editing/core/Message.h"
#include <optional>

namespace pelumo {

// A decided candidate replaces the matchLength characters the candidates were
// found from (the ones before the end marker, when the message ends with it)
// and keeps the marker; a message no longer than those characters becomes the
// phrase and the marker. Empty when the result would exceed the message limit.
std::optional<Insertion> decideCandidate(const QString &message, int caret,
                                         const QString &phrase, int matchLength);

// A decided phrase of the phrase list goes in at the caret; no end marker is
// added. Empty when the result would exceed the message limit.
std::optional<Insertion> decidePhrase(const QString &message, int caret, const QString &phrase);

} // namespace pelumo
