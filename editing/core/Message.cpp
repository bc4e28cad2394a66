#include "editing/core/Message.h"
#include "editing/core/Characters.h"

namespace pelumo {

std::optional<Insertion> insertBoardText(const QString &message, int caret, const QString &entry)
{
    caret = characterStart(message, caret);
    Insertion result;
    result.text = message.left(caret) + entry + message.mid(caret);
    if (!result.text.endsWith(kEndMarker))
        result.text += kEndMarker;
    if (result.text.size() > kMaxMessageLength)
        return std::nullopt;
    result.caret = caret + int(entry.size());
    return result;
}

QString trimBlanks(const QString &text)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\u3000'; };
    int begin = 0, end = int(text.size());
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace pelumo
