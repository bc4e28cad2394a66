#include "phrasebook/core/MessageListLines.h"
#include "phrasebook/core/MessageLines.h"
#include <QHash>
#include <QSet>

namespace pelumo {
namespace {

// The lines of the messages that keep their place: from the last message
// back, each that stands above the one kept after it. Moves to the top,
// the only moves the lists make, keep every other message in place.
QSet<qsizetype> linesInPlace(const QStringList &messages, const QHash<QString, qsizetype> &lineOf)
{
    QSet<qsizetype> inPlace;
    qsizetype below = -1;
    for (auto it = messages.crbegin(); it != messages.crend(); ++it) {
        const qsizetype line = lineOf.value(*it, -1);
        if (line >= 0 && (below < 0 || line < below)) {
            inPlace.insert(line);
            below = line;
        }
    }
    return inPlace;
}

// Whether a line that shows no message holds one that leaves the list.
bool repeatsOneLeaving(const QString &line, const QSet<QString> &leaving)
{
    if (leaving.isEmpty())
        return false;
    const std::optional<QString> message = parseMessageLine(line);
    return message && leaving.contains(*message);
}

} // namespace

QStringList linesForMessages(const QStringList &fileLines, const QStringList &messages, int limit)
{
    const MessageReading was = readMessageLines(fileLines, limit);
    QHash<QString, qsizetype> lineOf;
    for (qsizetype i = 0; i < was.messages.size(); ++i)
        lineOf.insert(was.messages.at(i), was.lineOf.at(i));
    const QSet<qsizetype> inPlace = linesInPlace(messages, lineOf);

    // The messages that move or are new, by the line they follow (-1: first).
    QHash<qsizetype, QStringList> after;
    qsizetype anchor = -1;
    for (const QString &message : messages) {
        const qsizetype line = lineOf.value(message, -1);
        if (inPlace.contains(line))
            anchor = line;
        else
            after[anchor] << (line >= 0 ? fileLines.at(line) : messageLine(message));
    }
    QSet<QString> leaving(was.messages.cbegin(), was.messages.cend());
    for (const QString &message : messages)
        leaving.remove(message);
    const QSet<qsizetype> shown(was.lineOf.cbegin(), was.lineOf.cend());

    QStringList lines = after.value(-1);
    lines.reserve(fileLines.size() + messages.size());
    for (qsizetype i = 0; i < fileLines.size(); ++i) {
        const bool kept = shown.contains(i) ? inPlace.contains(i) : !repeatsOneLeaving(fileLines.at(i), leaving);
        if (kept)
            lines << fileLines.at(i);
        if (const auto moved = after.constFind(i); moved != after.cend())
            lines << *moved;
    }
    return lines;
}

} // namespace pelumo
