// Whatever day.txt holds, reading it never fails, and the lines the program
// writes for its entries read back as the same number of entries.
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/KanaRowIndex.h"
#include "platform/core/TextFile.h"
#include <cstdlib>

using namespace pelumo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = decodeTextLines(bytes).lines;
    const DiaryReading read = readDiaryLines(lines, QStringLiteral("26.12.07"));
    QStringList written;
    for (const DiaryEntry &e : read.entries)
        written << diaryLine(e.date, e.text);
    const DiaryReading again = readDiaryLines(written, QStringLiteral("26.12.07"));
    if (again.entries.size() != read.entries.size())
        std::abort();
    // The kana-row labels take any texts at all, one label a text.
    if (kanaRowLabels(lines).size() != lines.size())
        std::abort();
    return 0;
}
