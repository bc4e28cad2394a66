// The diary: one entry a day, kept in day.txt, opened from the phrase list,
// read on a light green message, revised on the board and registered when the
// diary ends.
#include "phrasebook/DiaryCommands.h"
#include "platform/Logging.h"
#include "platform/core/MessageRules.h"

namespace pelumo {
namespace {
constexpr int kDateColumnTwips = 4500;
const QString kTitle = fileTitle(LineFileKind::Diary);
}

DiaryCommands::DiaryCommands(const DiaryControls &controls, const ScreenState &screen,
                             int &DiaryEditRow, ScaledLayout &layout, FileQuestions &questions,
                             Clock &clock, QObject *parent)
    : QObject(parent), c(controls), m_screen(screen), m_editRow(DiaryEditRow), m_layout(layout),
      m_questions(questions), m_clock(clock)
{
}

void DiaryCommands::LoadDiaryList()
{
    FlexGrid *g = c.grdDay;
    g->setRedraw(false);
    g->setRows(0);
    g->setCols(2);
    m_layout.setGeometry(g, m_layout.geometry(c.grdBoard));
    g->setColWidth(0, kDateColumnTwips);
    g->setColWidth(1, m_layout.geometry(g).width() - kDateColumnTwips);

    const DiaryLoad read = m_book.load(m_clock.today());
    if (!read.errorDetail.isEmpty())
        qCWarning(lcFiles) << "cannot read" << m_book.path() << read.errorDetail;
    // One resize, not one a row: the list may hold a hundred years of days.
    const QVector<DiaryEntry> &entries = m_book.entries();
    g->setRows(int(entries.size()));
    for (int i = 0; i < int(entries.size()); ++i) {
        g->setTextMatrix(i, 0, entries.at(i).date);
        g->setTextMatrix(i, 1, entries.at(i).text);
    }
    emit rowHighlighted(Screen::DiaryList, 0);
    g->setTopRow(0);
    g->setRedraw(true);
    emit screenWanted(Screen::DiaryList);
    if (read.tell)
        m_questions.notice(read.notice, kTitle);
}

void DiaryCommands::openEntry(int row)
{
    if (row < 0 || row >= m_book.entries().size())
        return;
    m_editRow = row;
    emit entryOpened(trimBlanks(m_book.entries().at(row).text));
    emit screenWanted(Screen::DiaryEntry);
}

void DiaryCommands::cmdRevise_Click()
{
    emit screenWanted(Screen::Board);
    emit revisionStarted();
}

void DiaryCommands::cmdBack_Click()
{
    LoadDiaryList();
    emit entryClosed();
}

void DiaryCommands::EndDiary(const QString &message)
{
    if (m_screen.shown != Screen::DiaryList) {   // an entry is open
        // A failed registration keeps the diary open on the board, the entry
        // in the message, so the user can try again or end with ＮＯ.
        const bool save = m_questions.ask(QStringLiteral("日記を登録して終了します"), 36,
                                          QStringLiteral("日記の終了"));
        if (save && !SaveDiary(message)) {
            emit screenWanted(Screen::Board);
            return;
        }
    }
    emit diaryEnded();
}

bool DiaryCommands::SaveDiary(const QString &text)
{
    const std::optional<DiarySave> saved = m_questions.write<DiarySave>(
        LineFileKind::Diary,
        [this, &text](WriteMode mode) { return m_book.saveEntry(m_editRow, text, mode); });
    if (!saved)
        return false;   // the user kept the file's format: the entry stays in the message
    if (saved->ok())
        return true;
    qCWarning(lcFiles) << "cannot write" << m_book.path() << saved->errorDetail;
    m_questions.ask(saved->notice, 48, QStringLiteral("日記の登録"));
    return false;
}

} // namespace pelumo
