#include "access/core/ScanOrders.h"

namespace pelumo {
namespace {

ScanItem control(const QString &name, const char *id)
{
    return ScanItem::of(name, ScanTarget::control(QString::fromLatin1(id)));
}

// A group of one is its item: entering it would only cost a step and a press.
ScanItem groupOrLone(const QString &name, std::vector<ScanItem> items)
{
    if (items.size() == 1)
        return std::move(items.front());
    return ScanItem::group(name, std::move(items));
}

void addCell(std::vector<ScanItem> &items, const QList<QStringList> &cells, const QString &grid,
             int row, int col)
{
    if (row < cells.size() && col < cells[row].size() && !cells[row][col].isEmpty())
        items.push_back(ScanItem::of(cells[row][col], ScanTarget::cell(grid, row, col)));
}

// Kana boards: one group a column, from the あ column at the right edge
// leftwards, as the board reads; the kana top to bottom.
void addKanaColumns(ScanTable &table, const QList<QStringList> &cells)
{
    const int columns = cells.isEmpty() ? 0 : int(cells[0].size());
    for (int col = columns - 1; col >= 0; --col) {
        std::vector<ScanItem> kana;
        for (int row = 0; row < cells.size(); ++row)
            addCell(kana, cells, QStringLiteral("grdBoard"), row, col);
        if (!kana.empty()) {
            const QString name = kana.front().name + QStringLiteral("行");
            table.push_back(groupOrLone(name, std::move(kana)));
        }
    }
}

// The alphanumeric board reads like a keyboard: one group a row, left to right.
void addRows(ScanTable &table, const QList<QStringList> &cells)
{
    for (int row = 0; row < cells.size(); ++row) {
        std::vector<ScanItem> keys;
        for (int col = 0; col < cells[row].size(); ++col)
            addCell(keys, cells, QStringLiteral("grdBoard"), row, col);
        if (!keys.empty()) {
            const QString name = keys.front().name + QStringLiteral("の段");
            table.push_back(groupOrLone(name, std::move(keys)));
        }
    }
}

ScanItem kindKey(const QString &caption)
{
    return ScanItem::of(caption, ScanTarget::control("cmdKey"));
}

// 広げる alone; in the wide layout a group of 狭める, コピ and 貼る.
ScanItem layoutKeys(bool wide)
{
    std::vector<ScanItem> layout;
    layout.push_back(control(wide ? QStringLiteral("狭める") : QStringLiteral("広げる"), "cmdWide"));
    if (wide) {
        layout.push_back(control(QStringLiteral("コピ"), "cmdCopy"));
        layout.push_back(control(QStringLiteral("貼る"), "cmdPaste"));
    }
    return groupOrLone(QStringLiteral("コピと貼る"), std::move(layout));
}

void addBoardCommands(ScanTable &table, const LetterBoardFacts &facts)
{
    table.push_back(control(QStringLiteral("読む"), "cmdRead"));
    table.push_back(ScanItem::group(QStringLiteral("編集"), {
        control(QStringLiteral("←"), "cmdRes2"), control(QStringLiteral("→"), "cmdRes0"),
        control(QStringLiteral("↑"), "cmdRes4"), control(QStringLiteral("↓"), "cmdRes3"),
        control(QStringLiteral("ＢＳ"), "cmdRes1"), control(QStringLiteral("始め"), "cmdStart"),
    }));
    std::vector<ScanItem> phrases;
    phrases.push_back(control(facts.diaryOpen ? QStringLiteral("日記終了") : QStringLiteral("例文表示"),
                              "cmdSamp"));
    if (!facts.diaryOpen)
        phrases.push_back(control(QStringLiteral("例文追加"), "cmdSampADD"));
    table.push_back(groupOrLone(QStringLiteral("例文"), std::move(phrases)));
    table.push_back(kindKey(facts.kindCaption));
    table.push_back(layoutKeys(facts.wide));
}

// After the keys of a list or a diary entry: the phrase-mode button, the
// phrase key, and the keys that stay from the board, in the board's order.
void addCommands(ScanTable &table, const CommandFacts &facts)
{
    table.push_back(ScanItem::of(facts.modeCaption, ScanTarget::control("cmdSamp")));
    if (facts.phraseKey == PhraseKey::Add)
        table.push_back(control(QStringLiteral("例文追加"), "cmdSampADD"));
    if (facts.phraseKey == PhraseKey::Delete)
        table.push_back(control(QStringLiteral("例文削除"), "cmdSampDel"));
    table.push_back(control(QStringLiteral("読む"), "cmdRead"));
    table.push_back(kindKey(facts.kindCaption));
    table.push_back(layoutKeys(facts.wide));
}

const QString kSelectionGrid = QStringLiteral("grdBoard2");

// A row above or below on the selection screen: the middle (the board's own
// column), then the right-hand cell, then the left-hand one.
void addSelectionRow(ScanTable &table, const QList<QStringList> &cells, int row)
{
    std::vector<ScanItem> items;
    for (int col : {1, 2, 0})
        addCell(items, cells, kSelectionGrid, row, col);
    if (!items.empty()) {
        const QString name = items.front().name;
        table.push_back(groupOrLone(name, std::move(items)));
    }
}

// The outer cells of the chosen kana's row, right before left: those that
// are its own forms, or those that are the board's neighbouring kana.
void addOuterCells(ScanTable &table, const SelectionFacts &facts, bool forms)
{
    if (facts.formRight == forms)
        addCell(table, facts.cells, kSelectionGrid, 1, 2);
    if (facts.formLeft == forms)
        addCell(table, facts.cells, kSelectionGrid, 1, 0);
}

// The word buttons, then the likely next kana: what the user most likely
// wants comes before the board's rows.
void addPredictions(ScanTable &table, const LetterBoardFacts &facts)
{
    std::vector<ScanItem> words;
    for (int i = 0; i < facts.words.size(); ++i)
        words.push_back(ScanItem::of(facts.words[i], ScanTarget::control(QStringLiteral("cmdWord%1").arg(i))));
    if (!words.empty())
        table.push_back(groupOrLone(QStringLiteral("単語"), std::move(words)));
    std::vector<ScanItem> cells;
    for (const auto &[row, col] : facts.predictedCells)
        addCell(cells, facts.cells, QStringLiteral("grdBoard"), row, col);
    if (!cells.empty())
        table.push_back(groupOrLone(QStringLiteral("予測"), std::move(cells)));
}

} // namespace

ScanTable letterBoardOrder(const LetterBoardFacts &facts)
{
    ScanTable table;
    // The widened message covers the board: only the keys below it remain.
    if (!facts.wide && facts.kana) {
        addPredictions(table, facts);
        addKanaColumns(table, facts.cells);
    }
    else if (!facts.wide)
        addRows(table, facts.cells);
    addBoardCommands(table, facts);
    return table;
}

ScanTable selectionOrder(const SelectionFacts &facts)
{
    const ScanItem back = control(QStringLiteral("戻る"), "cmdEnd2");
    const ScanItem space = control(QStringLiteral("スペース"), "cmdspace");
    ScanTable table;
    // After a space the screen stays open, and leaving it is what comes next.
    if (facts.spaceJustEntered)
        table.push_back(back);
    addCell(table, facts.cells, kSelectionGrid, 1, 1);
    if (facts.order == SelectionOrder::Rows) {
        for (int row = 0; row < 3; ++row)
            addSelectionRow(table, facts.cells, row);
    } else {
        // Scanning picks the very kana meant: its own forms are what the
        // screen was opened for; the neighbours only mend an imprecise touch.
        addOuterCells(table, facts, true);
        if (facts.order == SelectionOrder::ChosenFirst)
            table.push_back(space);
        addOuterCells(table, facts, false);
        addSelectionRow(table, facts.cells, 0);
        addSelectionRow(table, facts.cells, 2);
    }
    if (facts.order != SelectionOrder::ChosenFirst)
        table.push_back(space);
    if (!facts.spaceJustEntered)
        table.push_back(back);
    return table;
}

ScanTable listOrder(const CommandFacts &facts)
{
    ScanTable table = {control(QStringLiteral("▽"), "cmdDown"), control(QStringLiteral("△"), "cmdUp"),
                       control(QStringLiteral("決定"), "cmdDec")};
    addCommands(table, facts);
    return table;
}

ScanTable diaryEntryOrder(const CommandFacts &facts)
{
    ScanTable table = {control(QStringLiteral("修正する"), "cmdRevise"),
                       control(QStringLiteral("戻る"), "cmdBack")};
    addCommands(table, facts);
    return table;
}

QString spokenName(const QString &name)
{
    static const std::pair<QString, QString> kSuffixes[] = {
        {QStringLiteral("行"), QStringLiteral("ぎょう")},
        {QStringLiteral("の段"), QStringLiteral("のだん")},
    };
    for (const auto &[suffix, spoken] : kSuffixes)
        if (name.size() > suffix.size() && name.endsWith(suffix))
            return name.chopped(suffix.size()) + spoken;
    return name;
}

ScanTable questionOrder(const QString &affirmative, const QString &negative)
{
    ScanTable table;
    // The negative answer first: a slip then keeps, never destroys.
    if (!negative.isEmpty())
        table.push_back(ScanItem::of(negative, ScanTarget::control("cmdOK1")));
    table.push_back(ScanItem::of(affirmative, ScanTarget::control("cmdOK0")));
    return table;
}

} // namespace pelumo
