// Whatever history.txt or quick.txt holds, reading it never fails, and once
// the list is changed (a message moved to the top, the oldest gone, a new
// one first) the file the program writes for it reads back as the list, in
// order. Any text at all, the input's bytes taken as UTF-16 (lone
// surrogates included), comes back from its own file too.
#include "phrasebook/core/MessageLines.h"
#include "phrasebook/core/MessageListLines.h"
#include "platform/core/MessageRules.h"
#include "platform/core/TextFile.h"
#include <climits>
#include <cstdlib>
#include <cstring>

using namespace pelumo;

namespace {

// The messages of lines written over asRead, in its encoding or else as
// UTF-8 (as after a copy aside), read back; or abort.
QStringList writtenAndRead(const QStringList &lines, const TextFileContent &asRead)
{
    EncodedLines out = encodeTextLines(lines, messageFileBase(lines, asRead));
    if (out.status != EncodedLines::Ok)
        out = encodeTextLines(lines, TextFileContent());
    if (out.status != EncodedLines::Ok)
        std::abort();
    return readMessageLines(decodeTextLines(out.content.bytes).lines, INT_MAX).messages;
}

QStringList changed(QStringList messages)
{
    if (messages.size() >= 2)
        messages.move(messages.size() / 2, 0);
    if (!messages.isEmpty())
        messages.removeLast();
    if (!messages.contains(QStringLiteral("新")))
        messages.prepend(QStringLiteral("新"));
    return messages;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TextFileContent file = decodeTextLines(bytes);
    const MessageReading read = readMessageLines(file.lines, INT_MAX);
    for (const QStringList &list : {read.messages, changed(read.messages)})
        if (writtenAndRead(linesForMessages(file.lines, list, INT_MAX), file) != list)
            std::abort();

    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    const QStringList one{text};
    if (!trimBlanks(text).isEmpty() && writtenAndRead({messageLine(text)}, TextFileContent()) != one)
        std::abort();
    return 0;
}
