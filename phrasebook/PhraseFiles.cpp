// Reading, indexing and writing the phrase book.
//
// The file is the user's own voice, built over years: a file that cannot be
// read whole is never overwritten unseen, a save that fails leaves the old file
// and the list as they were, and the user is told in the program's own notice.
#include "app/frmTalk.h"
#include "phrasebook/core/FileNotices.h"
#include "phrasebook/core/KanaRowIndex.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/Logging.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>

namespace pelumo {

namespace {

const QString kNoticeTitle = QStringLiteral("例文ファイル");

} // namespace

QString frmTalk::phraseFilePath() const
{
    return QDir(state.AppDir).filePath(QStringLiteral("Talk.txt"));
}

void frmTalk::phraseFileNotice(const QString &prompt)
{
    auto tell = [this, prompt] { askEnabled(prompt, 48, kNoticeTitle); };
    // At start-up the window is not shown yet: tell the user once it is.
    if (isVisible())
        tell();
    else
        QTimer::singleShot(0, this, tell);
}

// A file that was not read is moved aside before the next save, so that save
// never overwrites what the user could not see.
QString frmTalk::pendingPhraseFileAside()
{
    if (m_phraseFileAside.isEmpty())
        m_phraseFileAside = freeAsideName(phraseFilePath());
    return m_phraseFileAside;
}

QStringList frmTalk::readPhraseBook(QString &problem)
{
    const QString path = phraseFilePath();
    TextFileContent content = readTextLines(path);
    if (!content.errorString.isEmpty())
        qCWarning(lcFiles) << "cannot read" << path << content.errorString;
    ParsedPhrases parsed;
    m_phraseFile = TextFileContent();
    if (content.status == TextFileContent::Missing) {
        // A new phrase book starts with the diary's placeholder in it.
        parsed.phrases << kPlaceholderText;
        const TextWriteResult written = writeTextLines(path, phraseFileLines({}).lines, TextEncoding::Utf8);
        if (written.status == TextWriteResult::Written)
            m_phraseFile = written.written;
        else
            problem = cannotCreateNotice(LineFileKind::PhraseBook);
        qCDebug(lcFiles) << "created" << path << written.errorString;
    } else if (content.status != TextFileContent::Ok) {
        parsed.phrases << kPlaceholderText;
        problem = readProblemNotice(LineFileKind::PhraseBook, *readProblem(content),
                                    pendingPhraseFileAside(), 0, content.size);
    } else {
        parsed = parsePhraseLines(content.lines);
        if (!parsed.complete()) {
            m_phraseFile.encoding = content.encoding;   // the new file keeps it
            problem = linesLeftOutNotice(parsed.tooLongLines + parsed.excessPhrases,
                                         pendingPhraseFileAside());
        } else {
            m_phraseFileAside.clear();
            // Damaged lines are shown as best they read and keep their bytes.
            if (content.damagedLines > 0)
                problem = readProblemNotice(LineFileKind::PhraseBook, ReadProblem::Damaged, QString(),
                                            content.damagedLines);
            m_phraseFile = std::move(content);
        }
    }
    qCDebug(lcFiles) << "read" << path << parsed.phrases.size() << "phrases" << problem;
    return parsed.phrases;
}

void frmTalk::LoadPhrases()
{
    QString problem;
    const QStringList phrases = readPhraseBook(problem);
    grdEx->setRows(0);
    grdEx->setCols(2);
    grdEx->setRows(int(phrases.size()));
    for (int r = 0; r < phrases.size(); ++r)
        grdEx->setTextMatrix(r, 1, phrases.at(r));
    state.PhraseList = phrases.isEmpty() ? QStringList{QString()} : phrases;
    m_phraseIndex.rebuild(*state.PhraseList);

    if (problem.isEmpty()) {
        m_phraseReadProblemTold = false;
    } else if (!m_phraseReadProblemTold) {
        m_phraseReadProblemTold = true;
        phraseFileNotice(problem);
    }
}

void frmTalk::BuildPhraseIndex()
{
    QStringList texts;
    texts.reserve(grdEx->rows() + 1);
    for (int r = 0; r < grdEx->rows(); ++r)
        texts << grdEx->textMatrix(r, 1);
    std::stable_sort(texts.begin(), texts.end());
    // Row 0 is the diary entry. Digits, Latin letters, 「ああ」 or 「あ、」 sort
    // before the placeholder in code order; they follow it instead, and a file
    // without the placeholder gets one, so no phrase is ever shown as "日記".
    const qsizetype anchor = texts.indexOf(kPlaceholderText);
    if (anchor > 0)
        texts.move(anchor, 0);
    else if (anchor < 0)
        texts.prepend(kPlaceholderText);
    const QStringList labels = kanaRowLabels(texts);

    grdEx->setCols(2);
    grdEx->setRows(int(texts.size()));
    for (int r = 0; r < texts.size(); ++r) {
        grdEx->setTextMatrix(r, 1, texts.at(r));
        grdEx->setTextMatrix(r, 0, labels.at(r));
    }
    if (!texts.isEmpty())
        state.WorkText = texts.last();
}

QStringList frmTalk::phraseRows() const
{
    QStringList rows;
    rows.reserve(grdEx->rows() + 1);
    for (int r = 0; r < grdEx->rows(); ++r)
        rows << grdEx->textMatrix(r, 1);
    return rows;
}

void frmTalk::SavePhrases()
{
    savePhraseRows(phraseRows());
}

bool frmTalk::savePhraseRows(const QStringList &rows)
{
    if (!rows.isEmpty())
        state.WorkText = rows.last();
    const PhraseLines lines = phraseFileLines(rows);
    if (lines.status == PhraseLines::TooManyPhrases) {
        phraseFileNotice(tooManyPhrasesNotice());
        return false;
    }
    if (lines.status == PhraseLines::LineTooLong) {
        phraseFileNotice(phraseTooLongNotice());
        return false;
    }
    if (!m_phraseFileAside.isEmpty() && !setUnreadPhraseFileAside())
        return false;
    const QString path = phraseFilePath();
    const std::optional<TextWriteResult> written =
        writeLineFile(LineFileKind::PhraseBook, path, lines.lines, m_phraseFile);
    if (!written)
        return false;   // the user kept the file's format: nothing written
    qCDebug(lcFiles) << "write" << path << lines.lines.size() << written->status;
    if (written->status != TextWriteResult::Written) {
        qCWarning(lcFiles) << "cannot write" << path << written->errorString;
        phraseFileNotice(writeFailedNotice(LineFileKind::PhraseBook));
        return false;
    }
    m_phraseFile = written->written;
    return true;
}

bool frmTalk::setUnreadPhraseFileAside()
{
    const QString path = phraseFilePath();
    const QString aside = QFileInfo(path).dir().filePath(m_phraseFileAside);
    if (QFileInfo::exists(path)) {
        if (QFileInfo::exists(aside))
            m_phraseFileAside = freeAsideName(path);
        const QString target = QFileInfo(path).dir().filePath(m_phraseFileAside);
        // QDir, not QFile: QFile falls back to copying, which would open a FIFO.
        if (!QDir().rename(path, target)) {
            phraseFileNotice(renameAsideFailedNotice(LineFileKind::PhraseBook, m_phraseFileAside));
            return false;
        }
        qCDebug(lcFiles) << "kept aside" << path << "as" << target;
    }
    m_phraseFileAside.clear();
    return true;
}

} // namespace pelumo
