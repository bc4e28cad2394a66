#include "phrasebook/core/FileNotices.h"
#include "phrasebook/core/PhraseFile.h"

namespace pelumo {
namespace {

struct Words {
    QString file;        // the file, as the user knows it
    QString nextWrite;   // when it is next written
};

Words wordsFor(LineFileKind kind)
{
    if (kind == LineFileKind::PhraseBook)
        return {QStringLiteral("例文ファイル Talk.txt"), QStringLiteral("次の例文の保存")};
    return {QStringLiteral("日記ファイル day.txt"), QStringLiteral("次の日記の登録")};
}

QString encodingName(TextEncoding encoding)
{
    return encoding == TextEncoding::ShiftJis ? QStringLiteral("Shift_JIS") : QStringLiteral("UTF-8");
}

} // namespace

std::optional<ReadProblem> readProblem(const TextFileContent &content)
{
    switch (content.status) {
    case TextFileContent::Ok:
        return content.damagedLines > 0 ? std::optional(ReadProblem::Damaged) : std::nullopt;
    case TextFileContent::Missing: return std::nullopt;
    case TextFileContent::Unreadable: return ReadProblem::Unreadable;
    case TextFileContent::NotAFile: return ReadProblem::NotAFile;
    case TextFileContent::TooLarge: return ReadProblem::TooLarge;
    }
    return ReadProblem::Unreadable;
}

QString readProblemNotice(LineFileKind kind, ReadProblem problem, const QString &aside,
                          int count, qint64 size)
{
    const Words w = wordsFor(kind);
    const QString kept = QStringLiteral("元のファイルは%1の前に %2 として残します。").arg(w.nextWrite, aside);
    switch (problem) {
    case ReadProblem::Unreadable:
        return QStringLiteral("%1 を読めませんでした。").arg(w.file) + kept;
    case ReadProblem::NotAFile:
        return QStringLiteral("%1 は普通のファイルではないので、読みませんでした。").arg(w.file) + kept;
    case ReadProblem::TooLarge:
        return QStringLiteral("%1 は大きすぎて（%2 MB）読みませんでした。")
                   .arg(w.file).arg((size + (1 << 20) - 1) >> 20) + kept;
    case ReadProblem::Damaged:
        return QStringLiteral("%1 の %2 行は文字が壊れていて、正しく表示できません。"
                              "その行はファイルに元のまま残します。").arg(w.file).arg(count);
    }
    return QString();
}

QString linesLeftOutNotice(int count, const QString &aside)
{
    return QStringLiteral("例文ファイルの %1 行は長すぎるか多すぎて読めませんでした。"
                          "元のファイルは次の保存の前に %2 として残します。").arg(count).arg(aside);
}

QString tooManyPhrasesNotice()
{
    return QStringLiteral("例文は %1 文までです。これ以上は登録できません。").arg(kMaxPhrases);
}

QString phraseTooLongNotice()
{
    // The two quotes around it count toward the line's limit.
    return QStringLiteral("例文が長すぎて登録できません（%1 文字まで）。").arg(kMaxLineLength - 2);
}

QString renameAsideFailedNotice(LineFileKind kind, const QString &aside)
{
    return QStringLiteral("元の%1を %2 として残せないので、保存しませんでした。")
        .arg(kind == LineFileKind::PhraseBook ? QStringLiteral("例文ファイル") : QStringLiteral("日記ファイル"),
             aside);
}

QString cannotCreateNotice(LineFileKind kind)
{
    return QStringLiteral("%1 を作れませんでした。ディスクの空きと書き込みの許可を確かめてください。")
        .arg(wordsFor(kind).file);
}

QString writeFailedNotice(LineFileKind kind)
{
    if (kind == LineFileKind::PhraseBook)
        return QStringLiteral("例文を保存できませんでした。例文帳は前のままです。"
                              "ディスクの空きと書き込みの許可を確かめてください。");
    return QStringLiteral("日記を登録できませんでした。書いた文はそのまま残っています。"
                          "ディスクの空きと書き込みの許可を確かめてください。");
}

QString formatChangeQuestion(LineFileKind kind, TextEncoding from)
{
    const QString what = kind == LineFileKind::PhraseBook ? QStringLiteral("この例文")
                                                          : QStringLiteral("この日記");
    return QStringLiteral("%1は今のファイル形式（%2）では保存できません。"
                          "ファイルをUTF-8形式に変えて保存しますか？（元のファイルは別名で残します）")
        .arg(what, encodingName(from));
}

QString asideFailedNotice(LineFileKind kind)
{
    return QStringLiteral("%1 の元のファイルを別名で残せないので、保存しませんでした。")
        .arg(wordsFor(kind).file);
}

} // namespace pelumo
