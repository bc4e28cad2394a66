#include "phrasebook/core/LineFileSave.h"
#include <QDir>
#include <QFileInfo>

namespace pelumo {

namespace {

// A dangling link is a name taken too: renaming onto it would replace it.
bool nameTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || !info.symLinkTarget().isEmpty();
}

} // namespace

LineFileSave saveLines(LineFileKind kind, const QString &path, const QStringList &lines,
                       const TextFileContent &asRead, WriteMode mode)
{
    LineFileSave save;
    TextWriteResult written = writeTextLines(path, lines, asRead);
    if (written.status == TextWriteResult::NeedsOtherEncoding) {
        // An older installation sharing the file could no longer read it:
        // the user decides, and the file as it was stays beside the new one.
        if (mode == WriteMode::KeepFormat) {
            save.status = LineFileSave::NeedsOtherEncoding;
            save.notice = formatChangeQuestion(kind, asRead.encoding);
            return save;
        }
        const AsideCopy aside = copyAside(path);
        if (!aside.ok()) {
            save.status = LineFileSave::AsideFailed;
            save.notice = asideFailedNotice(kind);
            save.errorDetail = aside.errorString;
            return save;
        }
        save.keptAs = aside.name;
        written = writeTextLines(path, lines, TextEncoding::Utf8);
        if (written.status == TextWriteResult::NeedsOtherEncoding)
            written.errorString = QStringLiteral("the lines do not read back as UTF-8");
    }
    if (written.status != TextWriteResult::Written) {
        save.notice = writeFailedNotice(kind);
        save.errorDetail = written.errorString;
        return save;
    }
    save.status = LineFileSave::Written;
    save.written = std::move(written.written);
    return save;
}

AsideMove moveAside(const QString &path, const QString &wanted)
{
    AsideMove move;
    if (!QFileInfo::exists(path))
        return move;
    const QDir dir = QFileInfo(path).dir();
    move.name = wanted.isEmpty() || nameTaken(dir.filePath(wanted)) ? freeAsideName(path) : wanted;
    // QDir, not QFile: QFile falls back to copying, which would open a FIFO.
    if (!QDir().rename(path, dir.filePath(move.name)))
        move.errorString = QStringLiteral("cannot rename to %1").arg(dir.filePath(move.name));
    return move;
}

} // namespace pelumo
