#pragma once
// What the phrase book and the diary say to the user about their files: a
// notice in the program's own dialog (after the window is shown, when a
// problem is found at start-up), and the format question before a file is
// written in another encoding than it was read in.
#include "phrasebook/core/LineFileSave.h"
#include "platform/core/Questions.h"
#include <QObject>
#include <QWidget>
#include <functional>

namespace pelumo {

class FileQuestions : public QObject {
    Q_OBJECT
public:
    FileQuestions(AskQuestionFn ask, QWidget *window);

    bool ask(const QString &prompt, int style, const QString &title);
    // A notice with ＯＫ: now, or once the window is shown.
    void notice(const QString &prompt, const QString &title);

    // Runs a write keeping the file's format. When that would change the
    // encoding, asks; on ＯＫ runs it again as UTF-8 (the old file copied
    // aside first). Returns the last result, or nothing when the user kept
    // the format and nothing was written.
    template <class Result>
    std::optional<Result> write(LineFileKind kind, const std::function<Result(WriteMode)> &save)
    {
        Result result = save(WriteMode::KeepFormat);
        if (result.status != Result::NeedsOtherEncoding)
            return result;
        if (!askFormatChange(kind, result.notice))
            return std::nullopt;
        return save(WriteMode::AsUtf8AfterCopyAside);
    }

private:
    bool askFormatChange(LineFileKind kind, const QString &question);

    AskQuestionFn m_ask;
    QWidget *m_window;
};

QString fileTitle(LineFileKind kind);   // "例文ファイル" or "日記"

} // namespace pelumo
