#include "editing/core/CaretKeys.h"

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
    const int length = int(b.text.size());
    auto collapseTo = [&b, length](int position) {
        b.anchor = b.position = qBound(0, position, length);
    };
    switch (key) {
    case CaretKey::Right:
        collapseTo(b.position + 1);
        break;
    case CaretKey::Left:
        collapseTo(b.position - 1);
        break;
    case CaretKey::ShiftRight:
        b.position = qMin(b.position + 1, length);
        break;
    case CaretKey::ShiftLeft:
        b.position = qMax(b.position - 1, 0);
        break;
    case CaretKey::Down:
    case CaretKey::Up:
        collapseTo(moveByLine ? moveByLine(b.position, key == CaretKey::Down ? 1 : -1)
                              : b.position);
        break;
    case CaretKey::Backspace:
        if (b.selLength() > 0) {
            const int start = b.selStart();
            b.text.remove(start, b.selLength());
            b.anchor = b.position = start;
        } else if (b.position > 0) {
            b.text.remove(b.position - 1, 1);
            b.anchor = b.position = b.position - 1;
        }
        break;
    }
}

} // namespace pelumo
