#pragma once
// The three letter boards as data: which entry stands in which cell.
#include <QString>
#include <QStringList>
#include <QList>

namespace pelumo {

enum class BoardKind { Hiragana, Katakana, Alphanumeric };

inline constexpr int kBoardRows = 5;

// The caption of the board-kind button names the board shown; a caption that
// is none of the three words counts as the alphanumeric board.
QString boardCaption(BoardKind kind);
BoardKind boardKindOfCaption(const QString &caption);   // caption is trimmed
BoardKind nextBoardKind(BoardKind kind);  // hiragana → katakana → alphanumeric → hiragana

// The board's cells, rows 0-4, columns 0 to lastColumn; cells without an
// entry are empty. Kana columns are placed from the right edge, so a value of
// lastColumn from 10 to 13 leaves the leftmost columns empty; the voiced
// columns appear only when lastColumn is exactly 14.
QList<QStringList> boardCells(BoardKind kind, int lastColumn);

// Column width of the letter board in twips.
int boardColumnWidth(int lastColumn);

// A press confirms the first of a two-press sequence when it repeats the
// remembered entry. Nothing remembered (the start value) confirms nothing, so
// an empty cell can never complete a sequence.
inline bool confirmsFirstPress(const QString &pressed, const QString &remembered)
{
    return !remembered.isEmpty() && pressed == remembered;
}

} // namespace pelumo
