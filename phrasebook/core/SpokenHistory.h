#pragma once
// The spoken history: the last messages spoken with 読む, newest first, each
// kept as it was spoken, character for character, in history.txt beside
// Talk.txt. A message spoken again moves to the top instead of standing
// twice, so the list holds up to kMaxHistory different messages; the oldest
// falls off. Every addition writes the file whole, atomically.
//
// The history is bounded by design, so a file of more messages than the
// limit (one written by hand) is not kept growing: it is told at reading,
// and copied aside byte for byte as history-kept-N.txt before the first
// write leaves the extra messages out.
#include "phrasebook/core/LineFileSave.h"
#include "phrasebook/core/MessageListFile.h"
#include <QString>
#include <QStringList>

namespace pelumo {

inline constexpr int kMaxHistory = 100;
inline const QString kHistoryFileName = QStringLiteral("history.txt");

struct HistoryAdd : SaveReport {
    enum Status {
        Saved,
        NothingToAdd,        // an empty or blank message; nothing changed
        AsideFailed,         // the old file could not be kept aside; not written
        WriteFailed,
    };
    Status status = WriteFailed;
    // A notice to show now: a failure not yet told (told once until a save
    // succeeds again, not at every 読む), or the file's change of encoding.
    bool tell = false;
    bool ok() const { return status == Saved; }
};

class SpokenHistory {
public:
    SpokenHistory();

    // Reads the file at path, forgetting the history held before. A file that
    // cannot be read leaves the history empty and is moved aside before the
    // first save; a file of more lines keeps its first kMaxHistory messages.
    MessageListLoad load(const QString &path);

    const QStringList &entries() const { return m_entries; }   // newest first

    // The message goes to the top even when the file cannot be written: the
    // history of this run keeps it.
    HistoryAdd add(const QString &message);

private:
    QStringList m_entries;
    MessageListFile m_file;
    bool m_failureTold = false;
};

} // namespace pelumo
