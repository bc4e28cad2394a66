#pragma once
// Prediction's files: the base lexicon, read on a thread of its own so that
// the window never waits for it, and the user's learnt words, a file of our
// own in the per-user data folder, written whole through a save file so a
// kill leaves either the old file or the new one.
#include "prediction/core/KanaNgram.h"
#include "prediction/core/Lexicon.h"
#include "prediction/core/NextWords.h"
#include "prediction/core/UserWords.h"
#include <QLoggingCategory>
#include <QString>
#include <functional>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcPrediction)   // pelumo.prediction

namespace pelumo {

// The first of the places that holds a lexicon file (the build tree's,
// then the installed one), or an empty text.
QString lexiconPath();

// The base lexicon with its n-gram, and the phrases likely after each word.
struct BaseLexicon {
    std::shared_ptr<const Lexicon> lexicon;   // null when its file cannot be read
    std::shared_ptr<const KanaNgram> gram;
    std::shared_ptr<const NextWords> next;    // null when its file cannot be read
};
// Reads the lexicon at path and the next words beside it (the reasons of
// what could not be read go to the log).
BaseLexicon readBaseLexicon(const QString &path);

// readBaseLexicon on a thread of its own, the result handed to done on the
// thread of context.
using LexiconLoaded = std::function<void(BaseLexicon)>;
void loadLexiconInBackground(const QString &path, QObject *context, LexiconLoaded done);

// userDataFolder()/learnt-words.txt
QString learntWordsPath();

struct LearntWordsRead {
    UserWords words;
    bool ok = true;        // false: the file is there but could not be read
    QString errorString;   // for the log
};
LearntWordsRead readLearntWords(const QString &path);
// False, with the reason in *error, when the file could not be written; the
// old file is then as it was.
bool writeLearntWords(const QString &path, const UserWords &words, QString *error);

} // namespace pelumo
