// Whatever Talk.txt holds, reading it never fails, and every phrase read from
// it comes back unchanged, in order, from the lines the program would write.
// (An empty phrase, read from a line of quotes alone, holds nothing to keep.)
// Written over the file, every line the program writes as it was read keeps
// the bytes it was read from.
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/TextFile.h"
#include <QHash>
#include <QSet>
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

static void checkBytesKept(const TextFileContent &file, const QStringList &lines)
{
    const EncodedLines out = encodeTextLines(lines, file);
    if (out.status != EncodedLines::Ok)
        return;   // asked about first, never written
    QHash<QString, QSet<QByteArray>> original;
    for (qsizetype i = 0; i < file.lines.size(); ++i)
        original[file.lines.at(i)].insert(file.lineBytes(i).toByteArray());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto it = original.constFind(lines.at(i));
        if (it != original.cend() && !it->contains(out.content.lineBytes(i).toByteArray()))
            std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileContent file = decodeTextLines(bytes);
    const ParsedPhrases read = parsePhraseLines(file.lines);
    const PhraseLines written = phraseFileLines(QStringList{kPlaceholderText} + read.phrases);
    if (written.status != PhraseLines::Ok)
        return 0;   // refused whole, never written cut off
    checkBytesKept(file, written.lines);
    const ParsedPhrases again = parsePhraseLines(written.lines);
    if (phrasesOnly(again.phrases) != phrasesOnly(read.phrases))
        std::abort();
    return 0;
}
