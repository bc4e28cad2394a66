#include "phrasebook/FileQuestions.h"
#include "platform/Logging.h"
#include <QTimer>

namespace pelumo {

QString fileTitle(LineFileKind kind)
{
    return kind == LineFileKind::PhraseBook ? QStringLiteral("例文ファイル") : QStringLiteral("日記");
}

FileQuestions::FileQuestions(AskQuestionFn ask, QWidget *window)
    : QObject(window), m_ask(std::move(ask)), m_window(window)
{
}

bool FileQuestions::ask(const QString &prompt, int style, const QString &title)
{
    return m_ask(prompt, style, title);
}

void FileQuestions::notice(const QString &prompt, const QString &title)
{
    auto tell = [this, prompt, title] { m_ask(prompt, 48, title); };
    // At start-up the window is not shown yet: tell the user once it is.
    if (m_window->isVisible())
        tell();
    else
        QTimer::singleShot(0, this, tell);
}

bool FileQuestions::askFormatChange(LineFileKind kind, const QString &question)
{
    // An older installation sharing the file could no longer read it: the
    // user decides, and the file as it was stays beside the new one.
    if (m_ask(question, 33, fileTitle(kind)))
        return true;
    qCInfo(lcFiles) << "format change of the" << fileTitle(kind) << "declined: nothing written";
    return false;
}

} // namespace pelumo
