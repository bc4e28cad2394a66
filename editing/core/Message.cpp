#include "editing/core/Message.h"
#include "platform/core/Characters.h"

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

std::optional<QString> pastedMessage(const QString &message, QString pasted)
{
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (message.size() + pasted.size() > kMaxMessageLength)
        return std::nullopt;
    return message + pasted;
}

} // namespace pelumo
