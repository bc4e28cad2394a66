#pragma once
// What the user is likely to type next, from the kana typed since the last
// word boundary: the words that complete it and the kana likely to follow.
// Two sources: the base lexicon, and the user's own words, which always come
// first (a word the user has written is ranked above every word that only
// the lexicon knows). The phrase written before (the context) ranks the
// lexicon's words after it and, where a phrase ends, offers the phrases
// likely to follow it.
#include "prediction/core/KanaNgram.h"
#include "prediction/core/KanaText.h"
#include "prediction/core/Lexicon.h"
#include "prediction/core/NextWords.h"
#include "prediction/core/UserWords.h"
#include <memory>
#include <span>

namespace pelumo {

// How strongly a next kana is expected, for the tint of its cell.
enum class Likelihood { None = 0, Low = 1, Middle = 2, High = 3 };

struct NextKana {
    QChar kana;
    Likelihood level = Likelihood::None;
    bool operator==(const NextKana &) const = default;
};

// A word that completes the last `replaced` kana before the caret; with
// replaced 0, a next word, inserted at the caret.
struct Completion {
    QString word;
    int replaced = 0;
    // How likely it is the word meant, 0 to 1: its share of the lexicon's
    // words that begin with the same kana, mixed with its chance after the
    // phrase before; for a next word, the chance that a phrase ends at the
    // caret times its chance after that phrase; 1 for the user's own words.
    double share = 0;
    // A next word offered where the phrase before ends at the caret is
    // written after a space, the kana board's, as the user who types the
    // phrases apart would write it.
    bool spaced = false;
    // What a touch puts in place of the `replaced` kana.
    QString written() const { return spaced ? QChar(kKanaSpace) + word : word; }
    bool operator==(const Completion &) const = default;
};

struct Prediction {
    QList<Completion> words;      // up to kMaxWords, best first
    // The board cells of the likely next kana (its plain form: が and か
    // both count for か), up to kMaxNext, most likely first.
    QList<NextKana> cells;
    // The likely next kana as typed (が, ょ), up to kMaxForms: what the
    // selection screen tints.
    QList<NextKana> forms;
    bool isEmpty() const { return words.isEmpty() && cells.isEmpty(); }
};

class Predictor {
public:
    static constexpr int kMaxWords = 6;
    static constexpr int kMaxNext = 3;
    static constexpr int kMaxForms = 8;
    // A word completes at most this many kana before the caret.
    static constexpr int kLongestRun = 8;

    // Under scanning the words are a group that the frame passes before
    // every kana: they are offered only when they are worth that step, when
    // the kana they are expected to save (each word's share times the kana
    // it adds) come to this many. A kana costs about seven highlights by
    // the default order, so half a kana pays for the step over the group
    // and for the steps to the word when it is taken.
    static constexpr double kWorthAScanStep = 0.5;
    static bool worthAScanStep(const QList<Completion> &words);

    Predictor();
    // The base lexicon and its n-gram (KanaNgram::of(*base), made here when
    // not given).
    void setLexicon(std::shared_ptr<const Lexicon> base, std::shared_ptr<const KanaNgram> gram = {});
    void setUserWords(UserWords words);
    // The words of the user's writing (the phrase book, the messages read
    // before, the diary), each weighing the times it is written: ranked
    // with the words learnt, a written time counting kWrittenUse of a use.
    void setWrittenWords(std::shared_ptr<const Lexicon> written, std::shared_ptr<const KanaNgram> gram = {});
    static constexpr double kWrittenUse = 0.5;
    // The phrases likely after each word, from the base lexicon's model.
    void setNextWords(std::shared_ptr<const NextWords> next);
    const UserWords &userWords() const { return m_user; }
    void learn(const QStringList &readings, qint64 now);
    void forget();

    // The prediction after the kana run (see typedText), the phrase before
    // it ranking the words; an empty run asks what begins a word, or, after
    // a phrase, what follows it.
    Prediction predict(const TypedText &typed, qint64 now) const;
    Prediction predict(QStringView run, qint64 now) const { return predict(TypedText{run.toString(), {}}, now); }

    // The count likeliest, levelled by rank (the rest Low).
    static QList<NextKana> mostLikely(const QHash<QChar, double> &chances, int count);

private:
    void rebuildUserGram();
    // Returns the chance that a phrase ends at the key: the lexicon's weight
    // of the key itself among the words that begin with it.
    // Each word's share is given times scale.
    double addCompletions(QStringView key, std::span<const NextPhraseView> context, double scale, qint64 now,
                          QList<Completion> &out) const;
    // The chance that a phrase ends where phrase does, as addCompletions
    // returns it; 1 when no word of the lexicon begins with it.
    double endsAt(QStringView phrase) const;
    void addNextWords(QStringView phrase, double ends, bool spaced, QList<Completion> &out) const;
    QHash<QChar, double> nextKana(QStringView run) const;
    QHash<QChar, double> prefixChances(QStringView run, bool user) const;

    std::shared_ptr<const Lexicon> m_base;
    std::shared_ptr<const KanaNgram> m_baseGram;
    UserWords m_user;
    std::shared_ptr<const Lexicon> m_written;
    std::shared_ptr<const KanaNgram> m_writtenGram;
    std::shared_ptr<const NextWords> m_next;
    KanaNgram m_userGram;   // made from m_user whenever it changes
};

} // namespace pelumo
