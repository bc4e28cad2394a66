// Reading the diary into its list and saving an entry. A file that cannot be
// read at all gives today's row alone, and is moved aside before the first
// save, which would otherwise replace every entry by that one row.
#include "phrasebook/core/DiaryBook.h"
#include "phrasebook/core/FileNotices.h"
#include <algorithm>

namespace pelumo {

DiaryLoad DiaryBook::load(const QDate &today)
{
    const TextFileContent file = readTextLines(m_path);
    const bool read = file.status == TextFileContent::Ok;
    DiaryReading reading = readDiaryLines(read ? file.lines : QStringList(), diaryDateText(today));
    // Newest first by the date text, as the list has always sorted it:
    // descending code order, entries of one date in file order.
    m_entries = std::move(reading.entries);
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const DiaryEntry &a, const DiaryEntry &b) { return b.date < a.date; });

    DiaryLoad result;
    result.errorDetail = file.errorString;
    result.skipped = reading.skipped;
    result.undated = reading.undated;
    result.damaged = file.damagedLines;
    const std::optional<ReadProblem> problem = readProblem(file);
    m_unreadable = problem && *problem != ReadProblem::Damaged;
    result.unreadable = m_unreadable;
    if (problem) {
        result.notice = readProblemNotice(LineFileKind::Diary, *problem, freeAsideName(m_path),
                                          file.damagedLines, file.size);
        result.tell = !m_problemTold;
    }
    m_problemTold = problem.has_value();
    return result;
}

DiarySave DiaryBook::saveEntry(int row, const QString &text, WriteMode mode)
{
    DiarySave saved;
    if (row < 0 || row >= size()) {
        saved.status = DiarySave::NoSuchEntry;
        saved.notice = writeFailedNotice(LineFileKind::Diary);
        saved.errorDetail = QStringLiteral("no diary entry in row %1").arg(row);
        return saved;
    }
    // The file as it is now: its encoding and the bytes of each line. One
    // that can no longer be read is kept aside like one that never could.
    TextFileContent current = readTextLines(m_path);
    if (current.status != TextFileContent::Ok && current.status != TextFileContent::Missing)
        m_unreadable = true;
    if (m_unreadable) {
        const AsideMove moved = moveAside(m_path, QString());
        if (!moved.ok()) {
            saved.status = DiarySave::RenameAsideFailed;
            saved.notice = writeFailedNotice(LineFileKind::Diary);
            saved.errorDetail = moved.errorString;
            return saved;
        }
        saved.keptAs = moved.name;
        m_unreadable = false;
        current = TextFileContent();
    }
    QStringList lines;
    lines.reserve(m_entries.size());
    for (int i = 0; i < size(); ++i)
        lines << diaryLine(m_entries.at(i).date, i == row ? text : m_entries.at(i).text);

    const LineFileSave save = saveLines(LineFileKind::Diary, m_path, lines, current, mode);
    reportSave(saved, save, DiarySave::Saved);
    // The entry as the file now reads it: line breaks made spaces, quotes
    // gone, blanks trimmed.
    if (saved.ok())
        parseDiaryLine(lines.at(row), m_entries[row]);
    return saved;
}

} // namespace pelumo
