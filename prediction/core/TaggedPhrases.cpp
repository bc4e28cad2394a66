#include "prediction/core/TaggedPhrases.h"

namespace pelumo {
namespace {

bool attaches(const TaggedWord &w)
{
    return w.partOfSpeech == u"助詞" || w.partOfSpeech == u"助動詞";
}

bool endsPhrase(const TaggedWord &w)
{
    return w.partOfSpeech == u"記号" || w.reading.trimmed().isEmpty();
}

} // namespace

QStringList wordsAndPhrases(const QList<TaggedWord> &words)
{
    QStringList out;
    QString phrase;
    int attached = 0;
    const auto close = [&] {
        if (attached > 0)
            out << phrase;
        phrase.clear();
        attached = 0;
    };
    for (const TaggedWord &w : words) {
        if (endsPhrase(w)) {
            close();
        } else if (attaches(w) && !phrase.isEmpty()) {
            phrase += w.reading;
            ++attached;
        } else {
            close();
            if (!attaches(w)) {
                out << w.reading;
                phrase = w.reading;
            }
        }
    }
    close();
    return out;
}

} // namespace pelumo
