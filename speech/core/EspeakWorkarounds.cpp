#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/SpokenNames.h"
#include <QStringView>
#include <cstring>

namespace pelumo {
namespace {

// Hiragana by the vowel they end in; katakana are looked up as hiragana.
const QStringView kVowelColumns[] = {
    u"あかがさざただなはばぱまやらわぁゃゎゕ", u"いきぎしじちぢにひびぴみりゐぃ",
    u"うくぐすずつづぬふぶぷむゆるぅゅゔ", u"えけげせぜてでねへべぺめれゑぇゖ",
    u"おこごそぞとどのほぼぽもよろをぉょ",
};
const char kVowels[] = "aiueo";

// Pairs of a kana and a following small vowel that espeak-ng says as one
// sound (ふぁ, てぃ, しぇ); a small vowel after a kana of the same vowel
// lengthens it and is fine too.
const QStringView kSmallVowelPairs[] = {
    u"ふゔつくぐ",                 // ぁ
    u"てでふうつくゔ",             // ぃ
    u"とど",                       // ぅ
    u"いしじちふうつくゔ",         // ぇ
    u"ふうつくゔ",                 // ぉ
};
const QStringView kSmallVowels = u"ぁぃぅぇぉ";
const QStringView kPlainVowels = u"あいうえお";

QChar toHiragana(QChar c)
{
    if (c >= u'\u30A1' && c <= u'\u30F6')
        return QChar(char16_t(c.unicode() - 0x60));
    return c;
}

bool smallVowelJoins(QChar before, QChar small)
{
    const qsizetype v = kSmallVowels.indexOf(toHiragana(small));
    if (v < 0)
        return true;
    return kanaVowel(before) == kVowels[v] || kSmallVowelPairs[v].contains(toHiragana(before));
}

bool isKatakana(QChar c)
{
    return c >= u'\u30A1' && c <= u'\u30FA';
}

// The full-size form, in the script of c.
QString fullSize(QChar c)
{
    return QString(fullSizeKana(c));
}

QString plainVowel(char vowel, bool katakana)
{
    const QChar h = kPlainVowels.at(qsizetype(std::strchr(kVowels, vowel) - kVowels));
    return QString(katakana ? QChar(char16_t(h.unicode() + 0x60)) : h);
}

} // namespace

bool isKana(QChar c)
{
    return (c >= u'\u3041' && c <= u'\u3096') || (c >= u'\u30A1' && c <= u'\u30FA') || c == u'ー';
}

char kanaVowel(QChar c)
{
    const QChar h = toHiragana(c);
    for (int v = 0; v < 5; ++v)
        if (kVowelColumns[v].contains(h))
            return kVowels[v];
    return 0;
}

QString smoothForEspeak(const QString &reading)
{
    QString out;
    out.reserve(reading.size() + 8);
    // espeak-ng joins a kana with a following vowel of the same sound (ちい,
    // かあ, かー) into one long sound, pair by pair; absorbed tells whether the
    // last kana went into such a pair, so a ー after it has nothing to lengthen.
    bool absorbed = false;
    for (const QChar c : reading) {
        const QChar before = out.isEmpty() ? QChar() : out.back();
        const QChar h = toHiragana(c);
        const bool lengthens = !absorbed && kanaVowel(before) != 0
                               && (c == u'ー' || (kPlainVowels.contains(toHiragana(fullSizeKana(c)))
                                                  && kanaVowel(c) == kanaVowel(before)));
        if ((h == u'ゃ' || h == u'ゅ' || h == u'ょ') && toHiragana(before) == u'り') {
            const QChar vowel = h == u'ゃ' ? u'あ' : h == u'ゅ' ? u'う' : u'お';
            out += isKatakana(c) ? QChar(char16_t(vowel.unicode() + 0x60)) : vowel;
        } else if (kSmallVowels.contains(h) && !smallVowelJoins(before, c)) {
            out += fullSize(c);
        } else if (h == u'ゎ' || h == u'ゕ' || h == u'ゖ') {
            out += fullSize(c);
        } else if (c == u'ー' && kanaVowel(before) == 0) {
            out += toHiragana(before) == u'ん' ? QString(before) : QStringLiteral("のばす");
        } else if (c == u'ー' && absorbed) {
            out += plainVowel(kanaVowel(before), isKatakana(before));
        } else {
            out += c;
        }
        absorbed = lengthens;
    }
    return out;
}

} // namespace pelumo
