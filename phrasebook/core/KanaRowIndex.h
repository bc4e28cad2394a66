#pragma once
// The kana-row labels of the phrase list ("あ行", "か行", … "パ行"): where a run
// of phrases beginning in one row of the kana table starts.
#include <QString>
#include <QStringList>

namespace pelumo {

// The label for a first character, or an empty text when it lies in no row
// (kanji, Latin letters, digits, symbols, "ー", small ぁ ゃ ゎ and the like).
QString kanaRowLabel(QChar first);

// Column 0 of the list for texts already in list order: a label only on the
// first row of each run; a text outside every row continues the run above it.
QStringList kanaRowLabels(const QStringList &texts);

} // namespace pelumo
