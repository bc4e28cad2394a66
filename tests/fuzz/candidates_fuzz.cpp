// The sorted candidate index offers exactly what a scan of the whole list
// offers, in list order: the first line of the input is the key, the other
// lines the phrase list.
#include "phrasebook/core/PhraseCandidates.h"
#include <cstdlib>

using namespace pelumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data),
                                                qsizetype(size)).split(u'\n');
    const QString key = lines.first();
    const QStringList phrases = lines.mid(1);
    PhraseCandidateIndex index;
    index.rebuild(phrases);
    QStringList scanned;
    for (const QString &p : phrases)
        if (isOfferablePhrase(p) && phraseMatchesKey(p, key))
            scanned << p;
    if (index.lookup(key) != scanned)
        std::abort();
    return 0;
}
