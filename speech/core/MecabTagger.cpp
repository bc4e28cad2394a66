#include "speech/core/MecabTagger.h"
#include <QDir>
#include <QFileInfo>
#ifdef PELUMO_HAVE_MECAB
#include <mecab.h>
#endif

namespace pelumo {

#ifdef PELUMO_HAVE_MECAB
namespace {
// The IPA dictionary's features: part of speech (4 fields), conjugation (2),
// base form, reading, pronunciation.
constexpr int kReadingField = 7;
constexpr int kPronunciationField = 8;

Morpheme morphemeOf(const mecab_node_t *node)
{
    Morpheme m;
    m.surface = QString::fromUtf8(node->surface, node->length);
    const QList<QByteArray> fields = QByteArray(node->feature).split(',');
    m.partOfSpeech = QString::fromUtf8(fields.value(0));
    if (fields.size() > kPronunciationField && fields.at(kPronunciationField) != "*")
        m.pronunciation = QString::fromUtf8(fields.at(kPronunciationField));
    if (fields.size() > kReadingField && fields.at(kReadingField) != "*")
        m.reading = QString::fromUtf8(fields.at(kReadingField));
    return m;
}
} // namespace

struct MecabTagger::Impl {
    mecab_t *tagger = nullptr;
    ~Impl()
    {
        if (tagger)
            mecab_destroy(tagger);
    }
};

std::unique_ptr<MecabTagger> MecabTagger::open(const QString &dictionaryDir, QString *error)
{
    // MeCab reports a missing dictionary only as a failure to map sys.dic;
    // a plain check first gives the log a clear reason.
    if (!QFileInfo(QDir(dictionaryDir).filePath(QStringLiteral("sys.dic"))).isReadable()) {
        *error = QStringLiteral("no dictionary in %1").arg(dictionaryDir);
        return nullptr;
    }
    // "-r /dev/null": no resource file, so neither /etc/mecabrc nor a user's
    // ~/.mecabrc changes the dictionary or the output.
    // Arguments one by one, so a folder name with blanks stays whole.
    QByteArray dir = QFile::encodeName(dictionaryDir);
    QByteArray program("pelumo"), rc("-r"), devNull("/dev/null"), d("-d");
    char *argv[] = {program.data(), rc.data(), devNull.data(), d.data(), dir.data()};
    auto impl = std::make_unique<Impl>();
    impl->tagger = mecab_new(5, argv);
    if (!impl->tagger) {
        *error = QString::fromUtf8(mecab_strerror(nullptr));
        return nullptr;
    }
    return std::unique_ptr<MecabTagger>(new MecabTagger(std::move(impl)));
}

QList<Morpheme> MecabTagger::parse(const QString &text) const
{
    const QByteArray utf8 = text.toUtf8();
    QList<Morpheme> words;
    const mecab_node_t *node = mecab_sparse_tonode2(d->tagger, utf8.constData(), size_t(utf8.size()));
    for (; node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        words.append(morphemeOf(node));
    }
    return words;
}
#else
struct MecabTagger::Impl {};

std::unique_ptr<MecabTagger> MecabTagger::open(const QString &, QString *error)
{
    *error = QStringLiteral("built without MeCab");
    return nullptr;
}

QList<Morpheme> MecabTagger::parse(const QString &) const
{
    return {};
}
#endif

MecabTagger::MecabTagger(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
MecabTagger::~MecabTagger() = default;

} // namespace pelumo
