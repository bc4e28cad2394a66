#include "editing/core/SavedMessage.h"
#include "platform/core/Characters.h"
#include "platform/core/RegularFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
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

SavedMessageRead readSavedMessage(const QString &path)
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
    const QByteArray &bytes = file.bytes;
    const std::optional<SavedMessage> message = parseSavedMessage(bytes);
    read.status = message ? SavedMessageRead::Ok : SavedMessageRead::Damaged;
    read.message = message.value_or(SavedMessage{});
    if (!message)
        read.errorString = QStringLiteral("not a kept message of version %1").arg(kVersion);
    return read;
}

QString writeSavedMessage(const QString &path, const SavedMessage &message)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder %1").arg(folder);
    // The file is ours alone: whatever else stands in its place (a link,
    // which the save would follow to its target, a FIFO) goes first.
    if (somethingElseStandsAt(path) && !QFile::remove(path))
        return QStringLiteral("cannot remove what stands at %1").arg(path);
    QSaveFile file(path);
    const QByteArray bytes = savedMessageBytes(message);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // What someone is saying is theirs alone, even half written: no other
    // account on the machine may read it.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}

QString removeSavedMessage(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return QString();
    return file.errorString();
}

} // namespace pelumo
