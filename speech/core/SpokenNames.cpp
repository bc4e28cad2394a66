#include "speech/core/SpokenNames.h"
#include <algorithm>
#include <iterator>

namespace pelumo {
namespace {

const char16_t *const kLetterNames[26] = {
    u"エー", u"ビー", u"シー", u"ディー", u"イー", u"エフ", u"ジー", u"エイチ", u"アイ",
    u"ジェー", u"ケー", u"エル", u"エム", u"エヌ", u"オー", u"ピー", u"キュー", u"アール",
    u"エス", u"ティー", u"ユー", u"ブイ", u"ダブリュー", u"エックス", u"ワイ", u"ゼット",
};

const char16_t *const kDigitNames[10] = {
    u"ゼロ", u"いち", u"に", u"さん", u"よん", u"ご", u"ろく", u"なな", u"はち", u"きゅう",
};

struct Named {
    char16_t c;
    const char16_t *name;
};

// Sorted by character, for a binary search.
const Named kSymbolNames[] = {
    {u'!', u"びっくりマーク"}, {u'"', u"ダブルクォート"}, {u'#', u"シャープ"},
    {u'$', u"ドル"}, {u'%', u"パーセント"}, {u'&', u"アンド"}, {u'\'', u"アポストロフィ"},
    {u'(', u"かっこ"}, {u')', u"かっことじ"}, {u'*', u"アスタリスク"}, {u'+', u"プラス"},
    {u',', u"カンマ"}, {u'-', u"マイナス"}, {u'.', u"ピリオド"}, {u'/', u"スラッシュ"},
    {u':', u"コロン"}, {u';', u"セミコロン"}, {u'<', u"しょうなり"}, {u'=', u"イコール"},
    {u'>', u"だいなり"}, {u'?', u"はてな"}, {u'@', u"アットマーク"}, {u'[', u"だいかっこ"},
    {u'\\', u"バックスラッシュ"}, {u']', u"だいかっことじ"}, {u'^', u"やまがた"},
    {u'_', u"アンダーバー"}, {u'`', u"バッククォート"}, {u'{', u"なみかっこ"},
    {u'|', u"たてぼう"}, {u'}', u"なみかっことじ"}, {u'~', u"チルダ"},
    {u'\u00A5', u"えん"}, {u'\u00D7', u"かける"}, {u'\u00F7', u"わる"},
    {u'\u2026', u"てんてんてん"}, {u'\u203B', u"こめじるし"}, {u'\u2190', u"ひだりやじるし"},
    {u'\u2191', u"うえやじるし"}, {u'\u2192', u"みぎやじるし"}, {u'\u2193', u"したやじるし"},
    {u'\u25A1', u"しかく"}, {u'\u25B3', u"さんかく"}, {u'\u25CB', u"まる"},
    {u'\u2605', u"ほし"}, {u'\u2606', u"ほし"}, {u'\u2661', u"ハート"}, {u'\u2665', u"ハート"},
    {u'\u266A', u"おんぷ"}, {u'\u3001', u"てん"}, {u'\u3002', u"まる"}, {u'\u3005', u"おなじ"},
    {u'\u300C', u"かぎかっこ"}, {u'\u300D', u"かぎかっことじ"},
    {u'\u300E', u"にじゅうかぎかっこ"}, {u'\u300F', u"にじゅうかぎかっことじ"},
    {u'\u3012', u"ゆうびん"}, {u'\u301C', u"なみせん"}, {u'\u309B', u"だくてん"},
    {u'\u309C', u"はんだくてん"}, {u'\u30FB', u"なかぐろ"}, {u'\u30FC', u"のばす"},
    {u'\uFF01', u"びっくりマーク"}, {u'\uFF1F', u"はてな"}, {u'\uFF5E', u"なみせん"},
};

// Small kana and their full-size forms, position by position.
const QStringView kSmallKana = u"ぁぃぅぇぉっゃゅょゎゕゖァィゥェォッャュョヮヵヶ";
const QStringView kFullKana = u"あいうえおつやゆよわかけアイウエオツヤユヨワカケ";

const Emoticon kEmoticons[] = {
    {u"(^_^)", u"にこにこ"},
    {u"(T_T)", u"しくしく"},
};

// Picture characters with a word of their own; the rest say "えもじ".
const std::pair<char32_t, const char16_t *> kEmojiWords[] = {
    {0x2600, u"はれ"}, {0x2601, u"くもり"}, {0x2602, u"あめ"}, {0x2764, u"ハート"},
    {0x1F44D, u"いいね"}, {0x1F44B, u"バイバイ"}, {0x1F600, u"にこにこ"}, {0x1F602, u"わらいなき"},
    {0x1F60A, u"にこにこ"}, {0x1F622, u"なきがお"}, {0x1F62D, u"なきがお"}, {0x1F64F, u"おねがい"},
};

bool isPictureCharacter(char32_t c)
{
    return (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x2600 && c <= 0x27BF)
           || (c >= 0x2B00 && c <= 0x2BFF);
}

} // namespace

QString letterName(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    if (u < u'A' || u > u'Z' || !c.isLetter() || c.unicode() > 0x7F)
        return {};
    return QString::fromUtf16(kLetterNames[u - u'A']);
}

QString digitName(QChar c)
{
    if (c < u'0' || c > u'9')
        return {};
    return QString::fromUtf16(kDigitNames[c.unicode() - u'0']);
}

QString symbolName(QChar c)
{
    const auto it = std::lower_bound(std::begin(kSymbolNames), std::end(kSymbolNames), c.unicode(),
                                     [](const Named &n, char16_t u) { return n.c < u; });
    if (it == std::end(kSymbolNames) || it->c != c.unicode())
        return {};
    return QString::fromUtf16(it->name);
}

bool isSmallKana(QChar c)
{
    return kSmallKana.contains(c);
}

QChar fullSizeKana(QChar c)
{
    const qsizetype i = kSmallKana.indexOf(c);
    return i < 0 ? c : kFullKana.at(i);
}

QString smallKanaName(QChar c)
{
    if (!isSmallKana(c))
        return {};
    return QStringLiteral("ちいさい ") + fullSizeKana(c);
}

int emoticonAt(QStringView text, qsizetype pos, QString *word)
{
    for (const Emoticon &e : kEmoticons) {
        const QStringView face(e.text);
        if (text.mid(pos).startsWith(face)) {
            *word = QString::fromUtf16(e.word);
            return int(face.size());
        }
    }
    return 0;
}

QString unreadableCharacterWord(char32_t c)
{
    for (const auto &[emoji, word] : kEmojiWords)
        if (emoji == c)
            return QString::fromUtf16(word);
    if (isPictureCharacter(c))
        return QStringLiteral("えもじ");
    if (QChar::script(c) == QChar::Script_Han)
        return QStringLiteral("かんじ");
    if (QChar::isLetter(c))
        return QStringLiteral("もじ");
    return QStringLiteral("きごう");
}

} // namespace pelumo
