#pragma once
// The diary on screen: its list of days, opened from the phrase list's
// "日記" row, one day's entry shown for revision, and its registration when
// the diary ends. The entries are the DiaryBook model's; the grid shows them.
#include "phrasebook/FileQuestions.h"
#include "phrasebook/core/DiaryBook.h"
#include "platform/Clock.h"
#include "platform/core/Screen.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include <QObject>

namespace pelumo {

struct DiaryControls {
    FlexGrid *grdBoard;   // the list takes its place
    FlexGrid *grdDay;
};

class DiaryCommands : public QObject {
    Q_OBJECT
public:
    DiaryCommands(const DiaryControls &controls, const ScreenState &screen, int &DiaryEditRow,
                  ScaledLayout &layout, FileQuestions &questions, Clock &clock,
                  QObject *parent = nullptr);

    void setPath(const QString &path) { m_book.setPath(path); }
    DiaryBook &book() { return m_book; }

    void LoadDiaryList();            // read, sorted newest first, row 0 highlighted
    void openEntry(int row);         // 決定 on a day
    void cmdRevise_Click();
    void cmdBack_Click();
    // 日記終了: an open entry is registered first, when the user says so.
    // The message is the entry as revised.
    void EndDiary(const QString &message);
    // Registers the open entry with this text; false, after telling the
    // user, when the file was not written.
    bool SaveDiary(const QString &text);

signals:
    void screenWanted(Screen screen);
    void rowHighlighted(Screen list, int row);
    void entryOpened(const QString &entry);   // into the message, wide and light green
    void revisionStarted();                    // the board over the entry, narrow
    void entryClosed();                        // the message back to the narrow layout
    void diaryEnded();                         // the board, the diary closed

private:

    DiaryControls c;
    const ScreenState &m_screen;
    int &m_editRow;
    ScaledLayout &m_layout;
    FileQuestions &m_questions;
    Clock &m_clock;
    DiaryBook m_book;
};

} // namespace pelumo
