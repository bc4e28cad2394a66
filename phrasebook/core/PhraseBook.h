#pragma once
// The phrase book as the program holds it: the file Talk.txt, the rows of the
// list in sorted order, each with its place in the file (the candidates are
// offered in file order), the kana-row labels, and the candidate index. One
// load builds them all; an addition or a deletion writes the file and then
// brings them up to date in memory, without reading the file again.
//
// Row 0 always holds the placeholder text; the window shows "日記" there.
#include "phrasebook/core/LineFileSave.h"
#include "phrasebook/core/PhraseCandidates.h"
#include "platform/core/RegularFile.h"
#include "platform/core/TextFile.h"
#include <QString>
#include <QStringList>

namespace pelumo {

struct PhraseBookLoad {
    QString notice;        // what is wrong with the file; empty when nothing is
    bool tell = false;     // a new problem: show the notice now (told once until a read succeeds)
    QString errorDetail;   // the system's words, for the log
};

struct PhraseBookEdit : SaveReport {
    enum Status {
        Added,
        Emptied,
        Duplicate,            // the phrase is in the list already; nothing written
        NothingToAdd,         // the phrase is empty; nothing written
        NothingToDelete,      // the diary's row, an empty row or no row; nothing written
        NeedsOtherEncoding,   // notice is the question; call again with AsUtf8AfterCopyAside on ＯＫ
        TooManyPhrases,
        LineTooLong,
        RenameAsideFailed,    // the unread file could not be moved aside; nothing written
        AsideFailed,          // the copy before the format change could not be made
        WriteFailed,
    };
    Status status = WriteFailed;
    int row = -1;          // the row of the new phrase, or the row emptied
    bool ok() const { return status == Added || status == Emptied; }
};

class PhraseBook {
public:
    PhraseBook() = default;
    explicit PhraseBook(const QString &path) : m_path(path) {}
    // A new file: everything known of the old one is forgotten.
    void setPath(const QString &path);
    const QString &path() const { return m_path; }

    // Reads the file, creating it with the placeholder when it is missing.
    PhraseBookLoad load();

    QStringList phrases() const;                               // file order; one empty when none
    const QStringList &rows() const { return m_rows; }         // list order
    QStringList labels() const;                                // column 0 of the list
    QStringList lookup(const QString &key) const { return m_index.lookup(key); }

    int rowOf(const QString &phrase) const;
    bool contains(const QString &phrase) const { return rowOf(phrase) >= 0; }

    // phrase is stored as phraseAsRead gives it. On success the book equals
    // what a fresh load of the written file gives; row is the new phrase's.
    PhraseBookEdit add(const QString &phrase, WriteMode mode = WriteMode::KeepFormat);
    // The row stays in the list, empty and labelled, until the next load; the
    // phrase leaves the file, phrases() and the candidates.
    PhraseBookEdit emptyRow(int row, WriteMode mode = WriteMode::KeepFormat);

private:
    // A row that shows a kana row's label; the rows between show none.
    struct RowLabel {
        int row;
        QString label;
    };

    void setPhrases(QStringList phrases);
    void setLabels(const QStringList &rows);
    void keepFile(TextFileContent file, const FileStamp &stamp);
    TextFileContent fileAsRead() const;
    PhraseBookEdit write(const QStringList &rows, WriteMode mode, PhraseBookEdit::Status success);
    QString pendingAside();

    QString m_path;
    QStringList m_rows;
    QList<int> m_places;        // each row's place among the phrases in file order; -1 for none
    QList<RowLabel> m_labels;   // in row order
    PhraseCandidateIndex m_index;
    // The file as last read or written, without its bytes: the encoding and
    // the damaged lines. The bytes are on the disk while the file there has
    // m_fileStamp, and are read again for a save (fileAsRead).
    TextFileContent m_file;
    FileStamp m_fileStamp;
    QString m_aside;            // the name the unread file goes to before the next write
    bool m_problemTold = false;
    FileStamp m_stamp;          // the file as last read whole or written; not read again while it is so
};

} // namespace pelumo
