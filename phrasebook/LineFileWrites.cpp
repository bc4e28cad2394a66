// Writing the phrase book and the diary without ever changing a file's
// format behind the user's back.
#include "app/frmTalk.h"
#include "phrasebook/core/FileNotices.h"
#include "platform/Logging.h"

namespace pelumo {
namespace {

QString titleFor(LineFileKind kind)
{
    return kind == LineFileKind::PhraseBook ? QStringLiteral("例文ファイル") : QStringLiteral("日記");
}

} // namespace

// Commands disable the window while they work; the dialog must answer.
void frmTalk::askEnabled(const QString &prompt, int style, const QString &title)
{
    const bool wasEnabled = isEnabled();
    setEnabled(true);
    AskQuestion(prompt, style, title);
    setEnabled(wasEnabled);
}

std::optional<TextWriteResult> frmTalk::writeLineFile(LineFileKind kind, const QString &path,
                                                      const QStringList &lines,
                                                      const TextFileContent &asRead)
{
    TextWriteResult written = writeTextLines(path, lines, asRead);
    if (written.status != TextWriteResult::NeedsOtherEncoding)
        return written;
    // An older installation sharing the file could no longer read it: the
    // user decides, and the file as it was stays beside the new one.
    askEnabled(formatChangeQuestion(kind, asRead.encoding), 33, titleFor(kind));
    if (!state.DialogAnswer.value_or(false)) {
        qCInfo(lcFiles) << "format change of" << path << "declined: nothing written";
        return std::nullopt;
    }
    const AsideCopy aside = copyAside(path);
    if (!aside.ok()) {
        qCWarning(lcFiles) << "cannot copy" << path << "aside:" << aside.errorString;
        askEnabled(asideFailedNotice(kind), 48, titleFor(kind));
        return std::nullopt;
    }
    qCInfo(lcFiles) << "kept" << path << "as" << aside.name << "before writing it as UTF-8";
    written = writeTextLines(path, lines, TextEncoding::Utf8);
    if (written.status == TextWriteResult::NeedsOtherEncoding) {
        written.status = TextWriteResult::Failed;
        written.errorString = QStringLiteral("the lines do not read back as UTF-8");
    }
    return written;
}

} // namespace pelumo
