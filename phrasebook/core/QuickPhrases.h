#pragma once
// The quick phrases: up to kMaxQuickPhrases phrases of the phrase list that a
// carer marked, which one touch speaks. They are kept in the order they were
// marked, in quick.txt beside Talk.txt (whose format stays as it is); every
// change writes the file whole, atomically, and a change the file did not
// take is undone.
//
// A carer may write quick.txt by hand, longer than the panel shows: the
// phrases are its first kMaxQuickPhrases different ones, and the lines after
// them are written back untouched at every change, never cut off. So a
// phrase unmarked makes room for the next one in the file, as a new reading
// of the file would show it.
#include "phrasebook/core/LineFileSave.h"
#include "phrasebook/core/MessageListFile.h"
#include <QString>
#include <QStringList>

namespace pelumo {

inline constexpr int kMaxQuickPhrases = 8;
inline const QString kQuickPhrasesFileName = QStringLiteral("quick.txt");

struct QuickToggle : SaveReport {
    enum Status {
        Marked,
        Unmarked,
        Full,                // a ninth: refused with the notice
        NotAPhrase,          // empty, blank or the diary's row; nothing changed
        AsideFailed,         // the old file could not be kept aside; nothing changed
        WriteFailed,         // nothing changed
    };
    Status status = WriteFailed;
    bool ok() const { return status == Marked || status == Unmarked; }
};

class QuickPhrases {
public:
    QuickPhrases();

    // Reads the file at path, forgetting the phrases held before. A file that
    // cannot be read leaves none and is moved aside before the first save.
    MessageListLoad load(const QString &path);

    const QStringList &phrases() const { return m_phrases; }   // in the order marked
    bool contains(const QString &phrase) const { return m_phrases.contains(phrase); }
    bool isFull() const { return m_phrases.size() >= kMaxQuickPhrases; }

    // Unmarks a marked phrase (the next one in the file, if any, comes up),
    // else marks it last. The phrase is compared and kept exactly as given.
    QuickToggle toggle(const QString &phrase);

private:
    QStringList m_phrases;
    MessageListFile m_file;
};

// What a ninth phrase is told.
QString quickPhrasesFullNotice();

} // namespace pelumo
