#include "backup/core/BackupNotices.h"
#include <QFileInfo>

namespace pelumo {

QString countsText(const BackupCounts &counts)
{
    return QStringLiteral("例文 %1 件、日記 %2 日").arg(counts.phrases).arg(counts.diaryDays);
}

QString backupWrittenNotice(const BackupWrite &write)
{
    const QString nothing = QStringLiteral("\n何も書き込んでいません。");
    switch (write.status) {
    case BackupWrite::Written:
        return QStringLiteral("保存しました（%1）").arg(countsText(write.counts));
    case BackupWrite::NoSpace:
        return QStringLiteral("保存する場所がいっぱいで、保存できませんでした。") + nothing;
    case BackupWrite::ReadOnly:
        return QStringLiteral("書き込みが禁止されていて、保存できませんでした。") + nothing;
    case BackupWrite::SourceUnreadable:
        return QStringLiteral("「%1」が読めないので、保存できませんでした。").arg(write.fileName);
    case BackupWrite::Failed: break;
    }
    return QStringLiteral("保存できませんでした。") + nothing;
}

QString restoreNotice(const RestoreResult &restore)
{
    const QString unchanged = QStringLiteral("\nデータは元のままです。");
    switch (restore.status) {
    case RestoreResult::Restored:
        return QStringLiteral("元に戻しました（%1）").arg(countsText(restore.counts));
    case RestoreResult::CopyBeforeFailed:
        return QStringLiteral("今のデータを保存できないので、元に戻しませんでした。") + unchanged;
    case RestoreResult::Failed:
        return QStringLiteral("元に戻す途中で止まりました。\n次に起動したときに続きをします。");
    case RestoreResult::Refused: break;
    }
    switch (restore.check.status) {
    case BackupCheck::Mismatch:
        return QStringLiteral("この保存の「%1」が壊れているので、元に戻しませんでした。")
                   .arg(restore.check.fileName) + unchanged;
    case BackupCheck::Newer:
        return QStringLiteral("新しい版の Pelumo で作られた保存なので、元に戻せません。") + unchanged;
    default: break;
    }
    return QStringLiteral("この保存は読めないので、元に戻しませんでした。") + unchanged;
}

QString takeInNotice(const RestoreResult &restore, const OlderMerge &merge, bool merged)
{
    if (merge.status == OlderMerge::NeedsOtherEncoding)
        return QStringLiteral("今のファイルの文字コードでは書けない文字があるので、取り込みませんでした。"
                              "\nデータは元のままです。");
    if (restore.status != RestoreResult::Restored)
        return restoreNotice(restore);
    if (!merged)
        return QStringLiteral("置き換えました（%1）").arg(countsText(restore.counts));
    QString text = QStringLiteral("取り込みました。\n例文 %1 件 → %2 件、日記 %3 日 → %4 日")
                       .arg(merge.before.phrases).arg(merge.after.phrases)
                       .arg(merge.before.diaryDays).arg(merge.after.diaryDays);
    if (!merge.keptDays.isEmpty())
        text += QStringLiteral("\n両方にある日（%1）は、今の日記のままです。")
                    .arg(merge.keptDays.join(QStringLiteral("、")));
    return text;
}

QString backupRowCaption(const BackupCheck &check, const QString &place)
{
    const QString when = check.manifest.made.isValid()
        ? check.manifest.made.toString(QStringLiteral("yyyy/M/d H:mm"))
        : QFileInfo(check.folder).fileName();
    if (check.status != BackupCheck::Ok)
        return QStringLiteral("%1　読めない保存（%2）").arg(when, place);
    return QStringLiteral("%1　%2（%3）").arg(when, countsText(check.counts), place);
}

} // namespace pelumo
