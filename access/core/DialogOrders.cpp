#include "access/core/DialogOrders.h"

namespace pelumo {
namespace {

ScanItem control(const QString &name, const QString &id)
{
    return ScanItem::of(name, ScanTarget::control(id));
}

// One option button of a group: its name is "<group>_<stored value>".
ScanItem option(const char16_t *caption, const char *group, int index)
{
    const QString id = QLatin1String(group) + u'_' + QString::number(index);
    return control(QString::fromUtf16(caption), id);
}

ScanItem checkBox(const char16_t *caption, const char *id)
{
    return control(QString::fromUtf16(caption), QLatin1String(id));
}

// The first page's table, frame by frame; the option buttons as shown, top
// to bottom (not in the order of their stored values).
void addFirstPage(ScanTable &table, const OptionsDialogFacts &facts)
{
    table.push_back(ScanItem::group(QStringLiteral("１画面目"), {
        option(u"１回クリックで文字入力", "Option1", 2),
        option(u"２回クリックで文字入力", "Option1", 3),
        option(u"１回クリックで文字選択画面へ", "Option1", 0),
        option(u"２回クリックで文字選択画面へ", "Option1", 1),
    }));
    table.push_back(ScanItem::group(QStringLiteral("文字選択画面"), {
        option(u"１回クリックで文字入力", "Option2", 0),
        option(u"２回クリックで文字入力", "Option2", 1),
    }));
    table.push_back(ScanItem::group(QStringLiteral("声"), {
        option(u"毎回声を出す", "Option3", 0),
        option(u"文字選択での時に声を出す　（毎回）", "Option3", 1),
        option(u"文字入力の時に声を出す　　（最後）", "Option3", 2),
        option(u"声を出さない", "Option3", 3),
    }));
    // cmbSample is named by its row as read: "２文字で例文を表示する。"
    table.push_back(ScanItem::group(QStringLiteral("例文"), {
        checkBox(u"例文を自動で表示する。", "chkSamp"),
        control(facts.sampleLength + QStringLiteral("文字で例文を表示する。"), QStringLiteral("cmbSample")),
    }));
    // The three check boxes below the frames as one more group, so that
    // passing them on the way to 確定 costs one step.
    table.push_back(ScanItem::group(QStringLiteral("文字と音"), {
        checkBox(u"濁点表示文字", "chkMaxC"),
        checkBox(u"キー確認音を出す。", "chkBeep"),
        checkBox(u"文字を拡大する。", "chkMoji"),
    }));
    table.push_back(control(QStringLiteral("その他の設定"), QStringLiteral("cmdMore")));
}

// A stepper is a group of its two buttons, named by its caption; with one
// button greyed the other stands alone and says which row it changes.
void addStepper(ScanTable &table, const OptionRowFacts &row)
{
    std::vector<ScanItem> buttons;
    if (row.canDecrease)
        buttons.push_back(control(QStringLiteral("−"), row.key + QStringLiteral("_minus")));
    if (row.canIncrease)
        buttons.push_back(control(QStringLiteral("＋"), row.key + QStringLiteral("_plus")));
    if (buttons.size() == 1) {
        buttons.front().name = row.caption + u' ' + buttons.front().name;
        table.push_back(std::move(buttons.front()));
    } else if (!buttons.empty()) {
        table.push_back(ScanItem::group(row.caption, std::move(buttons)));
    }
}

void addSecondPage(ScanTable &table, const OptionsDialogFacts &facts)
{
    for (const OptionRowFacts &row : facts.rows) {
        if (row.onOff)
            table.push_back(control(row.caption, row.key));
        else
            addStepper(table, row);
    }
    if (!facts.forgetCaption.isEmpty())
        table.push_back(control(facts.forgetCaption, QStringLiteral("cmdForget")));
    if (!facts.sheetCaption.isEmpty())
        table.push_back(control(facts.sheetCaption, QStringLiteral("cmdSheet")));
    if (!facts.backupCaption.isEmpty())
        table.push_back(control(facts.backupCaption, QStringLiteral("cmdBackup")));
    table.push_back(control(QStringLiteral("戻る"), QStringLiteral("cmdBack")));
}

} // namespace

ScanTable optionsDialogOrder(const OptionsDialogFacts &facts)
{
    ScanTable table;
    if (facts.secondPage)
        addSecondPage(table, facts);
    else
        addFirstPage(table, facts);
    // 確定 before キャンセル: after choosing settings one by one, the user
    // reaches 確定 without passing the button that would throw them away.
    table.push_back(control(QStringLiteral("確定"), QStringLiteral("cmdOK_1")));
    table.push_back(control(QStringLiteral("キャンセル"), QStringLiteral("cmdOK_0")));
    return table;
}

} // namespace pelumo
