#include "board/core/BoardTables.h"

namespace pelumo {
namespace {

// Kana rows, one string of five entries a board column, vowels top to bottom,
// listed from the right edge of the board (あ-row first).
const char16_t *const kHiraganaColumns[] = {
    u"あいうえお", u"かきくけこ", u"さしすせそ", u"たちつてと", u"なにぬねの",
    u"はひふへほ", u"まみむめも", u"やゆよー？", u"らりるれろ", u"わをん。、",
};
const char16_t *const kKatakanaColumns[] = {
    u"アイウエオ", u"カキクケコ", u"サシスセソ", u"タチツテト", u"ナニヌネノ",
    u"ハヒフヘホ", u"マミムメモ", u"ヤユヨー？", u"ラリルレロ", u"ワヲン。、",
};
// The voiced rows of the 15-column board, for columns 4 down to 0.
const char16_t *const kHiraganaVoiced[] = {
    u"がぎぐげご", u"ざじずぜぞ", u"だぢづでど", u"ばびぶべぼ", u"ぱぴぷぺぽ",
};
const char16_t *const kKatakanaVoiced[] = {
    u"ガギグゲゴ", u"ザジズゼゾ", u"ダヂヅデド", u"バビブベボ", u"パピプペポ",
};
// The alphanumeric board, rows 0-4, entries separated by blanks.
const char16_t *const kAlphanumericRows[] = {
    u"1 2 3 4 5 6 7 8 9 0",
    u"Q W E R T Y U I O P",
    u"A S D F G H J K L ;",
    u"/ Z X C V B N M , .",
    u": % + - ? @ 。 ! (^_^) (T_T)",
};

QList<QStringList> emptyBoard(int lastColumn)
{
    return QList<QStringList>(kBoardRows, QStringList(lastColumn + 1));
}

void putColumn(QList<QStringList> &cells, int col, const char16_t *entries)
{
    if (col < 0 || col >= cells[0].size())
        return;
    const QString column = QString::fromUtf16(entries);
    for (int r = 0; r < kBoardRows; ++r)
        cells[r][col] = column.at(r);
}

QList<QStringList> kanaBoard(const char16_t *const *plain, const char16_t *const *voiced,
                             int lastColumn)
{
    QList<QStringList> cells = emptyBoard(lastColumn);
    for (int k = 0; k < 10; ++k)
        putColumn(cells, lastColumn - k, plain[k]);
    if (lastColumn == 14) {
        for (int i = 0; i < 5; ++i)
            putColumn(cells, 4 - i, voiced[i]);
    }
    return cells;
}

QList<QStringList> alphanumericBoard(int lastColumn)
{
    QList<QStringList> cells = emptyBoard(lastColumn);
    for (int r = 0; r < kBoardRows; ++r) {
        const QStringList entries = QString::fromUtf16(kAlphanumericRows[r]).split(u' ');
        for (int c = 0; c < entries.size() && c <= lastColumn; ++c)
            cells[r][c] = entries.at(c);
    }
    return cells;
}

} // namespace

QString boardCaption(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Hiragana: return QStringLiteral("ひら");
    case BoardKind::Katakana: return QStringLiteral("カタ");
    case BoardKind::Alphanumeric: break;
    }
    return QStringLiteral("英数");
}

BoardKind boardKindOfCaption(const QString &caption)
{
    const QString t = caption.trimmed();
    if (t == boardCaption(BoardKind::Hiragana))
        return BoardKind::Hiragana;
    if (t == boardCaption(BoardKind::Katakana))
        return BoardKind::Katakana;
    return BoardKind::Alphanumeric;
}

BoardKind nextBoardKind(BoardKind kind)
{
    switch (kind) {
    case BoardKind::Hiragana: return BoardKind::Katakana;
    case BoardKind::Katakana: return BoardKind::Alphanumeric;
    case BoardKind::Alphanumeric: break;
    }
    return BoardKind::Hiragana;
}

QList<QStringList> boardCells(BoardKind kind, int lastColumn)
{
    switch (kind) {
    case BoardKind::Hiragana: return kanaBoard(kHiraganaColumns, kHiraganaVoiced, lastColumn);
    case BoardKind::Katakana: return kanaBoard(kKatakanaColumns, kKatakanaVoiced, lastColumn);
    case BoardKind::Alphanumeric: break;
    }
    return alphanumericBoard(lastColumn);
}

int boardColumnWidth(int lastColumn)
{
    return lastColumn == 14 ? 1013 : 1530;
}

} // namespace pelumo
