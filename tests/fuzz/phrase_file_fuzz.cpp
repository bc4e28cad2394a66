// Whatever Talk.txt holds, reading it never fails, and every phrase read from
// it comes back unchanged, in order, from the lines the program would write.
// (An empty phrase, read from a line of quotes alone, holds nothing to keep.)
#include "phrasebook/core/PhraseFile.h"
#include "phrasebook/core/TextFile.h"
#include <cstdlib>

using namespace pelumo;

namespace {
QStringList phrasesOnly(const QStringList &rows)
{
    QStringList out;
    for (const QString &r : rows)
        if (!isPlaceholderRow(r) && !r.isEmpty())
            out << r;
    return out;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ParsedPhrases read = parsePhraseLines(decodeTextLines(bytes).lines);
    const PhraseLines written = phraseFileLines(QStringList{kPlaceholderText} + read.phrases);
    if (written.status != PhraseLines::Ok)
        return 0;   // refused whole, never written cut off
    const ParsedPhrases again = parsePhraseLines(written.lines);
    if (phrasesOnly(again.phrases) != phrasesOnly(read.phrases))
        std::abort();
    return 0;
}
