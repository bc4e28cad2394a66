#pragma once
// The phrases likely to follow a word: for the reading of a phrase's last
// word, the next phrases (bunsetsu) with the chance of each after it. Made
// at build time from the bigrams of a word n-gram; looked up with the
// phrase just written. Kept compact: the readings in one text, the entries
// in two arrays.
#include <QList>
#include <QString>
#include <vector>

namespace pelumo {

struct NextPhrase {
    QString reading;
    double chance = 0;   // 0 to 1
    bool operator==(const NextPhrase &) const = default;
};

struct NextPhrases {
    QString word;                   // the last word's reading
    std::vector<NextPhrase> next;   // likeliest first
    // An ending or particle (が, たい), which ends longer phrases too; any
    // other word is looked up only as a whole phrase.
    bool attaches = false;
};

// A next phrase as the table holds it.
struct NextPhraseView {
    QStringView reading;
    double chance = 0;
};

// The file made beside a lexicon file: next-words.txt in its folder.
QString nextWordsPath(const QString &lexiconPath);

class NextWords {
public:
    NextWords() = default;
    explicit NextWords(std::vector<NextPhrases> table);

    // The file form: one line a word, "word<TAB>next chance<TAB>next chance...",
    // the word marked "+word" when it attaches. Lines not of that form are
    // skipped and counted in *skipped.
    static NextWords fromText(QStringView text, int *skipped = nullptr);
    // The same lines as a table, before it is made compact (for the build tool).
    static std::vector<NextPhrases> tableFromText(QStringView text, int *skipped = nullptr);
    QString toText() const;

    bool isEmpty() const { return m_words.empty(); }
    int size() const { return int(m_words.size()); }

    // The phrases after `phrase`, likeliest first: after the phrase as a
    // whole and after every tail that the table knows as an ending (して
    // by して and by て, のみたい by みたい and たい; おはよう not by よう),
    // each phrase once with its best chance; none when none.
    std::vector<NextPhraseView> after(QStringView phrase) const;

private:
    struct Text {
        quint32 offset;
        quint16 length;
    };
    struct Word {
        Text word;
        bool attaches;
        quint32 first;   // in m_next
        quint16 count;
    };
    struct Next {
        Text reading;
        float chance;
    };
    Text add(const QString &reading);
    QStringView view(Text t) const { return QStringView(m_text).sliced(t.offset, t.length); }
    const Word *find(QStringView word) const;

    QString m_text;
    std::vector<Word> m_words;   // sorted by word
    std::vector<Next> m_next;
};

} // namespace pelumo
