#pragma once
// The words of the user's own writing, for prediction: the phrase book, the
// messages read before and the diary, split and read by MeCab on a thread
// of its own (the diary's file is read there too), each reading counted
// once for every time it is written, and handed to done on the thread of
// context as a lexicon with its kana n-gram. Nothing is handed over when
// MeCab cannot open; the reason goes to the log.
#include "prediction/core/KanaNgram.h"
#include "prediction/core/Lexicon.h"
#include "prediction/core/TaggedPhrases.h"
#include <QStringList>
#include <functional>
#include <memory>

class QObject;

namespace pelumo {

class MecabTagger;

// What prediction learns from a text: its words and phrases as MeCab reads
// them (wordsAndPhrases), in hiragana.
QStringList readingsToLearn(const MecabTagger &tagger, const QString &text);

using WrittenWordsRead = std::function<void(std::shared_ptr<const Lexicon>, std::shared_ptr<const KanaNgram>)>;
void readWrittenWordsInBackground(QStringList texts, QString diaryPath, QObject *context, WrittenWordsRead done);

} // namespace pelumo
