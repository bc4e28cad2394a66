#include "phrasebook/core/LineFileSave.h"

namespace pelumo {

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

} // namespace pelumo
