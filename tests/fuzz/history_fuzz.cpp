// Whatever history.txt or quick.txt holds, reading it never fails and the
// messages read come back unchanged, in order, from the bytes the program
// writes for them over that file. Any text at all, the input's bytes taken
// as UTF-16 (lone surrogates included), comes back from its own file too.
#include "phrasebook/core/MessageLines.h"
#include "platform/core/MessageRules.h"
#include "platform/core/TextFile.h"
#include <cstdlib>
#include <cstring>

using namespace pelumo;

namespace {

// The messages as written over asRead, in its encoding or else as UTF-8
// (as after a copy aside), and read back; or abort.
QStringList writtenAndRead(const QStringList &messages, const TextFileContent &asRead)
{
    QStringList lines;
    for (const QString &message : messages)
        lines << messageLine(message);
    EncodedLines out = encodeTextLines(lines, messageFileBase(lines, asRead));
    if (out.status != EncodedLines::Ok)
        out = encodeTextLines(lines, TextFileContent());
    if (out.status != EncodedLines::Ok)
        std::abort();
    return readMessageLines(decodeTextLines(out.content.bytes).lines, int(messages.size())).messages;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileContent file = decodeTextLines(bytes);
    const MessageReading read = readMessageLines(file.lines, 100);
    if (writtenAndRead(read.messages, file) != read.messages)
        std::abort();

    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const QStringList one{text};
    if (!trimBlanks(text).isEmpty() && writtenAndRead(one, TextFileContent()) != one)
        std::abort();
    return 0;
}
