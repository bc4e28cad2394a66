// Any text at all, as a pasted message or a hand-typed phrase book may hold:
// the reading holds only what espeak-ng can say (kana, clause marks, blanks),
// and is never silent for a message or key with something besides blanks and
// end markers in it.
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/KeyReading.h"
#include "speech/core/MessageReader.h"
#include <cstdlib>

using namespace pelumo;

namespace {
bool speakable(const QString &reading)
{
    for (QChar c : reading)
        if (!isKana(c) && !QStringView(u"。、？！ ").contains(c))
            return false;
    return true;
}

bool hasText(const QString &text)
{
    for (QChar c : text.normalized(QString::NormalizationForm_KC))
        if (!c.isSpace() && c != u'_')
            return true;
    return false;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static MessageReader reader;   // the real dictionary, opened once
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString reading = reader.read(text);
    if (!speakable(reading) || (hasText(text) && reading.trimmed().isEmpty()))
        std::abort();
    const QString key = text.left(6);
    const QString keyEcho = keyReading(key);
    if (!speakable(keyEcho) || (!key.trimmed().isEmpty() && keyEcho.trimmed().isEmpty()))
        std::abort();
    return 0;
}
