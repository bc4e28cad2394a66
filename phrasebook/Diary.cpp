// The diary: one entry a day, kept in day.txt, opened from the phrase list,
// read on a light green message, revised on the board and registered when the
// diary ends.
#include "app/frmTalk.h"
#include "platform/core/Characters.h"
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/FileNotices.h"
#include "platform/core/TextFile.h"
#include "platform/Logging.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelumo {
namespace {

const QString kDiaryMode = QStringLiteral("日記終了");
constexpr int kDateColumnTwips = 4500;

// The entries of the file with today's row, and the file as read. A file
// that cannot be read at all gives today's row alone; damaged lines spoil
// only themselves and keep their bytes in the file.
TextFileContent readDiary(const QString &path, const QString &today, DiaryReading &reading)
{
    TextFileContent file = readTextLines(path);
    reading = readDiaryLines(file.status == TextFileContent::Ok ? file.lines : QStringList(), today);
    if (!file.errorString.isEmpty())
        qCWarning(lcFiles) << "cannot read" << path << file.errorString;
    qCDebug(lcFiles) << "read" << path << reading.entries.size() << "entries," << reading.skipped
                     << "empty lines," << reading.undated << "not dated," << file.damagedLines
                     << "damaged";
    return file;
}

} // namespace

QString frmTalk::diaryPath() const
{
    return QDir(state.AppDir).filePath(kDiaryFileName);
}

void frmTalk::LoadDiaryList()
{
    grdDay->setRedraw(false);
    grdDay->setRows(0);
    grdDay->setCols(2);
    layout.setGeometry(grdDay, layout.geometry(grdBoard));
    grdDay->setColWidth(0, kDateColumnTwips);
    grdDay->setColWidth(1, layout.geometry(grdDay).width() - kDateColumnTwips);
    grdDay->show();

    DiaryReading reading;
    const TextFileContent file = readDiary(diaryPath(), diaryDateText(services.clock.today()), reading);
    const std::optional<ReadProblem> problem = readProblem(file);
    m_diaryUnreadable = problem && *problem != ReadProblem::Damaged;

    // One resize, not one a row: the list may hold a hundred years of days.
    grdDay->setRows(int(reading.entries.size()));
    for (int i = 0; i < int(reading.entries.size()); ++i) {
        grdDay->setTextMatrix(i, 0, reading.entries.at(i).date);
        grdDay->setTextMatrix(i, 1, reading.entries.at(i).text);
    }
    grdDay->setRedraw(true);

    if (!problem)
        m_diaryReadFailureTold = false;
    else if (!m_diaryReadFailureTold)
        tellDiaryReadProblem(*problem, file);
}

void frmTalk::tellDiaryReadProblem(ReadProblem problem, const TextFileContent &file)
{
    m_diaryReadFailureTold = true;
    AskQuestion(readProblemNotice(LineFileKind::Diary, problem, freeAsideName(diaryPath()),
                                  file.damagedLines, file.size),
                48, QStringLiteral("日記"));
}

void frmTalk::SortDiaryList()
{
    grdDay->setRedraw(false);
    grdDay->setCol(0);
    grdDay->setSort(FlexGrid::SortStringDescending);
    grdDay->setRow(0);
    grdDay->setCol(1);
    grdDay->setColSel(grdDay->cols() - 1);
    grdDay->setCellBackColor(colors::LightGreen);
    grdDay->setTopRow(0);
    state.ListCursorRow = 0;
    grdDay->setRedraw(true);
}

void frmTalk::SaveDiary(const QString &text)
{
    saveDiaryEntry(text);
}

bool frmTalk::saveDiaryEntry(const QString &text)
{
    const QString path = diaryPath();
    QString error;
    auto tellNotSaved = [this, &path](const QString &reason) {
        qCWarning(lcFiles) << "cannot write" << path << reason;
        askEnabled(writeFailedNotice(LineFileKind::Diary), 48, QStringLiteral("日記の登録"));
        return false;
    };
    // The file as it is now: its encoding and the bytes of each line. One
    // that can no longer be read is kept aside like one that never could.
    TextFileContent current = readTextLines(path);
    if (current.status != TextFileContent::Ok && current.status != TextFileContent::Missing)
        m_diaryUnreadable = true;
    if (m_diaryUnreadable) {
        if (!keepUnreadableDiaryAside(error))
            return tellNotSaved(error);
        current = TextFileContent();
    }
    QStringList lines;
    lines.reserve(grdDay->rows());
    for (int i = 0; i < grdDay->rows(); ++i) {
        state.WorkText = i == state.DiaryEditRow ? text : grdDay->textMatrix(i, 1);
        lines << diaryLine(grdDay->textMatrix(i, 0), state.WorkText);
    }
    const std::optional<TextWriteResult> written =
        writeLineFile(LineFileKind::Diary, path, lines, current);
    if (!written)
        return false;   // the user kept the file's format: the entry stays in the message
    return written->status == TextWriteResult::Written || tellNotSaved(written->errorString);
}

// The list was built without the entries of a file that could not be read;
// writing it would replace them all by today's row. The file goes to a free
// name next to it first, where it can be recovered.
bool frmTalk::keepUnreadableDiaryAside(QString &error)
{
    const QString path = diaryPath();
    if (QFile::exists(path)) {
        const QString kept = QFileInfo(path).dir().filePath(freeAsideName(path));
        // QDir, not QFile: QFile falls back to copying, which would open a FIFO.
        if (!QDir().rename(path, kept)) {
            error = QStringLiteral("cannot rename to %1").arg(kept);
            return false;
        }
        qCWarning(lcFiles) << "kept the unreadable diary as" << kept;
    }
    m_diaryUnreadable = false;
    return true;
}

void frmTalk::cmdRevise_Click()
{
    SetNarrowLayout();
    txtTalk->setBackColor(colors::LightGreen);
    // The last character highlighted, whole: an entry may end with a
    // character outside the Basic Multilingual Plane, two code units long.
    const QString text = txtTalk->text();
    const int last = previousCharacter(text, int(text.size()));
    txtTalk->setSelStart(last);
    showDiaryRevision();
    txtTalk->select(last, nextCharacter(text, last));
    txtTalk->setFocus();
}

// The board and the editing keys over the diary keys, which stay beneath.
void frmTalk::showDiaryRevision()
{
    grdBoard->show();
    fraRes->show();
}

void frmTalk::cmdBack_Click()
{
    if (cmdSamp->caption() == kDiaryMode) {
        LoadDiaryList();
        SortDiaryList();
    }
    SetNarrowLayout();
    fraDay->hide();
    fraTalk->show();
    txtTalk->setFocus();
}

void frmTalk::EndDiary()
{
    if (grdDay->isHidden()) {   // an entry is open
        AskQuestion(QStringLiteral("日記を登録して終了します"), 36, QStringLiteral("日記の終了"));
        // A failed registration keeps the diary open on the board, the entry
        // in the message, so the user can try again or end with ＮＯ.
        if (state.DialogAnswer.value_or(false) && !saveDiaryEntry(txtTalk->text())) {
            showDiaryRevision();
            return;
        }
    }
    txtTalk->setBackColor(colors::White);
    grdBoard->show();
    grdEx->hide();
    grdSp->hide();
    grdDay->hide();
    cmdSamp->setCaption(QStringLiteral("例文表示"));
    cmdSampDel->hide();
    cmdSampADD->show();
    fraRes->show();
    fraTalk->hide();
    fraDay->hide();
}

} // namespace pelumo
