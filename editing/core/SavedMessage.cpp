#include "editing/core/SavedMessage.h"
#include "platform/core/Characters.h"
#include "platform/core/RegularFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString systemError(const char *what, const QByteArray &name)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(what), QFile::decodeName(name),
                                          QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
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
    // which a write would follow to its target, a FIFO) goes first.
    if (somethingElseStandsAt(path) && !QFile::remove(path))
        return QStringLiteral("cannot remove what stands at %1").arg(path);
    // A new file renamed over the old one: the file holds one whole message
    // or the other, never half of each. No fsync here: once the rename is
    // made, a kill cannot take the message; syncSavedMessage guards against
    // a power cut, later and off the touch's path.
    const QByteArray next = QFile::encodeName(path + QStringLiteral(".new"));
    ::unlink(next.constData());
    // What someone is saying is theirs alone, even half written: no other
    // account on the machine may read it.
    const int fd = ::open(next.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return systemError("cannot make", next);
    const QByteArray bytes = savedMessageBytes(message);
    QString error = writeAll(fd, bytes) ? QString() : systemError("cannot write", next);
    if (::close(fd) != 0 && error.isEmpty())
        error = systemError("cannot close", next);
    if (!error.isEmpty()) {
        ::unlink(next.constData());
        return error;
    }
    if (::rename(next.constData(), QFile::encodeName(path).constData()) != 0) {
        const QString error = systemError("cannot rename over", QFile::encodeName(path));
        ::unlink(next.constData());
        return error;
    }
    return QString();
}

QString syncSavedMessage(const QString &path)
{
    for (const QString &name : {path, QFileInfo(path).path()}) {
        const QByteArray local = QFile::encodeName(name);
        const int fd = ::open(local.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT)
                continue;   // removed by the user's ending meanwhile
            return systemError("cannot open", local);
        }
        const bool synced = ::fsync(fd) == 0;
        const QString error = synced ? QString() : systemError("cannot sync", local);
        ::close(fd);
        if (!synced)
            return error;
    }
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
