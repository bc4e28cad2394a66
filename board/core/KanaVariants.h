#pragma once
// The other forms of a character offered on the selection board: small kana
// and lower-case letters, voiced and semi-voiced kana.
#include <QString>

namespace pelumo {

// The outer cells of one row of the selection board. The small or lower-case
// form goes to column 2; a voiced form then goes to column 2 as well, and a
// semi-voiced (or, for つ and ツ, the small) form to column 0. A character
// without forms leaves both cells as they are.
struct VariantCells {
    QString col0;
    QString col2;
};
void fillKanaVariants(const QString &ch, VariantCells &cells);

// How many characters each table holds: 44 small forms, 40 voiced ones.
int smallFormCount();
int voicedFormCount();

} // namespace pelumo
