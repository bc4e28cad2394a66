#pragma once
// The line format of the phrase book "Talk.txt": one phrase a line, in double
// quotes. Reading is forgiving (quotes anywhere are dropped, blanks trimmed, a
// line without quotes is read too); writing gives the one form the program
// itself writes, so a file it wrote comes back byte for byte.
//
// The placeholder line is the diary's anchor. It sorts ahead of nearly every
// phrase, the list shows it as the row "日記", and the rows "日記" and "メモ"
// are written back as the placeholder, so the diary entry survives every save.
#include <QString>
#include <QStringList>
#include <optional>

namespace pelumo {

inline const QString kPlaceholderText = QStringLiteral("ああああ日記ダミー消さないでね！");
inline const QString kDiaryRowText = QStringLiteral("日記");
inline const QString kMemoRowText = QStringLiteral("メモ");

// Older installations counted characters of a line and phrases in signed
// 16-bit numbers; a file beyond these would not load there. The placeholder
// line is not a phrase and does not count.
inline constexpr int kMaxLineLength = 32767;
inline constexpr int kMaxPhrases = 32767;

// The phrase a line holds, or nothing for a blank line.
std::optional<QString> parsePhraseLine(const QString &line);

// What a text becomes once written and read back: line breaks made single
// spaces, double quotes dropped, blanks trimmed. A new phrase is stored so, so
// that the duplicate check and the highlight find it as the list will show it.
QString phraseAsRead(const QString &text);

// A row that stands for the diary entry: "日記", "メモ" or the placeholder text
// itself, blanks around it ignored.
bool isPlaceholderRow(const QString &text);

struct ParsedPhrases {
    QStringList phrases;     // in file order
    int tooLongLines = 0;    // lines beyond kMaxLineLength, left out
    int excessPhrases = 0;   // phrases beyond kMaxPhrases, left out
    bool complete() const { return tooLongLines == 0 && excessPhrases == 0; }
};
ParsedPhrases parsePhraseLines(const QStringList &lines);

struct PhraseLines {
    enum Status { Ok, LineTooLong, TooManyPhrases };
    Status status = Ok;
    QStringList lines;   // empty unless status is Ok: nothing is written then
};
// The lines for the rows of the list, in row order: the placeholder line once,
// where the first row standing for it is (first when the file has none),
// every other non-blank row quoted as it stands, line breaks inside it made
// single spaces so it never comes back as several phrases.
PhraseLines phraseFileLines(const QStringList &rows);

} // namespace pelumo
