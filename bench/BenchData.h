#pragma once
// Realistic data the benchmark makes itself: kana phrases of 5 to 40
// characters, a full phrase book and a diary of a hundred years.
#include <QString>
#include <QStringList>

namespace bench {

inline constexpr int kFullPhraseBook = 32767;
inline constexpr int kFullDiary = 36500;

QStringList makePhrases(int count, unsigned seed = 1);
// Writes "Talk.txt" and "day.txt" into folder, in the program's own format
// (one quoted line each, CR LF, UTF-8). False when a file could not be written.
bool writePhraseBook(const QString &folder, const QStringList &phrases);
bool writeDiary(const QString &folder, int days);

} // namespace bench
