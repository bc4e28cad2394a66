#pragma once
// The scan order of every screen, built from plain facts about what the
// screen shows. access/README.md gives each order and why it is so.
#include "access/core/ScanTargets.h"
#include <QList>
#include <QStringList>
#include <utility>
#include <vector>

namespace pelumo {

// The letter board as shown, with the facts that decide its command keys.
struct LetterBoardFacts {
    QList<QStringList> cells;                  // rows × columns, empty where no entry
    bool kana = true;                          // false: the alphanumeric board
    QString kindCaption = QStringLiteral("ひら");  // the board-kind button's caption
    bool diaryOpen = false;                    // revising a diary entry: no 例文追加
    bool wide = false;                         // the wide layout covers the board, shows コピ and 貼る
    // Prediction: the word buttons shown (cmdWord0, cmdWord1, ...), scanned
    // first as 単語, and the board cells of the likely next kana, most likely
    // first, scanned next as 予測; each left out when empty.
    QStringList words;
    std::vector<std::pair<int, int>> predictedCells;   // (row, column)
};
ScanTable letterBoardOrder(const LetterBoardFacts &facts);

// How the selection screen offers its cells.
enum class SelectionOrder {
    ChosenFirst,    // the chosen kana, its forms, スペース, its row's neighbours, the rows above and below
    SpaceAfterRows, // the chosen kana, its forms and neighbours, the rows above and below, スペース
    Rows,           // the chosen kana, then the three rows top to bottom as groups, then スペース
};

struct SelectionFacts {
    QList<QStringList> cells;          // the 3 × 3 cells; (1, 1) is the kana just chosen
    bool spaceJustEntered = false;     // the screen stayed open after スペース
    // Which outer cells of the chosen kana's row hold its own forms (small,
    // voiced, semi-voiced) rather than the neighbouring kana of the board.
    bool formLeft = false;
    bool formRight = false;
    SelectionOrder order = SelectionOrder::ChosenFirst;
};
ScanTable selectionOrder(const SelectionFacts &facts);

// The phrase key below the phrase-mode button: 例文追加 (cmdSampADD) where
// a message can be added, 例文削除 (cmdSampDel) on the phrase list.
enum class PhraseKey { None, Add, Delete };

// The keys that stand beside a list or an open diary entry as on the board.
struct CommandFacts {
    QString modeCaption;                          // the phrase-mode button (例文終了, 日記終了, ...)
    PhraseKey phraseKey = PhraseKey::None;
    QString kindCaption = QStringLiteral("ひら");  // the board-kind button's caption
    bool wide = false;                            // the wide layout shows コピ and 貼る
};

// The candidates, the phrase list, the diary list and the history: the list
// keys, the phrase-mode button and the phrase key, then 読む, the board
// kind and 広げる as on the board.
ScanTable listOrder(const CommandFacts &facts);

// An open diary entry: 修正する, 戻る and the phrase-mode button, then the
// same keys as the lists.
ScanTable diaryEntryOrder(const CommandFacts &facts);

// An item's name as auditory scanning says it: the column and row groups in
// kana ("あ行" → "あぎょう", "Qの段" → "Qのだん"), which a reader of words
// would take for another word; every other name as it is.
QString spokenName(const QString &name);

// The question dialog; an empty negative caption is a notice with one button.
ScanTable questionOrder(const QString &affirmative, const QString &negative);

} // namespace pelumo
