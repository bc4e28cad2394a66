#pragma once
// The words of the user's own writing, as kana readings: how often each was
// used and when last. A word's weight grows with its uses and fades by half
// every kHalfLife without one. The list is bounded: past kMaxWords the
// lightest words go.
#include <QDateTime>
#include <QList>
#include <QString>
#include <vector>

namespace pelumo {

struct UserWord {
    QString reading;     // hiragana
    int uses = 0;
    qint64 lastUsed = 0; // seconds since the epoch
    bool operator==(const UserWord &) const = default;
};

// A reading worth offering: two kana or more, kana alone.
bool isLearnable(QStringView reading);

class UserWords {
public:
    static constexpr int kMaxWords = 3000;
    static constexpr qint64 kHalfLife = 30 * 24 * 3600;   // seconds

    // One use of each word at time now. Words that are not all kana, or of
    // a single kana, are not learnt.
    void learn(const QStringList &readings, qint64 now);
    void clear() { m_words.clear(); }

    const std::vector<UserWord> &words() const { return m_words; }
    double weight(const UserWord &word, qint64 now) const;

    // The file form: a first line naming it, then "reading<TAB>uses<TAB>last
    // used" a line. Malformed lines are skipped and counted in *skipped.
    static UserWords fromText(QStringView text, int *skipped = nullptr);
    QString toText() const;

private:
    void dropLightest(qint64 now);

    std::vector<UserWord> m_words;
};

} // namespace pelumo
