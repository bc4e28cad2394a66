#include "platform/core/CaretKeys.h"
#include "platform/core/Characters.h"

namespace pelumo {

std::optional<CaretKey> parseCaretKey(QStringView name)
{
    static const struct {
        const char *name;
        CaretKey key;
    } table[] = {
        {"{RIGHT}", CaretKey::Right}, {"+{RIGHT}", CaretKey::ShiftRight},
        {"{LEFT}", CaretKey::Left},   {"+{LEFT}", CaretKey::ShiftLeft},
        {"{BS}", CaretKey::Backspace}, {"{DOWN}", CaretKey::Down},
        {"{UP}", CaretKey::Up},
    };
    for (const auto &entry : table) {
        if (name == QLatin1String(entry.name))
            return entry.key;
    }
    return std::nullopt;
}

void applyCaretKey(EditBuffer &b, CaretKey key, const LineMover &moveByLine)
{
    // Every step is one whole character: a surrogate pair is passed over,
    // deleted and highlighted as the one character it is.
    const QString &text = b.text;
    auto collapseTo = [&b](int position) {
        b.anchor = b.position = characterStart(b.text, position);
    };
    switch (key) {
    case CaretKey::Right:
        collapseTo(nextCharacter(text, b.position));
        break;
    case CaretKey::Left:
        collapseTo(previousCharacter(text, b.position));
        break;
    case CaretKey::ShiftRight:
        b.position = nextCharacter(text, b.position);
        break;
    case CaretKey::ShiftLeft:
        b.position = previousCharacter(text, b.position);
        break;
    case CaretKey::Down:
    case CaretKey::Up:
        collapseTo(moveByLine ? moveByLine(b.position, key == CaretKey::Down ? 1 : -1)
                              : b.position);
        break;
    case CaretKey::Backspace:
        if (b.selLength() > 0) {
            const int start = characterStart(text, b.selStart());
            b.text.remove(start, characterEnd(text, qMax(b.anchor, b.position)) - start);
            b.anchor = b.position = start;
        } else if (b.position > 0) {
            const int end = characterEnd(text, b.position);
            const int start = previousCharacter(text, end);
            b.text.remove(start, end - start);
            b.anchor = b.position = start;
        }
        break;
    }
}

} // namespace pelumo
