// Which controls each screen shows. The screen is state (ProgramState's
// screen); the controls follow it, and nothing reads it back from them.
#include "app/frmTalk.h"

namespace pelumo {
namespace {

const QString kShowPhrases = QStringLiteral("例文表示");
const QString kEndPhrases = QStringLiteral("例文終了");
const QString kEndDiary = QStringLiteral("日記終了");
const QString kEndHistory = QStringLiteral("履歴終了");

enum Shown : unsigned {
    BoardGrid = 1 << 0,
    CandidateList = 1 << 1,
    PhraseList = 1 << 2,
    DiaryList = 1 << 3,
    EditingPanel = 1 << 4,     // fraRes
    ListPanel = 1 << 5,        // fraTalk
    SelectionScreen = 1 << 6, // fraSet, over the board
    DiaryPanel = 1 << 7,       // fraDay; while the diary is open it also lies under the board
    HistoryList = 1 << 8,
};

struct ScreenRow {
    Screen screen;
    unsigned shown;
};

constexpr ScreenRow kScreens[] = {
    {Screen::Board, BoardGrid | EditingPanel},
    {Screen::Selection, BoardGrid | EditingPanel | SelectionScreen},
    {Screen::Candidates, CandidateList | ListPanel},
    {Screen::PhraseList, PhraseList | ListPanel},
    {Screen::DiaryList, DiaryList | ListPanel},
    {Screen::DiaryEntry, DiaryPanel},
    {Screen::History, HistoryList | ListPanel},
    {Screen::Conversion, CandidateList | ListPanel},
};

unsigned shownOn(const ScreenState &s)
{
    unsigned shown = 0;
    for (const ScreenRow &row : kScreens)
        if (row.screen == s.shown)
            shown = row.shown;
    const bool underBoard = s.shown == Screen::Board || s.shown == Screen::Selection
                            || s.shown == Screen::Candidates || s.shown == Screen::Conversion;
    if (s.diaryOpen && underBoard)
        shown |= DiaryPanel;
    return shown;
}

QString phraseCaption(const ScreenState &s)
{
    if (s.diaryOpen)
        return kEndDiary;
    if (s.shown == Screen::History)
        return kEndHistory;
    return s.shown == Screen::PhraseList ? kEndPhrases : kShowPhrases;
}

// 例文追加 wherever a message can be added, 例文削除 on the phrase list,
// neither in the diary or the history.
PhraseKey phraseKeyOn(const ScreenState &s)
{
    if (s.diaryOpen || s.shown == Screen::History)
        return PhraseKey::None;
    return s.shown == Screen::PhraseList ? PhraseKey::Delete : PhraseKey::Add;
}

} // namespace

QString frmTalk::phraseButtonCaption() const
{
    return phraseCaption(state.screen);
}

PhraseKey frmTalk::phraseKeyShown() const
{
    return phraseKeyOn(state.screen);
}

void frmTalk::showScreen(Screen screen)
{
    ScreenState &s = state.screen;
    s.shown = screen;
    if (screen == Screen::PhraseList)
        s.diaryOpen = false;
    if (screen == Screen::DiaryList || screen == Screen::DiaryEntry)
        s.diaryOpen = true;

    const unsigned shown = shownOn(s);
    const std::pair<QWidget *, Shown> controls[] = {
        {grdBoard, BoardGrid}, {grdSp, CandidateList}, {grdEx, PhraseList}, {grdDay, DiaryList},
        {fraRes, EditingPanel}, {fraTalk, ListPanel}, {fraDay, DiaryPanel}, {fraSet, SelectionScreen},
        {grdHis, HistoryList},
    };
    for (const auto &[control, flag] : controls)
        control->setVisible(shown & flag);
    if (shown & SelectionScreen) {
        fraSet->raise();
        // The frame reaches past the board, under the side panel's first
        // column: the panel's buttons stay whole and touchable above it.
        if (m_panelShown)
            panel->raise();
    }

    cmdSamp->setCaption(phraseCaption(s));
    cmdSampADD->setVisible(phraseKeyOn(s) == PhraseKey::Add);
    cmdSampDel->setVisible(phraseKeyOn(s) == PhraseKey::Delete);
    panel->showQuickMark(s.shown == Screen::PhraseList);
    applyConversion();
    applyPrediction();
    scanning->refreshSoon();
}

} // namespace pelumo
