#include "prediction/core/IpadicEntry.h"
#include "prediction/core/KanaText.h"
#include <algorithm>
#include <cmath>

namespace pelumo {
namespace {

enum Field { Surface, LeftId, RightId, Cost, Pos1, Pos2, Conjugation = 8, Form = 9, Reading = 11, FieldCount = 13 };

// Forms of the written language (痛々し) and the stem before がる: real
// words, but not what anyone types in a message.
bool literaryForm(const QList<QStringView> &fields)
{
    return fields[Conjugation].contains(u"文語") || fields[Form].contains(u"文語")
           || fields[Form] == u"ガル接続";
}

bool allKana(QStringView text)
{
    for (QChar ch : text)
        if (!isPredictedKana(ch))
            return false;
    return !text.isEmpty();
}

} // namespace

double weightOfCost(int cost)
{
    // A few entries have costs far below the everyday words' (suffixes such
    // as 連盟, made cheap for the tagger's sake): none weighs more than those.
    return std::exp2(-double(std::max(cost, kLowestCost)) / kCostHalving) * 1e6;
}

std::optional<IpadicSurface> ipadicSurface(QStringView line)
{
    const QList<QStringView> fields = line.trimmed().split(u',');
    if (fields.size() < FieldCount || fields[Surface].isEmpty())
        return std::nullopt;
    return IpadicSurface{fields[Surface].toString(), fields[Pos2] == u"固有名詞"};
}

std::optional<LexiconWord> ipadicWord(QStringView line)
{
    const QList<QStringView> fields = line.trimmed().split(u',');
    if (fields.size() < FieldCount)
        return std::nullopt;
    bool ok = false;
    const int cost = fields[Cost].toInt(&ok);
    if (!ok)
        return std::nullopt;
    if (fields[Pos2] == u"固有名詞" || fields[Pos1] == u"記号" || literaryForm(fields))
        return std::nullopt;
    const QString reading = toHiragana(fields[Reading]);
    if (!allKana(reading))
        return std::nullopt;
    const int longer = std::max(0, int(reading.size()) - kPlainLength);
    return LexiconWord{reading, weightOfCost(cost + longer * kLengthCost)};
}

} // namespace pelumo
