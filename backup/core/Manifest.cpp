#include "backup/core/Manifest.h"
#include <QCryptographicHash>
#include <QVersionNumber>
#include <algorithm>

namespace pelumo {

namespace {

const QByteArray kFirstLine("Pelumo backup");

bool isHex64(const QByteArray &text)
{
    if (text.size() != 64)
        return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String(".")
        && name != QLatin1String("..") && name != kManifestName;
}

std::optional<ManifestEntry> parseEntry(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() < 4 || !isHex64(parts[1]))
        return std::nullopt;
    bool sizeOk = false;
    const qint64 size = parts[2].toLongLong(&sizeOk);
    const int nameAt = int(parts[0].size() + parts[1].size() + parts[2].size() + 3);
    const QString name = QString::fromUtf8(line.mid(nameAt));
    if (!sizeOk || size < 0 || !isPlainName(name))
        return std::nullopt;
    return ManifestEntry{name, size, parts[1]};
}

} // namespace

ManifestEntry manifestEntry(const NamedBytes &file)
{
    return {file.name, file.bytes.size(),
            QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex()};
}

QByteArray manifestText(const Manifest &manifest)
{
    QByteArray text = kFirstLine + '\n';
    text += "version " + manifest.version.toUtf8() + '\n';
    text += "made " + manifest.made.toString(Qt::ISODate).toUtf8() + '\n';
    for (const ManifestEntry &file : manifest.files)
        text += "file " + file.sha256 + ' ' + QByteArray::number(file.size) + ' '
            + file.name.toUtf8() + '\n';
    return text;
}

std::optional<Manifest> parseManifest(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.takeFirst() != kFirstLine || lines.takeLast() != QByteArray())
        return std::nullopt;
    Manifest manifest;
    for (const QByteArray &line : lines) {
        if (line.startsWith("version ") && manifest.version.isEmpty())
            manifest.version = QString::fromUtf8(line.mid(8));
        else if (line.startsWith("made ") && !manifest.made.isValid())
            manifest.made = QDateTime::fromString(QString::fromUtf8(line.mid(5)), Qt::ISODate);
        else if (line.startsWith("file ")) {
            const std::optional<ManifestEntry> entry = parseEntry(line);
            if (!entry || std::any_of(manifest.files.cbegin(), manifest.files.cend(),
                                      [&](const ManifestEntry &e) { return e.name == entry->name; }))
                return std::nullopt;
            manifest.files.append(*entry);
        } else
            return std::nullopt;
    }
    if (QVersionNumber::fromString(manifest.version).isNull() || !manifest.made.isValid())
        return std::nullopt;
    return manifest;
}

bool isNewerVersion(const QString &version, const QString &ours)
{
    return QVersionNumber::fromString(version) > QVersionNumber::fromString(ours);
}

} // namespace pelumo
