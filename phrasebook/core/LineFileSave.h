#pragma once
// Saving the phrase book and the diary, the steps both files take, without a
// dialog: what needs the user's answer comes back as a result, the caller
// asks and calls again.
#include "phrasebook/core/FileNotices.h"
#include "platform/core/TextFile.h"
#include <QString>
#include <QStringList>

namespace pelumo {

// What a save does when the file's encoding cannot hold the new lines.
enum class WriteMode {
    KeepFormat,             // nothing is written: the caller asks the format question
    AsUtf8AfterCopyAside,   // the user said ＯＫ: the old file is copied aside, the new one is UTF-8
};

// What the caller of a save tells and logs.
struct SaveReport {
    QString notice;        // the question or the notice for the user, where one is due
    QString errorDetail;   // the system's words, for the log
    QString keptAs;        // the name the old file was kept under, when it was
};

struct LineFileSave : SaveReport {
    enum Status { Written, NeedsOtherEncoding, AsideFailed, WriteFailed };
    Status status = WriteFailed;
    TextFileContent written;   // the file as now on disk, when Written
};

// Writes lines over the file as it was read, keeping its format. A file
// whose encoding cannot hold them is written only in AsUtf8AfterCopyAside
// mode, once a byte-for-byte copy of it stands beside it.
LineFileSave saveLines(LineFileKind kind, const QString &path, const QStringList &lines,
                       const TextFileContent &asRead, WriteMode mode);

// A save's outcome in the terms of a book's result, whose Status names the
// same failures; a copy kept aside before is not forgotten.
template <typename Result>
void reportSave(Result &result, const LineFileSave &save, typename Result::Status success)
{
    result.notice = save.notice;
    result.errorDetail = save.errorDetail;
    if (!save.keptAs.isEmpty())
        result.keptAs = save.keptAs;
    switch (save.status) {
    case LineFileSave::Written: result.status = success; break;
    case LineFileSave::NeedsOtherEncoding: result.status = Result::NeedsOtherEncoding; break;
    case LineFileSave::AsideFailed: result.status = Result::AsideFailed; break;
    case LineFileSave::WriteFailed: result.status = Result::WriteFailed; break;
    }
}

} // namespace pelumo
