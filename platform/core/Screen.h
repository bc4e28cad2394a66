#pragma once
// Which screen the main window shows. Every command asks this, never a
// caption or whether a control is visible.
namespace pelumo {

enum class Screen {
    Board,        // the letter board and the editing keys
    Selection,    // the enlarged selection screen over the board
    Candidates,   // phrases offered while typing, with the list keys
    PhraseList,   // the phrase book, with the list keys
    DiaryList,    // the diary's days, with the list keys
    DiaryEntry,   // one day's entry in the wide message, with 修正する and 戻る
    History,      // the messages read before, newest first, with the list keys
    Conversion,   // 変換: a segment's kanji in the candidates' list, with the list keys
};

struct ScreenState {
    Screen shown = Screen::Board;
    // The diary is open, from its list until 日記終了: the board shown then
    // revises the entry, and the phrase button ends the diary.
    bool diaryOpen = false;
};

} // namespace pelumo
