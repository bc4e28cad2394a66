#pragma once
// Which saved phrases are offered while the user types: the key taken from the
// message, and a sorted index over the phrase list that answers a key at once
// even with the largest phrase book.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pelumo {

// The key for a message whose caret (selection start) is at caret, after an
// entry: the matchLength characters typed just before the end marker, fewer
// when the message is shorter. Nothing when the caret is not at the end:
// an entry in the middle of the message offers nothing.
std::optional<QString> candidateKey(const QString &message, int caret, int matchLength);

// Whether a phrase is offered for a key: its first key-length characters equal
// the key with its blanks trimmed, exactly (case and kana sensitive). A key with
// blanks around it therefore matches only the phrase equal to its trimmed text.
bool phraseMatchesKey(const QString &phrase, const QString &key);

// Phrases that are never offered: the diary's placeholder, and empty ones.
bool isOfferablePhrase(const QString &phrase);

// The offered phrases for a key, in the order of the list. The index keeps a
// shared copy of the list it was built from, so a caller can tell at once
// whether it still describes the current list.
class PhraseCandidateIndex {
public:
    void rebuild(const QStringList &phrases);
    // The same for texts already in stable text order (the offerable ones
    // among them are kept as they come), offered in the order of order: the
    // phrase's place in the list for each text, -1 for one never offered.
    void rebuildSorted(const QStringList &texts, const QList<int> &order);
    bool isBuiltFrom(const QStringList &phrases) const { return m_texts.isSharedWith(phrases); }
    QStringList lookup(const QString &key) const;

private:
    QStringList m_texts;
    QList<int> m_order;    // each text's place in the list; empty when the texts are the list
    QList<int> m_sorted;   // indexes of offerable texts, by text
};

} // namespace pelumo
