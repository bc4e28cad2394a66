// Reading, indexing and writing the phrase book.
//
// The file is the user's own voice, built over years: a file that cannot be
// read whole is never overwritten unseen, a save that fails leaves the old file
// and the list as they were, and the user is told in the program's own notice.
#include "app/frmTalk.h"
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
    auto tell = [this, prompt] {
        // Commands disable the window while they work; the notice must answer.
        const bool wasEnabled = isEnabled();
        setEnabled(true);
        AskQuestion(prompt, 48, kNoticeTitle);
        setEnabled(wasEnabled);
    };
    // At start-up the window is not shown yet: tell the user once it is.
    if (isVisible())
        tell();
    else
        QTimer::singleShot(0, this, tell);
}

QStringList frmTalk::readPhraseBook(QString &problem)
{
    const QString path = phraseFilePath();
    const TextFileContent content = readTextLines(path);
    ParsedPhrases parsed;
    if (content.status == TextFileContent::Missing) {
        // A new phrase book starts with the diary's placeholder in it.
        parsed.phrases << kPlaceholderText;
        m_phraseEncoding = TextEncoding::Utf8;
        const TextWriteResult written = writeTextLines(path, phraseFileLines({}).lines, m_phraseEncoding);
        if (!written.ok)
            problem = QStringLiteral("例文ファイル Talk.txt を作れませんでした（%1）。")
                          .arg(written.errorString);
    } else if (content.status == TextFileContent::Unreadable) {
        parsed.phrases << kPlaceholderText;
        m_phraseEncoding = TextEncoding::Utf8;
        if (m_phraseFileAside.isEmpty())
            m_phraseFileAside = freeAsideName(path);
        problem = QStringLiteral("例文ファイル Talk.txt を読めませんでした（%1）。"
                                 "元のファイルは次の保存の前に %2 として残します。")
                      .arg(content.errorString, m_phraseFileAside);
    } else {
        parsed = parsePhraseLines(content.lines);
        m_phraseEncoding = content.encoding;
        if (!parsed.complete()) {
            if (m_phraseFileAside.isEmpty())
                m_phraseFileAside = freeAsideName(path);
            problem = QStringLiteral("例文ファイルの %1 行は長すぎるか多すぎて読めませんでした。"
                                     "元のファイルは次の保存の前に %2 として残します。")
                          .arg(parsed.tooLongLines + parsed.excessPhrases)
                          .arg(m_phraseFileAside);
        } else {
            m_phraseFileAside.clear();
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
        phraseFileNotice(QStringLiteral("例文は %1 文までです。これ以上は登録できません。").arg(kMaxPhrases));
        return false;
    }
    if (lines.status == PhraseLines::LineTooLong) {
        phraseFileNotice(QStringLiteral("例文が長すぎて登録できません（%1 文字まで）。").arg(kMaxLineLength - 2));
        return false;
    }
    if (!m_phraseFileAside.isEmpty() && !setUnreadPhraseFileAside())
        return false;
    const TextWriteResult written = writeTextLines(phraseFilePath(), lines.lines, m_phraseEncoding);
    qCDebug(lcFiles) << "write" << phraseFilePath() << lines.lines.size() << written.ok << written.errorString;
    if (!written.ok) {
        phraseFileNotice(QStringLiteral("例文を保存できませんでした（%1）。例文帳は前のままです。")
                             .arg(written.errorString));
        return false;
    }
    m_phraseEncoding = written.encoding;
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
        if (!QFile::rename(path, target)) {
            phraseFileNotice(QStringLiteral("元の例文ファイルを %1 として残せないので、保存しませんでした。")
                                 .arg(m_phraseFileAside));
            return false;
        }
        qCDebug(lcFiles) << "kept aside" << path << "as" << target;
    }
    m_phraseFileAside.clear();
    return true;
}

} // namespace pelumo
