#include "prediction/PredictionFiles.h"
#include "platform/AppPaths.h"
#include "platform/core/RegularFile.h"
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QPointer>
#include <QSaveFile>
#include <QThread>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

Q_LOGGING_CATEGORY(lcPrediction, "pelumo.prediction")

namespace pelumo {
namespace {

constexpr qint64 kLexiconLimit = 16 * 1024 * 1024;
constexpr qint64 kLearntLimit = 4 * 1024 * 1024;

} // namespace

QString lexiconPath()
{
    for (const QString &path : QStringLiteral(PELUMO_LEXICON_PLACES).split(u'|'))
        if (QFileInfo(path).isFile())
            return path;
    return {};
}

void loadLexiconInBackground(const QString &path, QObject *context, LexiconLoaded done)
{
    QPointer<QObject> receiver(context);
    QThread *thread = QThread::create([path, receiver, done = std::move(done)] {
        std::shared_ptr<const Lexicon> lexicon;
        std::shared_ptr<const KanaNgram> gram;
        const FileBytes file = readRegularFile(path, kLexiconLimit);
        if (file.status == FileBytes::Ok) {
            int skipped = 0;
            lexicon = std::make_shared<const Lexicon>(Lexicon::fromText(QString::fromUtf8(file.bytes), &skipped));
            gram = std::make_shared<const KanaNgram>(KanaNgram::of(*lexicon));
            qCInfo(lcPrediction) << "lexicon" << path << lexicon->size() << "words," << skipped << "lines skipped";
#if defined(__GLIBC__)
            // The file's text and the words on their way (some 10 MB) are
            // freed, but this thread's heap would keep them resident.
            malloc_trim(0);
#endif
        } else {
            qCWarning(lcPrediction) << "lexicon not read:" << path << file.errorString;
        }
        if (receiver)
            QMetaObject::invokeMethod(receiver, [done, lexicon, gram] { done(lexicon, gram); }, Qt::QueuedConnection);
    });
    thread->setObjectName(QStringLiteral("lexicon"));
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::LowPriority);
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
