#pragma once
// The message and its end marker.
#include "platform/core/MessageRules.h"
#include <QString>
#include <optional>

namespace pelumo {

struct Insertion {
    QString text;
    int caret = 0;
};

// Board text inserted at the caret, the end marker appended when missing, the
// caret right after the inserted text. Empty when the result would be longer
// than the message may be: the entry is refused whole, never cut.
std::optional<Insertion> insertBoardText(const QString &message, int caret, const QString &entry);

// The clipboard's text appended to the message, line ends made single. Empty
// when it would not fit: a paste is refused whole, never cut.
std::optional<QString> pastedMessage(const QString &message, QString pasted);

} // namespace pelumo
