#pragma once
// The diary as the program holds it: the entries of day.txt in list order,
// newest first, with a row for today, and the saving of one entry's text.
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/LineFileSave.h"
#include <QDate>
#include <QString>
#include <QVector>

namespace pelumo {

struct DiaryLoad {
    QString notice;          // what is wrong with the file; empty when nothing is
    bool tell = false;       // a new problem: show the notice now (told once until a read succeeds)
    bool unreadable = false; // the file was not read: it is kept aside before the first save
    QString errorDetail;     // the system's words, for the log
    int skipped = 0, undated = 0, damaged = 0;   // lines, for the log
};

struct DiarySave : SaveReport {
    enum Status {
        Saved,
        NoSuchEntry,          // no entry in that row; nothing written
        // A save's failures, as PhraseBookEdit tells them.
        NeedsOtherEncoding, RenameAsideFailed, AsideFailed, WriteFailed,
    };
    Status status = WriteFailed;
    bool ok() const { return status == Saved; }
};

class DiaryBook {
public:
    DiaryBook() = default;
    explicit DiaryBook(const QString &path) : m_path(path) {}
    // A new file: everything known of the old one is forgotten.
    void setPath(const QString &path) { *this = DiaryBook(path); }
    const QString &path() const { return m_path; }

    // Reads the file: every entry and a row for today, newest first by the
    // date text (entries of one date keep their order).
    DiaryLoad load(const QDate &today);

    // Writes every entry in list order, row's with text; the lines left alone
    // keep their bytes. On success the entry is what the file now reads.
    DiarySave saveEntry(int row, const QString &text, WriteMode mode = WriteMode::KeepFormat);

    const QVector<DiaryEntry> &entries() const { return m_entries; }
    DiaryEntry entry(int row) const { return m_entries.value(row); }   // empty outside the list
    int size() const { return int(m_entries.size()); }
    bool isUnreadable() const { return m_unreadable; }

private:
    QString m_path;
    QVector<DiaryEntry> m_entries;
    bool m_unreadable = false;   // the entries lack those of a file that was not read
    bool m_problemTold = false;
};

} // namespace pelumo
