#pragma once
// Numbers read as Japanese numbers: 10 じゅう, 105 ひゃくご, 2026 にせんにじゅうろく.
#include <QString>
#include <QStringView>

namespace pelumo {

// The reading of a run of ASCII digits. A number with a leading zero (a
// telephone number, "007") or too long to name is read digit by digit.
QString numberReading(QStringView digits);

// Digit by digit: 090 ゼロきゅうゼロ.
QString digitsReading(QStringView digits);

// A number written in kanji as digits: 二十 "20", 三千五百 "3500", 二〇二六
// "2026"; empty when text is not such a number.
QString kanjiNumeralDigits(QStringView text);

// The length of the number that begins at text[pos]: digits, with commas
// between groups of three ("1,000") and one decimal point ("3.5"); 0 when no
// digit stands there.
qsizetype numberLengthAt(QStringView text, qsizetype pos);

// The reading of such a number: grouping commas are not said, the decimal
// point is "てん" and the digits after it are read one by one.
QString numberTextReading(QStringView number);

} // namespace pelumo
