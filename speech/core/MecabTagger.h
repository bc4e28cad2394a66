#pragma once
// MeCab with the UTF-8 IPA dictionary: splits Japanese text into words and
// gives each the pronunciation the dictionary holds for it.
#include <QList>
#include <QString>
#include <memory>

namespace pelumo {

// Where Debian's mecab-ipadic-utf8 builds its dictionary. It is opened by
// this path: whatever /etc/mecabrc names may be another dictionary.
inline constexpr const char *kIpadicUtf8Dir = "/var/lib/mecab/dic/ipadic-utf8";

struct Morpheme {
    QString surface;         // the word as written
    QString pronunciation;   // in katakana; empty when the dictionary has none
    QString reading;         // as written in kana (こんにちは: コンニチハ), katakana; empty likewise
    QString partOfSpeech;    // the dictionary's first feature: 名詞, 助詞, 記号 ...
};

class MecabTagger {
public:
    // The tagger on the dictionary in dictionaryDir; null, with the reason
    // in *error, when it cannot be opened (no dictionary, or built without
    // MeCab).
    static std::unique_ptr<MecabTagger> open(const QString &dictionaryDir, QString *error);
    ~MecabTagger();
    MecabTagger(const MecabTagger &) = delete;
    MecabTagger &operator=(const MecabTagger &) = delete;

    // The words of text in order. Blanks between words are not returned.
    QList<Morpheme> parse(const QString &text) const;

private:
    struct Impl;
    explicit MecabTagger(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace pelumo
