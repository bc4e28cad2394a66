#include "editing/core/Decide.h"

namespace pelumo {
namespace {

std::optional<Insertion> within(QString text, int caret)
{
    if (text.size() > kMaxMessageLength)
        return std::nullopt;
    return Insertion{text, qBound(0, caret, int(text.size()))};
}

} // namespace

std::optional<Insertion> decideCandidate(const QString &message, int caret,
                                         const QString &phrase, int matchLength)
{
    const int L = int(message.size()), p = qMax(0, matchLength);
    const int P = int(phrase.size());
    caret = qBound(0, caret, L);
    if (L < p + 1)
        return within(phrase + kEndMarker, caret + P - L + 1);
    if (message.endsWith(kEndMarker))
        return within(message.left(L - (p + 1)) + phrase + message.mid(caret), caret + P - p);
    return within(message.left(L - p) + phrase + message.mid(caret), caret + P - p + 1);
}

std::optional<Insertion> decidePhrase(const QString &message, int caret, const QString &phrase)
{
    caret = qBound(0, caret, int(message.size()));
    return within(message.left(caret) + phrase + message.mid(caret), caret + int(phrase.size()));
}

} // namespace pelumo
