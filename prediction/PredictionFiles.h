#pragma once
// Prediction's files: the base lexicon, read on a thread of its own so that
// the window never waits for it, and the user's learnt words, a file of our
// own in the per-user data folder, written whole through a save file so a
// kill leaves either the old file or the new one.
#include "prediction/core/KanaNgram.h"
#include "prediction/core/Lexicon.h"
#include "prediction/core/UserWords.h"
#include <QString>
#include <functional>
#include <memory>

namespace pelumo {

// The first of the places that holds a lexicon file (the build tree's,
// then the installed one), or an empty text.
QString lexiconPath();

// Reads the lexicon at path on a new thread, makes its n-gram there too, and
// hands both to done on the thread of context (null when the file cannot be
// read; the reason goes to the log).
using LexiconLoaded = std::function<void(std::shared_ptr<const Lexicon>, std::shared_ptr<const KanaNgram>)>;
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
