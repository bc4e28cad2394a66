#include "editing/core/Decide.h"
#include "platform/core/Characters.h"

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
    caret = characterStart(message, caret);
    if (L < p + 1)
        return within(phrase + kEndMarker, caret + P - L + 1);
    // The typed key ends where the replaced part begins; a key that began in
    // the middle of a character takes the whole character with it.
    const bool marked = message.endsWith(kEndMarker);
    const int keyEnd = marked ? L - 1 : L;
    const int cut = characterStart(message, keyEnd - p);
    const int shift = P - (keyEnd - cut) + (marked ? 0 : 1);
    return within(message.left(cut) + phrase + message.mid(caret), caret + shift);
}

std::optional<Insertion> decidePhrase(const QString &message, int caret, const QString &phrase)
{
    caret = characterStart(message, caret);
    return within(message.left(caret) + phrase + message.mid(caret), caret + int(phrase.size()));
}

} // namespace pelumo
