// Adding and deleting phrases: the file is written first, and only once it
// holds the change does the book in memory follow, exactly as a new reading
// of the file would give it.
#include "phrasebook/core/PhraseBook.h"
#include "phrasebook/core/FileNotices.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/MessageRules.h"
#include <algorithm>
#include <numeric>

namespace pelumo {

namespace {

const QString kDuplicateNotice = QStringLiteral("同一文が登録されています");

// The rows as the file will hold them: the placeholder first, then every
// phrase in list order; emptied rows and further reserved rows ("日記",
// "メモ") are not written and so not read back.
QStringList rowsAsWritten(const QStringList &rows)
{
    QStringList out;
    out.reserve(rows.size() + 1);
    out << kPlaceholderText;
    for (const QString &row : rows)
        if (!row.isEmpty() && !isPlaceholderRow(row))
            out << row;
    return out;
}

PhraseBookEdit refused(PhraseBookEdit::Status status, const QString &notice = QString(),
                       const QString &errorDetail = QString())
{
    PhraseBookEdit edit;
    edit.status = status;
    edit.notice = notice;
    edit.errorDetail = errorDetail;
    return edit;
}

} // namespace

PhraseBookEdit PhraseBook::add(const QString &text, WriteMode mode)
{
    // Never loaded: writing would replace a file no one has read.
    if (m_rows.isEmpty())
        return refused(PhraseBookEdit::WriteFailed, writeFailedNotice(LineFileKind::PhraseBook),
                       QStringLiteral("the phrase book was not read before the addition"));
    const QString phrase = phraseAsRead(text);
    // The list shows row 0 as "日記", and a reserved text would be written as
    // the placeholder: both are in the list already.
    if (contains(phrase) || isPlaceholderRow(phrase))
        return refused(PhraseBookEdit::Duplicate, kDuplicateNotice);
    if (phrase.isEmpty())
        return refused(PhraseBookEdit::NothingToAdd);
    QStringList rows = rowsAsWritten(m_rows);
    // Rows 1 on are sorted: the new phrase goes where the stable sort of a
    // new reading puts it, after its equals.
    const qsizetype row = std::upper_bound(rows.cbegin() + 1, rows.cend(), phrase) - rows.cbegin();
    rows.insert(row, phrase);
    PhraseBookEdit edit = write(rows, mode, PhraseBookEdit::Added);
    if (!edit.ok())
        return edit;
    edit.row = int(row);
    // A new reading would find nothing wrong unless damaged lines were kept.
    if (m_file.damagedLines == 0)
        m_problemTold = false;
    setLabels(rows);
    m_rows = std::move(rows);
    // The file now holds the phrases in list order.
    m_places.resize(m_rows.size());
    std::iota(m_places.begin(), m_places.end(), 0);
    m_index.rebuildSorted(m_rows, m_places);
    return edit;
}

PhraseBookEdit PhraseBook::emptyRow(int row, WriteMode mode)
{
    // The diary's row cannot be deleted, and an emptied row has nothing left.
    if (row < 0 || row >= m_rows.size() || isPlaceholderRow(m_rows.at(row))
        || trimBlanks(m_rows.at(row)).isEmpty())
        return refused(PhraseBookEdit::NothingToDelete);
    QStringList rows = m_rows;
    const QString phrase = rows.at(row);
    rows[row] = QString();
    PhraseBookEdit edit = write(rows, mode, PhraseBookEdit::Emptied);
    if (!edit.ok())
        return edit;
    edit.row = row;
    m_rows = std::move(rows);
    // A phrase the user has just deleted must not be offered again. Of equal
    // phrases it is the first in the file that goes; the emptied row's place
    // passes to the one that held it.
    int first = row;
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_places.at(r) >= 0 && m_places.at(r) < m_places.at(first) && m_rows.at(r) == phrase)
            first = r;
    std::swap(m_places[first], m_places[row]);
    m_places[row] = -1;
    m_index.rebuildSorted(m_rows, m_places);
    return edit;
}

PhraseBookEdit PhraseBook::write(const QStringList &rows, WriteMode mode,
                                 PhraseBookEdit::Status success)
{
    PhraseBookEdit edit;
    const PhraseLines lines = phraseFileLines(rows);
    if (lines.status == PhraseLines::TooManyPhrases)
        return refused(PhraseBookEdit::TooManyPhrases, tooManyPhrasesNotice());
    if (lines.status == PhraseLines::LineTooLong)
        return refused(PhraseBookEdit::LineTooLong, phraseTooLongNotice());
    const TextFileContent asRead = fileAsRead();
    if (!m_aside.isEmpty()) {
        // Asked before the unread file is moved: a キャンセル must leave it in place.
        if (mode == WriteMode::KeepFormat
            && encodeTextLines(lines.lines, asRead).status == EncodedLines::NeedsOtherEncoding)
            return refused(PhraseBookEdit::NeedsOtherEncoding,
                           formatChangeQuestion(LineFileKind::PhraseBook, m_file.encoding));
        const AsideMove moved = moveAside(m_path, m_aside);
        if (!moved.ok()) {
            m_aside = moved.name;
            return refused(PhraseBookEdit::RenameAsideFailed,
                           renameAsideFailedNotice(LineFileKind::PhraseBook, m_aside), moved.errorString);
        }
        edit.keptAs = moved.name;
        m_aside.clear();
    }
    LineFileSave save = saveLines(LineFileKind::PhraseBook, m_path, lines.lines, asRead, mode);
    reportSave(edit, save, success);
    if (save.status == LineFileSave::Written) {
        keepFile(std::move(save.written), fileStamp(m_path));
        // After an addition the book is what a reading of the file gives; an
        // emptied row stays in the list until the file is read again.
        m_stamp = success == PhraseBookEdit::Added ? fileStamp(m_path) : FileStamp();
    }
    return edit;
}

} // namespace pelumo
