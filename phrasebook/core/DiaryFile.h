#pragma once
// The lines of the diary file, day.txt: one entry a day, each line a double
// quote, the date "YY.MM.DD", one space, the entry text and a double quote.
//
// The two-digit year is the file's own format and older installations read
// it, so it stays: entries sort by the date text alone, which puts 99.12.31
// before 04.01.01. A date that is not a date is kept and written back as it
// stands; only lines that hold nothing at all are dropped.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pelumo {

inline const QString kDiaryFileName = QStringLiteral("day.txt");

struct DiaryEntry {
    QString date;   // "YY.MM.DD", or whatever the file held in its place
    QString text;
    bool operator==(const DiaryEntry &) const = default;
};

struct DiaryReading {
    QVector<DiaryEntry> entries;   // in file order, today's row first when added
    int skipped = 0;               // lines with nothing in them
    int undated = 0;               // entries kept whose date is not a date
};

// Today as the file writes it.
QString diaryDateText(const QDate &date);

// False for a line with nothing but blanks and double quotes.
bool parseDiaryLine(const QString &line, DiaryEntry &entry);

// Every entry of the file, with a row for today put first unless an entry is
// dated today. An empty file still gives that row: the list always
// has a row 0 to highlight and to write today's entry into.
DiaryReading readDiaryLines(const QStringList &lines, const QString &today);

// One line of the file, without its line end. The format has no escaping, so
// a line break inside the text is written as one space.
QString diaryLine(const QString &date, const QString &text);

} // namespace pelumo
