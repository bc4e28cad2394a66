// Reading the phrase book: the file into the phrases, the rows, the labels
// and the candidate index, in one pass and one sort.
#include "phrasebook/core/PhraseBook.h"
#include "phrasebook/core/FileNotices.h"
#include "phrasebook/core/KanaRowIndex.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/RegularFile.h"
#include <algorithm>
#include <numeric>

namespace pelumo {

namespace {

// Row 0 is the diary entry. Digits, Latin letters, 「ああ」 or 「あ、」 sort
// before the placeholder in code order; they follow it instead, and a file
// without the placeholder gets one, so no phrase is ever shown as "日記".
// A row's place in the file moves with it; the added row has none.
void placeDiaryRowFirst(QStringList &rows, QList<int> &places)
{
    const qsizetype anchor = rows.indexOf(kPlaceholderText);
    if (anchor > 0) {
        rows.move(anchor, 0);
        places.move(anchor, 0);
    } else if (anchor < 0) {
        rows.prepend(kPlaceholderText);
        places.prepend(-1);
    }
}

} // namespace

void PhraseBook::setPath(const QString &path)
{
    *this = PhraseBook(path);
}

// A file that was not read is moved aside before the next save, so that save
// never overwrites what the user could not see. The name is chosen once, so
// that the notice and the save agree on it.
QString PhraseBook::pendingAside()
{
    if (m_aside.isEmpty())
        m_aside = freeAsideName(m_path);
    return m_aside;
}

PhraseBookLoad PhraseBook::load()
{
    PhraseBookLoad result;
    // A file just as the book last read or wrote it is not read again: the
    // book already holds what a reading would give.
    const FileStamp stamp = fileStamp(m_path);
    if (stamp.exists && stamp == m_stamp && !m_problemTold)
        return result;
    m_stamp = FileStamp();
    TextFileContent content = readTextLines(m_path);
    result.errorDetail = content.errorString;
    ParsedPhrases parsed;
    keepFile(TextFileContent(), FileStamp());
    if (content.status == TextFileContent::Missing) {
        // A new phrase book starts with the diary's placeholder in it; with
        // no file there is nothing left unread to keep aside.
        m_aside.clear();
        parsed.phrases << kPlaceholderText;
        TextWriteResult written =
            writeTextLines(m_path, phraseFileLines({}).lines, TextEncoding::Utf8);
        if (written.status == TextWriteResult::Written) {
            keepFile(std::move(written.written), fileStamp(m_path));
        } else {
            result.notice = cannotCreateNotice(LineFileKind::PhraseBook);
            result.errorDetail = written.errorString;
        }
    } else if (content.status != TextFileContent::Ok) {
        parsed.phrases << kPlaceholderText;
        result.notice = readProblemNotice(LineFileKind::PhraseBook, *readProblem(content),
                                          pendingAside(), 0, content.size);
    } else {
        parsed = parsePhraseLines(content.lines);
        if (!parsed.complete()) {
            m_file.encoding = content.encoding;   // the new file keeps it
            result.notice = linesLeftOutNotice(parsed.tooLongLines + parsed.excessPhrases,
                                               pendingAside());
        } else {
            m_aside.clear();
            // Damaged lines are shown as best they read and keep their bytes.
            if (content.damagedLines > 0)
                result.notice = readProblemNotice(LineFileKind::PhraseBook, ReadProblem::Damaged,
                                                  QString(), content.damagedLines);
            if (content.damagedLines == 0)
                m_stamp = stamp;
            keepFile(std::move(content), stamp);
        }
    }
    setPhrases(std::move(parsed.phrases));
    // Told once, until a read finds nothing wrong.
    result.tell = !result.notice.isEmpty() && !m_problemTold;
    m_problemTold = !result.notice.isEmpty();
    return result;
}

void PhraseBook::setPhrases(QStringList phrases)
{
    // One stable sort of the phrases' indexes serves the list and the index.
    QList<int> byText(phrases.size());
    std::iota(byText.begin(), byText.end(), 0);
    const QString *text = phrases.constData();
    std::stable_sort(byText.begin(), byText.end(), [text](int a, int b) { return text[a] < text[b]; });
    QStringList rows;
    rows.reserve(phrases.size() + 1);
    for (int i : byText)
        rows << text[i];
    placeDiaryRowFirst(rows, byText);
    setLabels(rows);
    m_rows = std::move(rows);
    m_places = std::move(byText);
    m_index.rebuildSorted(m_rows, m_places);
}

QStringList PhraseBook::phrases() const
{
    QList<int> rowAt(m_rows.size(), -1);
    for (int row = 0; row < m_rows.size(); ++row)
        if (const int place = m_places.at(row); place >= 0)
            rowAt[place] = row;
    QStringList phrases;
    phrases.reserve(m_rows.size());
    for (int row : rowAt)
        if (row >= 0)
            phrases << m_rows.at(row);
    if (phrases.isEmpty())
        phrases << QString();
    return phrases;
}

void PhraseBook::setLabels(const QStringList &rows)
{
    const QStringList labels = kanaRowLabels(rows);
    m_labels.clear();
    for (int row = 0; row < labels.size(); ++row)
        if (!labels.at(row).isEmpty())
            m_labels.append({row, labels.at(row)});
    m_labels.squeeze();
}

QStringList PhraseBook::labels() const
{
    QStringList labels(m_rows.size());
    for (const RowLabel &at : m_labels)
        labels[at.row] = at.label;
    return labels;
}

// The texts are the phrases' to hold; of the file only what a save needs
// besides the bytes is kept, and the stamp of the file that has the bytes.
void PhraseBook::keepFile(TextFileContent file, const FileStamp &stamp)
{
    m_file = TextFileContent();
    m_file.encoding = file.encoding;
    m_file.damagedLines = file.damagedLines;
    m_fileStamp = stamp;
}

// For a save: the file as last read or written, read again from the disk,
// so that the lines left alone are written as their very bytes. A file
// changed or replaced since then has other bytes: its lines are all written
// anew, in the encoding it was read in.
TextFileContent PhraseBook::fileAsRead() const
{
    if (m_fileStamp.exists && fileStamp(m_path) == m_fileStamp) {
        TextFileContent disk = readTextLines(m_path);
        if (disk.status == TextFileContent::Ok && disk.encoding == m_file.encoding)
            return disk;
    }
    return m_file;
}

// Every row holds a phrase as read, trimmed, or nothing: a row's trimmed text
// is the row itself.
int PhraseBook::rowOf(const QString &phrase) const
{
    return int(m_rows.indexOf(phrase));
}

} // namespace pelumo
