#pragma once
// The lines of a list's file once the list has changed, so that a file
// edited by hand loses nothing the list does not show.
//
// A message that keeps its order keeps its line where it stands; one that
// moved (spoken again, to the top) or is new goes right after the message
// before it in the list, or first. A message the list no longer holds takes
// all its lines with it, its repeats too, so that it does not come back at
// the next reading. Every other line stays as it was and where it was:
// blank lines, lines that hold no message, repeats, lines beyond the limit.
//
// A new reading of the lines gives the list first, then what stood beyond
// the limit, if anything, as far as the limit allows.
#include <QString>
#include <QStringList>

namespace pelumo {

QStringList linesForMessages(const QStringList &fileLines, const QStringList &messages, int limit);

} // namespace pelumo
