#include "app/WrittenWords.h"
#include "phrasebook/core/DiaryFile.h"
#include "platform/Background.h"
#include "platform/core/TextFile.h"
#include "prediction/PredictionFiles.h"
#include "prediction/core/KanaText.h"
#include "prediction/core/UserWords.h"
#include "speech/core/MecabTagger.h"
#include <QHash>

namespace pelumo {
namespace {

QStringList diaryTexts(const QString &path)
{
    const TextFileContent file = readTextLines(path);
    if (file.status != TextFileContent::Ok) {
        qCInfo(lcPrediction).noquote() << "diary not read for prediction:" << path << file.errorString;
        return {};
    }
    QStringList texts;
    DiaryEntry entry;
    for (const QString &line : file.lines)
        if (parseDiaryLine(line, entry))
            texts << entry.text;
    return texts;
}

std::shared_ptr<const Lexicon> countWords(const MecabTagger &tagger, const QStringList &texts)
{
    QHash<QString, int> counts;
    for (const QString &text : texts)
        for (const QString &reading : readingsToLearn(tagger, text))
            if (isLearnable(reading))
                ++counts[reading];
    std::vector<LexiconWord> words;
    words.reserve(size_t(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        words.push_back({it.key(), double(it.value())});
    return std::make_shared<const Lexicon>(std::move(words));
}

} // namespace

QStringList readingsToLearn(const MecabTagger &tagger, const QString &text)
{
    QList<TaggedWord> words;
    for (const Morpheme &m : tagger.parse(text))
        words.push_back({toHiragana(m.reading.isEmpty() ? m.surface : m.reading), m.partOfSpeech});
    return wordsAndPhrases(words);
}

void readWrittenWordsInBackground(QStringList texts, QString diaryPath, QObject *context, WrittenWordsRead done)
{
    runInBackground(QStringLiteral("written words"), context,
                    [texts = std::move(texts), diaryPath, done = std::move(done)]() mutable -> HandBack {
        QString error;
        const std::unique_ptr<MecabTagger> tagger = MecabTagger::open(QString::fromLatin1(kIpadicUtf8Dir), &error);
        if (!tagger) {
            qCWarning(lcPrediction).noquote() << "the user's writing not read for prediction, no MeCab:" << error;
            return {};
        }
        if (!diaryPath.isEmpty())
            texts += diaryTexts(diaryPath);
        const std::shared_ptr<const Lexicon> words = countWords(*tagger, texts);
        const auto gram = std::make_shared<const KanaNgram>(KanaNgram::of(*words));
        qCInfo(lcPrediction) << "the user's writing:" << texts.size() << "texts," << words->size() << "words";
        texts.clear();
        return [done, words, gram] { done(words, gram); };
    });
}

} // namespace pelumo
