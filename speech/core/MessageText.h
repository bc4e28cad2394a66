#pragma once
// The characters of a message as its reading takes them: which are said as
// they stand, which are pauses, and which join or lengthen their neighbours.
#include <QChar>
#include <QString>

namespace pelumo {

// Full-width letters and digits become ASCII, half-width kana full-width;
// emoticons become their words; the end marker, blanks and brackets become
// a blank, read as a pause.
QString prepareMessage(const QString &message);

// 。、？！ as they stand, and . , ? ! as those: marks espeak-ng turns into a
// pause or a rising tone. Empty for any other character.
QString clauseMark(QChar c);

// What espeak-ng is given: kana, the clause marks and blanks.
bool isSpeakable(QChar c);
bool allSpeakable(const QString &s);

// A hyphen between two letters or digits joins them: Wi-Fi, 090-1234-5678.
bool isJoiningHyphen(const QString &chunk, qsizetype i);

// What the wave dash at chunk[i] stands for: ー after kana (ね〜), から
// between numbers (3〜5); empty elsewhere, or for any other character.
QString waveDashReading(const QString &chunk, qsizetype i);

// é is said as e: the letter without its accent.
QChar baseLetter(QChar c);

} // namespace pelumo
