#include "prediction/core/Predictor.h"
#include "prediction/core/KanaText.h"
#include <algorithm>
#include <span>

namespace pelumo {
namespace {

// No word begins with these, so no key does.
bool canBeginWord(QChar ch)
{
    static const QString never = QStringLiteral("ぁぃぅぇぉっゃゅょゎんー");
    return !never.contains(ch);
}

struct Ranked {
    QStringView word;   // in the lexicon's or the user's words
    double user = 0;   // the user's own words first,
    double base = 0;   // then the lexicon's
    double share = 1;
};

bool better(const Ranked &a, const Ranked &b)
{
    if (a.user != b.user)
        return a.user > b.user;
    if (a.base != b.base)
        return a.base > b.base;
    return a.word < b.word;
}

// Within the words that begin with the run: the share of each next kana.
constexpr double kPrefixShare = 0.5;
// The user's own n-gram beside the lexicon's, once there is one.
constexpr double kUserGramShare = 0.5;
// A word's chance after the phrase before, beside its share of the words
// that begin with the same kana, when the phrase before offers some of them.
constexpr double kContextShare = 0.5;
// A phrase ends at a tail of the run this long at least (one kana ends
// some word nearly always), or at the whole run.
constexpr qsizetype kShortestTailPhrase = 2;

// The context's phrases that begin with key, and their sum.
std::pair<std::vector<NextPhraseView>, double> phrasesBeginning(std::span<const NextPhraseView> context, QStringView key)
{
    std::vector<NextPhraseView> out;
    double total = 0;
    for (const NextPhraseView &n : context)
        if (n.reading.startsWith(key)) {
            out.push_back(n);
            total += n.chance;
        }
    return {std::move(out), total};
}

} // namespace

bool Predictor::worthAScanStep(const QList<Completion> &words)
{
    double saved = 0;
    for (const Completion &c : words)
        saved += c.share * double(c.written().size() - c.replaced);
    return saved >= kWorthAScanStep;
}

Predictor::Predictor()
    : m_base(std::make_shared<Lexicon>()), m_baseGram(std::make_shared<KanaNgram>()),
      m_written(std::make_shared<Lexicon>()), m_writtenGram(std::make_shared<KanaNgram>()),
      m_next(std::make_shared<NextWords>())
{
}

void Predictor::setNextWords(std::shared_ptr<const NextWords> next)
{
    m_next = next ? std::move(next) : std::make_shared<NextWords>();
}

void Predictor::setLexicon(std::shared_ptr<const Lexicon> base, std::shared_ptr<const KanaNgram> gram)
{
    m_base = base ? std::move(base) : std::make_shared<Lexicon>();
    m_baseGram = gram ? std::move(gram) : std::make_shared<const KanaNgram>(KanaNgram::of(*m_base));
}

void Predictor::setUserWords(UserWords words)
{
    m_user = std::move(words);
    rebuildUserGram();
}

void Predictor::setWrittenWords(std::shared_ptr<const Lexicon> written, std::shared_ptr<const KanaNgram> gram)
{
    m_written = written ? std::move(written) : std::make_shared<Lexicon>();
    m_writtenGram = gram ? std::move(gram) : std::make_shared<const KanaNgram>(KanaNgram::of(*m_written));
}

void Predictor::learn(const QStringList &readings, qint64 now)
{
    m_user.learn(readings, now);
    rebuildUserGram();
}

void Predictor::forget()
{
    m_user.clear();
    rebuildUserGram();
}

void Predictor::rebuildUserGram()
{
    m_userGram = {};
    for (const UserWord &w : m_user.words())
        m_userGram.add(w.reading, w.uses);
}

double Predictor::endsAt(QStringView phrase) const
{
    double total = 0, itself = 0;
    m_base->forEachWithPrefix(phrase, [&](int i) {
        total += m_base->weight(i);
        if (m_base->reading(i).size() == phrase.size())
            itself = m_base->weight(i);
    });
    // A phrase the lexicon knows nothing of (a name) has ended, as far as
    // anyone can tell.
    return total > 0 ? itself / total : 1;
}

double Predictor::addCompletions(QStringView key, std::span<const NextPhraseView> context, double scale, qint64 now,
                                 QList<Completion> &out) const
{
    std::vector<Ranked> found;
    for (const UserWord &w : m_user.words())
        if (w.reading.size() > key.size() && w.reading.startsWith(key))
            found.push_back({w.reading, m_user.weight(w, now), 0});
    m_written->forEachWithPrefix(key, [&](int i) {
        if (m_written->reading(i).size() > key.size())
            found.push_back({m_written->reading(i), kWrittenUse * m_written->weight(i), 0});
    });
    double total = 0, itself = 0;
    m_base->forEachWithPrefix(key, [&](int i) {
        const QStringView reading = m_base->reading(i);
        total += m_base->weight(i);
        if (reading.size() > key.size())
            found.push_back({reading, 0, m_base->weight(i)});
        else
            itself = m_base->weight(i);
    });
    const auto [after, afterTotal] = phrasesBeginning(context, key);
    const double contextShare = afterTotal > 0 ? kContextShare : 0;
    for (Ranked &r : found) {
        if (r.user != 0)
            continue;
        r.share = (1 - contextShare) * r.base / total;
        for (const NextPhraseView &n : after)
            if (n.reading == r.word)
                r.share += contextShare * n.chance / afterTotal;
        r.base = r.share;
    }
    // Only the best few can be offered, even after the ones already there
    // are passed over: a run of one kana begins thousands of words.
    const auto kept = found.begin() + std::min<qsizetype>(qsizetype(found.size()), 8 * Predictor::kMaxWords);
    std::partial_sort(found.begin(), kept, found.end(), better);
    for (const Ranked &r : std::span(found.begin(), kept)) {
        if (out.size() >= Predictor::kMaxWords)
            break;
        const bool known = std::any_of(out.begin(), out.end(), [&](const Completion &c) {
            return c.word == r.word && c.replaced == key.size();
        });
        const bool same = std::any_of(out.begin(), out.end(), [&](const Completion &c) {
            return c.word.endsWith(r.word) && c.replaced - key.size() == c.word.size() - r.word.size();
        });
        if (!known && !same)
            out.push_back({r.word.toString(), int(key.size()), r.share * scale});
    }
    return total > 0 ? itself / total : 0;
}

// The phrases likely after phrase, each where its chance puts it among the
// words already there (whose order stays), the last ones falling off.
void Predictor::addNextWords(QStringView phrase, double ends, bool spaced, QList<Completion> &out) const
{
    for (const NextPhraseView &n : m_next->after(phrase)) {
        const Completion next{n.reading.toString(), 0, ends * n.chance, spaced};
        if (std::any_of(out.begin(), out.end(), [&](const Completion &c) { return c.word == next.word && c.replaced == 0; }))
            continue;
        const auto at = std::find_if(out.begin(), out.end(), [&](const Completion &c) { return c.share < next.share; });
        if (at - out.begin() < kMaxWords)
            out.insert(at, next);
    }
    if (out.size() > kMaxWords)
        out.resize(kMaxWords);
}

// Among the words that begin with run: the share of each kana after it.
QHash<QChar, double> Predictor::prefixChances(QStringView run, bool user) const
{
    QHash<QChar, double> shares;
    double total = 0;
    const auto count = [&](QStringView reading, double weight) {
        if (reading.size() > run.size() && reading.startsWith(run)) {
            shares[reading.at(run.size())] += weight;
            total += weight;
        }
    };
    if (user) {
        for (const UserWord &w : m_user.words())
            count(w.reading, w.uses);
        m_written->forEachWithPrefix(run, [&](int i) { count(m_written->reading(i), kWrittenUse * m_written->weight(i)); });
    } else {
        m_base->forEachWithPrefix(run, [&](int i) { count(m_base->reading(i), m_base->weight(i)); });
    }
    for (double &share : shares)
        share /= total;
    return shares;
}

QHash<QChar, double> Predictor::nextKana(QStringView run) const
{
    QHash<QChar, double> chance;
    const auto mix = [&](const QHash<QChar, double> &chances, double share) {
        for (auto it = chances.cbegin(); it != chances.cend(); ++it)
            chance[it.key()] += share * it.value();
    };
    const auto grams = [](const QList<KanaChance> &list) {
        QHash<QChar, double> out;
        for (const KanaChance &c : list)
            out[c.kana] = c.chance;
        return out;
    };
    // Each source is the words that begin with the run (or its longest
    // tail that begins some), mixed with its n-gram; the user's source beside the lexicon's.
    // The user's n-grams, of the words learnt and of the words written, are
    // one source, each gram half of it when both are there.
    const auto source = [&](const std::vector<const KanaNgram *> &sourceGrams, bool user, double share) {
        QHash<QChar, double> prefix;
        for (qsizetype start = 0; start < run.size() && prefix.isEmpty(); ++start)
            if (canBeginWord(run.at(start)))
                prefix = prefixChances(run.sliced(start), user);
        const double prefixShare = prefix.isEmpty() ? 0 : kPrefixShare;
        mix(prefix, share * prefixShare);
        for (const KanaNgram *gram : sourceGrams)
            mix(grams(gram->next(run)), share * (1 - prefixShare) / double(sourceGrams.size()));
    };
    std::vector<const KanaNgram *> userGrams;
    for (const KanaNgram *gram : {&m_userGram, m_writtenGram.get()})
        if (!gram->isEmpty())
            userGrams.push_back(gram);
    const double userShare = userGrams.empty() ? 0 : kUserGramShare;
    source({m_baseGram.get()}, false, 1 - userShare);
    if (userShare > 0)
        source(userGrams, true, userShare);

    return chance;
}

QList<NextKana> Predictor::mostLikely(const QHash<QChar, double> &chances, int count)
{
    QList<KanaChance> ranked;
    for (auto it = chances.cbegin(); it != chances.cend(); ++it)
        ranked.push_back({it.key(), it.value()});
    std::sort(ranked.begin(), ranked.end(), [](const KanaChance &a, const KanaChance &b) {
        return a.chance != b.chance ? a.chance > b.chance : a.kana < b.kana;
    });
    // The level by rank: the chances of the likeliest kana are often all
    // small (a tenth or less), and a tint must still tell them apart.
    static constexpr Likelihood kLevels[] = {Likelihood::High, Likelihood::Middle, Likelihood::Low};
    QList<NextKana> out;
    for (const KanaChance &c : ranked.first(std::min<qsizetype>(ranked.size(), count)))
        out.push_back({c.kana, kLevels[std::min<qsizetype>(out.size(), 2)]});
    return out;
}

Prediction Predictor::predict(const TypedText &typed, qint64 now) const
{
    const QStringView run = typed.run;
    const QStringView key = run.size() > kLongestRun ? run.last(kLongestRun) : run;
    Prediction p;
    // Where the run ends a phrase, and how likely it ends there: after a
    // space or a word taken, surely.
    QStringView ended = run.isEmpty() ? QStringView(typed.before) : QStringView();
    double ends = run.isEmpty() ? 1 : 0;
    // The whole run first; when it is more than one word, its later parts,
    // each after the phrase before it, and each as likely as a phrase ends
    // before it (the tail たまが of あたまが is as unlikely as a phrase あ).
    for (qsizetype start = 0; start < key.size(); ++start) {
        if (!canBeginWord(key.at(start)))
            continue;
        const QStringView tail = key.sliced(start);
        const QStringView before = start == 0 && key.size() == run.size() ? QStringView(typed.before)
                                                                          : run.first(run.size() - tail.size());
        // Once the words are full, a tail is looked at only for a phrase it may end.
        if (p.words.size() >= kMaxWords && (!ended.isEmpty() || tail.size() < kShortestTailPhrase))
            break;
        const std::vector<NextPhraseView> context = m_next->after(before);
        const double headEnds = start == 0 ? 1 : endsAt(run.first(run.size() - tail.size()));
        const double itself = addCompletions(tail, context, headEnds, now, p.words);
        if (ended.isEmpty() && itself > 0 && (start == 0 || tail.size() >= kShortestTailPhrase)) {
            ended = tail;
            ends = itself * headEnds;
        }
    }
    if (!ended.isEmpty())
        addNextWords(ended, ends, !typed.spaceTyped, p.words);
    const QHash<QChar, double> forms = nextKana(key);
    QHash<QChar, double> cells;
    for (auto it = forms.cbegin(); it != forms.cend(); ++it)
        cells[boardKana(it.key())] += it.value();
    p.cells = mostLikely(cells, kMaxNext);
    p.forms = mostLikely(forms, kMaxForms);
    return p;
}

} // namespace pelumo
