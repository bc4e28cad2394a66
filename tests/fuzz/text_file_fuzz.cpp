// Any bytes at all read as lines, and the lines written back read the same
// again, every line in the very bytes it was read from: no encoding decision
// may lose or change a character or a byte the user did not touch. A line
// added to them is written in the file's encoding or refused whole, and
// never changes the bytes of the others.
#include "platform/core/TextFile.h"
#include <cstdlib>

using namespace pelumo;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool sameBytes(const TextFileContent &a, const TextFileContent &b, qsizetype lines)
{
    for (qsizetype i = 0; i < lines; ++i)
        if (a.lineBytes(i) != b.lineBytes(i))
            return false;
    return true;
}

// What the writer says it wrote is what a read of those bytes finds.
bool readsAsSaid(const TextFileContent &said)
{
    const TextFileContent read = decodeTextLines(said.bytes);
    if (read.lines != said.lines || read.encoding != said.encoding || read.spans.size() != said.spans.size())
        return false;
    return sameBytes(read, said, said.lines.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileContent first = decodeTextLines(bytes);
    check(first.spans.size() == first.lines.size());

    const EncodedLines unchanged = encodeTextLines(first.lines, first);
    check(unchanged.status == EncodedLines::Ok);
    check(readsAsSaid(unchanged.content));
    const TextFileContent again = decodeTextLines(unchanged.content.bytes);
    check(again.lines == first.lines);
    check(sameBytes(again, first, first.lines.size()));

    // A new line after them, made of the input's own first characters.
    const QString added = first.lines.isEmpty() ? QStringLiteral("あ") : first.lines.first().left(8) + u'あ';
    const EncodedLines grown = encodeTextLines(first.lines + QStringList{added}, first);
    if (grown.status == EncodedLines::Ok) {
        check(readsAsSaid(grown.content));
        const TextFileContent read = decodeTextLines(grown.content.bytes);
        check(read.lines == first.lines + QStringList{added});
        check(sameBytes(read, first, first.lines.size()));
    }
    return 0;
}
