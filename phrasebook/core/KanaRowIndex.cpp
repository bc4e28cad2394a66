#include "phrasebook/core/KanaRowIndex.h"

namespace pelumo {

namespace {

struct KanaRow {
    char16_t first, last;
    const char16_t *label;
};

// Tested from the top, the first range holding the character wins. The voiced
// and semi-voiced kana lie between the plain ones in code order, so the plain
// rows take most of them (が is "か行", ぱ is "は行"); only ご ぞ ど ぼ ぽ, the
// last of each range, reach the voiced rows. Users know their lists by this.
constexpr KanaRow kKanaRows[] = {
    {u'あ', u'お', u"あ行"}, {u'か', u'こ', u"か行"}, {u'さ', u'そ', u"さ行"},
    {u'た', u'と', u"た行"}, {u'な', u'の', u"な行"}, {u'は', u'ほ', u"は行"},
    {u'ま', u'も', u"ま行"}, {u'や', u'よ', u"や行"}, {u'ら', u'ろ', u"ら行"},
    {u'わ', u'ん', u"わ行"}, {u'が', u'ご', u"が行"}, {u'ざ', u'ぞ', u"ざ行"},
    {u'だ', u'ど', u"だ行"}, {u'ば', u'ぼ', u"ば行"}, {u'ぱ', u'ぽ', u"ぱ行"},
    {u'ア', u'オ', u"ア行"}, {u'カ', u'コ', u"カ行"}, {u'サ', u'ソ', u"サ行"},
    {u'タ', u'ト', u"タ行"}, {u'ナ', u'ノ', u"ナ行"}, {u'ハ', u'ホ', u"ハ行"},
    {u'マ', u'モ', u"マ行"}, {u'ヤ', u'ヨ', u"ヤ行"}, {u'ラ', u'ロ', u"ラ行"},
    {u'ワ', u'ン', u"ワ行"}, {u'ガ', u'ゴ', u"ガ行"}, {u'ザ', u'ゾ', u"ザ行"},
    {u'ダ', u'ド', u"ダ行"}, {u'バ', u'ボ', u"バ行"}, {u'パ', u'ポ', u"パ行"},
};

} // namespace

QString kanaRowLabel(QChar first)
{
    for (const KanaRow &row : kKanaRows)
        if (first.unicode() >= row.first && first.unicode() <= row.last)
            return QString::fromUtf16(row.label);
    return QString();
}

QStringList kanaRowLabels(const QStringList &texts)
{
    QStringList labels;
    labels.reserve(texts.size());
    QString label, shown;
    for (const QString &text : texts) {
        if (!text.isEmpty()) {
            const QString found = kanaRowLabel(text.front());
            if (!found.isEmpty())
                label = found;
        }
        if (label != shown) {
            labels << label;
            shown = label;
        } else {
            labels << QString();
        }
    }
    return labels;
}

} // namespace pelumo
