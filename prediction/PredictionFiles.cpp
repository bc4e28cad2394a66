#include "prediction/PredictionFiles.h"
#include "platform/AppPaths.h"
#include "platform/Background.h"
#include "platform/core/RegularFile.h"
#include <QFileInfo>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcPrediction, "pelumo.prediction")

namespace pelumo {
namespace {

constexpr qint64 kLexiconLimit = 16 * 1024 * 1024;
constexpr qint64 kNextWordsLimit = 8 * 1024 * 1024;
constexpr qint64 kLearntLimit = 4 * 1024 * 1024;

std::shared_ptr<const NextWords> readNextWords(const QString &path)
{
    const FileBytes file = readRegularFile(path, kNextWordsLimit);
    if (file.status != FileBytes::Ok) {
        qCWarning(lcPrediction) << "next words not read:" << path << file.errorString;
        return {};
    }
    int skipped = 0;
    auto next = std::make_shared<const NextWords>(NextWords::fromText(QString::fromUtf8(file.bytes), &skipped));
    qCInfo(lcPrediction) << "next words" << path << next->size() << "words," << skipped << "lines skipped";
    return next;
}

} // namespace

QString lexiconPath()
{
    for (const QString &path : QStringLiteral(PELUMO_LEXICON_PLACES).split(u'|'))
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

BaseLexicon readBaseLexicon(const QString &path)
{
    BaseLexicon base;
    const FileBytes file = readRegularFile(path, kLexiconLimit);
    if (file.status != FileBytes::Ok) {
        qCWarning(lcPrediction) << "lexicon not read:" << path << file.errorString;
        return base;
    }
    int skipped = 0;
    base.lexicon = std::make_shared<const Lexicon>(Lexicon::fromText(QString::fromUtf8(file.bytes), &skipped));
    base.gram = std::make_shared<const KanaNgram>(KanaNgram::of(*base.lexicon));
    qCInfo(lcPrediction) << "lexicon" << path << base.lexicon->size() << "words," << skipped << "lines skipped";
    base.next = readNextWords(nextWordsPath(path));
    return base;
}

void loadLexiconInBackground(const QString &path, QObject *context, LexiconLoaded done)
{
    runInBackground(QStringLiteral("lexicon"), context, [path, done = std::move(done)]() -> HandBack {
        BaseLexicon base = readBaseLexicon(path);
        return [done, base = std::move(base)] { done(base); };
    });
}

QString learntWordsPath()
{
    return userDataFolder() + QStringLiteral("/learnt-words.txt");
}

LearntWordsRead readLearntWords(const QString &path)
{
    const FileBytes file = readRegularFile(path, kLearntLimit);
    if (file.status == FileBytes::Missing)
        return {};
    if (file.status != FileBytes::Ok)
        return {{}, false, file.errorString};
    int skipped = 0;
    LearntWordsRead read{UserWords::fromText(QString::fromUtf8(file.bytes), &skipped), true, {}};
    if (skipped > 0)
        qCWarning(lcPrediction) << path << skipped << "damaged lines skipped";
    return read;
}

bool writeLearntWords(const QString &path, const UserWords &words, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = words.toText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace pelumo
