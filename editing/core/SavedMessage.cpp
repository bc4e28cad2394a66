#include "editing/core/SavedMessage.h"
#include "platform/core/Characters.h"
#include "platform/core/RegularFile.h"
#include "platform/core/SwappedFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <sys/stat.h>

namespace pelumo {
namespace {

constexpr int kVersion = 1;
// Far above any message (a diary entry opened into it is at most 32,767
// characters): a larger file is not one of ours.
constexpr qint64 kMaxFileBytes = 1 << 20;

// Whether something other than a plain file (a link, a FIFO, a folder)
// stands at path itself.
bool somethingElseStandsAt(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

} // namespace

QByteArray savedMessageBytes(const SavedMessage &m)
{
    const QJsonObject object{{"version", kVersion}, {"text", m.text}, {"anchor", m.anchor},
                             {"position", m.position}, {"wide", m.wide}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<SavedMessage> parseSavedMessage(const QByteArray &bytes)
{
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject o = document.object();
    if (!document.isObject() || o.value("version").toInt() != kVersion || !o.value("text").isString()
        || !o.value("anchor").isDouble() || !o.value("position").isDouble())
        return std::nullopt;
    SavedMessage m;
    m.text = o.value("text").toString();
    m.wide = o.value("wide").toBool();
    const int anchor = o.value("anchor").toInt(), position = o.value("position").toInt();
    // The highlight as the text box would hold it: whole characters only.
    const bool leftward = position < anchor;
    m.anchor = leftward ? characterEnd(m.text, anchor) : characterStart(m.text, anchor);
    m.position = leftward || position == anchor ? characterStart(m.text, position)
                                                : characterEnd(m.text, position);
    return m;
}

namespace {

SavedMessageRead readOneFile(const QString &path)
{
    SavedMessageRead read;
    // A FIFO would hold the start for ever, a device could be read without end.
    const FileBytes file = readRegularFile(path, kMaxFileBytes);
    switch (file.status) {
    case FileBytes::Missing:
        return read;
    case FileBytes::NotAFile:
    case FileBytes::TooLarge:
        read.status = SavedMessageRead::Damaged;
        read.errorString = QStringLiteral("not a plain file, or too large: %1 bytes").arg(file.size);
        return read;
    case FileBytes::Failed:
        read.status = SavedMessageRead::Unreadable;
        read.errorString = file.errorString;
        return read;
    case FileBytes::Ok:
        break;
    }
    read.empty = file.bytes.isEmpty();
    const std::optional<SavedMessage> message = parseSavedMessage(file.bytes);
    read.status = message ? SavedMessageRead::Ok : SavedMessageRead::Damaged;
    read.message = message.value_or(SavedMessage{});
    if (!message)
        read.errorString = QStringLiteral("not a kept message of version %1").arg(kVersion);
    return read;
}

} // namespace

SavedMessageRead readSavedMessage(const QString &path)
{
    const SavedMessageRead read = readOneFile(path);
    // After a power cut the file can be empty, or gone if the cut came
    // between a swap's two steps: the copy last put on the disk holds the
    // message as it was then.
    if (read.status == SavedMessageRead::Missing || read.empty) {
        const SavedMessageRead copy = readOneFile(safeCopyPath(path));
        if (copy.status == SavedMessageRead::Ok)
            return copy;
    }
    return read;
}

QString writeSavedMessage(const QString &path, const SavedMessage &message)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(folder);
    // The file is ours alone: whatever else stands in its place (a link,
    // which a write would follow to its target, a FIFO) goes first.
    if (somethingElseStandsAt(path) && !QFile::remove(path))
        return QStringLiteral("cannot remove what stands at %1").arg(path);
    return swapInFile(path, savedMessageBytes(message));
}

QString syncSavedMessage(const QString &path)
{
    return syncSwappedFile(path);
}

QString removeSavedMessage(const QString &path)
{
    // The safe copy first: a kill in between leaves the newer of the two.
    for (const QString &name : {safeCopyPath(path), path}) {
        QFile file(name);
        if (file.exists() && !file.remove())
            return file.errorString();
    }
    return QString();
}

} // namespace pelumo
