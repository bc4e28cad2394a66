// Any bytes at all read as lines, and the lines written back read the same
// again: no encoding decision may lose or change a character.
#include "phrasebook/core/TextFile.h"
#include <cstdlib>

using namespace pelumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileContent first = decodeTextLines(bytes);
    TextEncoding encoding = first.encoding;
    const QByteArray written = encodeTextLines(first.lines, encoding);
    const TextFileContent again = decodeTextLines(written);
    if (again.lines != first.lines)
        std::abort();
    return 0;
}
