#include "board/core/KanaVariants.h"

namespace pelumo {
namespace {

// Each row pairs the characters of its key string with those of its form
// strings, position by position. An empty column-0 string leaves column 0.
struct FormRow {
    const char16_t *keys;
    const char16_t *col0;
    const char16_t *col2;
};

const FormRow kSmallForms[] = {
    {u"あいうえお", u"", u"ぁぃぅぇぉ"},
    {u"つ", u"", u"っ"},
    {u"やゆよ", u"", u"ゃゅょ"},
    {u"アイウエオ", u"", u"ァィゥェォ"},
    {u"ツ", u"", u"ッ"},
    {u"ヤユヨ", u"", u"ャュョ"},
    {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"", u"abcdefghijklmnopqrstuvwxyz"},
};

const FormRow kVoicedForms[] = {
    {u"かきくけこ", u"", u"がぎぐげご"},
    {u"さしすせそ", u"", u"ざじずぜぞ"},
    {u"たち", u"", u"だぢ"},
    {u"つ", u"っ", u"づ"},
    {u"てと", u"", u"でど"},
    {u"はひふへほ", u"ぱぴぷぺぽ", u"ばびぶべぼ"},
    {u"カキクケコ", u"", u"ガギグゲゴ"},
    {u"サシスセソ", u"", u"ザジズゼゾ"},
    {u"タチ", u"", u"ダヂ"},
    {u"ツ", u"ッ", u"ヅ"},
    {u"テト", u"", u"デド"},
    {u"ハヒフヘホ", u"パピプペポ", u"バビブベボ"},
};

template <size_t N>
void applyTable(const FormRow (&table)[N], const QString &ch, VariantCells &cells)
{
    if (ch.size() != 1)
        return;
    for (const FormRow &row : table) {
        const int i = int(QString::fromUtf16(row.keys).indexOf(ch.at(0)));
        if (i < 0)
            continue;
        const QString col0 = QString::fromUtf16(row.col0);
        if (!col0.isEmpty())
            cells.col0 = col0.at(i);
        cells.col2 = QString::fromUtf16(row.col2).at(i);
        return;
    }
}

template <size_t N>
int countKeys(const FormRow (&table)[N])
{
    int n = 0;
    for (const FormRow &row : table)
        n += int(QString::fromUtf16(row.keys).size());
    return n;
}

} // namespace

void fillKanaVariants(const QString &ch, VariantCells &cells)
{
    applyTable(kSmallForms, ch, cells);
    applyTable(kVoicedForms, ch, cells);
}

int smallFormCount() { return countKeys(kSmallForms); }
int voicedFormCount() { return countKeys(kVoicedForms); }

} // namespace pelumo
