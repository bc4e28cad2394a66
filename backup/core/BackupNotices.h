#pragma once
// What the user is told about backups, in Japanese, from the results; the
// system's words go to the pelumo.backup log instead.
#include "backup/core/BackupRead.h"
#include "backup/core/BackupWrite.h"
#include "backup/core/OlderFiles.h"
#include "backup/core/Restore.h"
#include <QString>

namespace pelumo {

QString countsText(const BackupCounts &counts);   // "例文 N 件、日記 N 日"
QString backupWrittenNotice(const BackupWrite &write);
QString restoreNotice(const RestoreResult &restore);
// A row of the list of backups: its date and time, its counts and where it is.
QString backupRowCaption(const BackupCheck &check, const QString &place);

// 追加 (merged, with the counts before and after and the days kept) or
// 置き換え, from an older installation's files.
QString takeInNotice(const RestoreResult &restore, const OlderMerge &merge, bool merged);

inline const QString kTakeInQuestion = QStringLiteral(
    "古いソフトのファイルを、今のデータに追加しますか？\n（「ＮＯ」なら、置き換えるか聞きます）");
inline const QString kReplaceQuestion = QStringLiteral(
    "今のデータを、古いソフトのファイルで置き換えますか？\n今のデータは先に保存しておきます。");
inline const QString kNoDriveQuestion = QStringLiteral(
    "USBメモリが見つかりません。\nホームフォルダーの「Pelumo-backups」に保存しますか？");
inline const QString kRestoreQuestion = QStringLiteral(
    "この保存から元に戻しますか？\n今のデータは先に保存しておきます。");

} // namespace pelumo
