#include "access/core/PanelOrder.h"

namespace pelumo {
namespace {
ScanItem control(const char16_t *name, const char *id)
{
    return ScanItem::of(QString::fromUtf16(name), ScanTarget::control(QString::fromLatin1(id)));
}
}

ScanItem panelGroup(const PanelFacts &facts)
{
    std::vector<ScanItem> items = {
        control(u"呼ぶ", "cmdCall"), control(u"はい", "cmdYes"), control(u"いいえ", "cmdNo"),
        control(u"もう一度", "cmdAgain"), control(u"元に戻す", "cmdUndo"), control(u"履歴", "cmdHistory"),
    };
    std::vector<ScanItem> quick;
    for (int i = 0; i < facts.quickPhrases.size(); ++i)
        quick.push_back(ScanItem::of(facts.quickPhrases[i],
                                     ScanTarget::control(QStringLiteral("cmdQuick%1").arg(i))));
    if (quick.size() == 1)
        items.push_back(std::move(quick.front()));
    else if (!quick.empty())
        items.push_back(ScanItem::group(QStringLiteral("よく使う文"), std::move(quick)));
    if (facts.quickMarkShown)
        items.push_back(ScanItem::of(facts.quickMarkCaption, ScanTarget::control("cmdQuickMark")));
    return ScanItem::group(QStringLiteral("パネル"), std::move(items));
}

} // namespace pelumo
