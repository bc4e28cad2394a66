// Whatever the kept message's file holds, reading it never fails; what it
// accepts has its highlight inside the text and off the halves of a pair, and
// writes back to the same message.
#include "platform/core/Characters.h"
#include "editing/core/SavedMessage.h"
#include <cstdlib>

using namespace pelumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<SavedMessage> m = parseSavedMessage(bytes);
    if (!m)
        return 0;
    for (const int end : {m->anchor, m->position}) {
        if (end < 0 || end > m->text.size() || insidePair(m->text, end))
            std::abort();
    }
    if (parseSavedMessage(savedMessageBytes(*m)) != m)
        std::abort();
    return 0;
}
