// The diary: one entry a day, kept in day.txt, opened from the phrase list,
// read on a light green message, revised on the board and registered when the
// diary ends.
#include "app/frmTalk.h"
#include "editing/core/Characters.h"
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/TextFile.h"
#include "platform/Logging.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pelumo {
namespace {

const QString kDiaryMode = QStringLiteral("日記終了");
constexpr int kDateColumnTwips = 4500;

// Only a file that was not valid UTF-8 is read as Shift_JIS, and that code
// page has no replacement character: finding one means the bytes were neither.
bool undecodable(const TextFileContent &file)
{
    if (file.encoding != TextEncoding::ShiftJis)
        return false;
    for (const QString &line : file.lines)
        if (line.contains(QChar(QChar::ReplacementCharacter)))
            return true;
    return false;
}

// The entries of the file with today's row; why it could not be read, or
// nothing. A file that cannot be read at all gives today's row alone.
QString readDiary(const QString &path, const QString &today, DiaryReading &reading)
{
    const TextFileContent file = readTextLines(path);
    QString failure;
    if (file.status == TextFileContent::Unreadable)
        failure = file.errorString.isEmpty() ? QStringLiteral("read error") : file.errorString;
    else if (undecodable(file))
        failure = QStringLiteral("neither UTF-8 nor Shift_JIS");
    // Bytes that are not text spoil only their own line: the rest of the
    // diary is shown, and the file itself is kept aside before it is rewritten.
    reading = readDiaryLines(file.status == TextFileContent::Ok ? file.lines : QStringList(), today);
    if (!failure.isEmpty())
        qCWarning(lcFiles) << "cannot read" << path << failure;
    qCDebug(lcFiles) << "read" << path << reading.entries.size() << "entries," << reading.skipped
                     << "empty lines," << reading.undated << "not dated";
    return failure;
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
    const QString failure = readDiary(diaryPath(), diaryDateText(services.clock.today()), reading);
    m_diaryUnreadable = !failure.isEmpty();

    // One resize, not one a row: the list may hold a hundred years of days.
    grdDay->setRows(int(reading.entries.size()));
    for (int i = 0; i < int(reading.entries.size()); ++i) {
        grdDay->setTextMatrix(i, 0, reading.entries.at(i).date);
        grdDay->setTextMatrix(i, 1, reading.entries.at(i).text);
    }
    grdDay->setRedraw(true);

    if (!m_diaryUnreadable)
        m_diaryReadFailureTold = false;
    else if (!m_diaryReadFailureTold)
        tellDiaryUnreadable(failure);
}

void frmTalk::tellDiaryUnreadable(const QString &reason)
{
    m_diaryReadFailureTold = true;
    AskQuestion(QStringLiteral("日記ファイル day.txt を読めませんでした（%1）。"
                               "元のファイルは次の登録の前に %2 として残します。")
                    .arg(reason, freeAsideName(diaryPath())),
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
        AskQuestion(QStringLiteral("日記を登録できません（%1）。書いた文はそのまま残っています。")
                        .arg(reason),
                    48, QStringLiteral("日記の登録"));
        return false;
    };
    if (m_diaryUnreadable && !keepUnreadableDiaryAside(error))
        return tellNotSaved(error);
    QStringList lines;
    lines.reserve(grdDay->rows());
    for (int i = 0; i < grdDay->rows(); ++i) {
        state.WorkText = i == state.DiaryEditRow ? text : grdDay->textMatrix(i, 1);
        lines << diaryLine(grdDay->textMatrix(i, 0), state.WorkText);
    }
    // The file keeps the encoding it has now; a new one is UTF-8.
    const TextFileContent current = readTextLines(path);
    const TextEncoding encoding =
        current.status == TextFileContent::Ok ? current.encoding : TextEncoding::Utf8;
    const TextWriteResult written = writeTextLines(path, lines, encoding);
    return written.ok || tellNotSaved(written.errorString);
}

// The list was built without the entries of a file that could not be read;
// writing it would replace them all by today's row. The file goes to a free
// name next to it first, where it can be recovered.
bool frmTalk::keepUnreadableDiaryAside(QString &error)
{
    const QString path = diaryPath();
    if (QFile::exists(path)) {
        const QString kept = QFileInfo(path).dir().filePath(freeAsideName(path));
        QFile file(path);
        if (!file.rename(kept)) {
            error = file.errorString();
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
