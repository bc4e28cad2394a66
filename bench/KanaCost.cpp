// The cost of a kana under one-switch scanning: the real Scanner, on a fake
// clock, types every sentence of everyday_sentences.txt through the letter
// board and its selection screen (the default press mode), each character by
// the cheapest way the order offers. The user never errs and presses on the
// last moment of the highlight, so every highlight costs a full ScanTime.
#include "Stats.h"
#include "access/core/ScanOrders.h"
#include "access/core/Scanner.h"
#include "board/core/BoardTables.h"
#include "board/core/KanaVariants.h"
#include <QFile>
#include <cstdio>

namespace bench {
namespace {

using namespace pelumo;
using Cells = QList<QStringList>;

constexpr int kScanTime = 1000;
const QString kSpace = QStringLiteral(" ");

struct Order {
    const char *name;
    int lastColumn;
    SelectionOrder selection;
    bool backFirstAfterSpace;
};

const Order kOrders[] = {
    {"default: kana, its forms, スペース, the rest", 9, SelectionOrder::ChosenFirst, true},
    {"スペース after the rows", 9, SelectionOrder::SpaceAfterRows, true},
    {"default, but 戻る last after a space", 9, SelectionOrder::ChosenFirst, false},
    {"kana, then the rows as shown", 9, SelectionOrder::Rows, true},
    {"default on the 15-column board", 14, SelectionOrder::ChosenFirst, true},
};

struct Tally {
    qint64 ms = 0;
    int steps = 0;
    int presses = 0;
    int characters = 0;
    int untypeable = 0;
};

QStringList loadSentences()
{
    QFile file(QStringLiteral(PELUMO_SOURCE_DIR "/bench/everyday_sentences.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The 3 × 3 cells the selection screen shows around a board cell.
Cells selectionCells(const Cells &board, int row, int col)
{
    Cells cells(3, QStringList(3));
    for (int i = 0; i < 3; ++i) {
        const int r = row - 1 + i;
        if (r < 0 || r >= kBoardRows)
            continue;
        cells[i][0] = col > 0 ? board[r][col - 1] : QString();
        cells[i][1] = board[r][col];
        cells[i][2] = col < 9 ? board[r][col + 1] : QString();
        VariantCells forms{cells[i][0], cells[i][2]};
        fillKanaVariants(board[r][col], forms);
        cells[i][0] = forms.col0;
        cells[i][2] = forms.col2;
    }
    return cells;
}

bool findPath(const std::vector<ScanItem> &items, const ScanTarget &wanted, std::vector<int> &path)
{
    for (int i = 0; i < int(items.size()); ++i) {
        path.push_back(i);
        if (items[i].isGroup ? findPath(items[i].items, wanted, path) : items[i].target == wanted)
            return true;
        path.pop_back();
    }
    return false;
}

// Waits for each item on the way to `wanted` and presses on it; returns
// false when the table does not hold it.
bool select(Scanner &s, const ScanTarget &wanted, qint64 &now, Tally &t)
{
    std::vector<int> path;
    if (!findPath(s.table(), wanted, path))
        return false;
    for (;;) {
        const std::vector<int> &at = s.path();
        const bool onTheWay = std::equal(at.begin(), at.end(), path.begin(), path.begin() + at.size());
        now = s.nextDue() - (onTheWay ? 1 : 0);
        if (!onTheWay) {
            s.advanceTo(now);
            ++t.steps;
            continue;
        }
        ++t.presses;
        const ScanResult r = s.press(SwitchId::Select, now);
        s.release(SwitchId::Select, now);
        now += 1;
        if (r.event == ScanEvent::Selected)
            return true;
    }
}

// One character by way of the board cell (row, col); false if that cell's
// selection screen does not offer it.
bool typeVia(Scanner &s, const Cells &board, const Order &order, int row, int col, const QString &ch,
             qint64 &now, Tally &t)
{
    SelectionFacts facts{.cells = selectionCells(board, row, col), .order = order.selection};
    VariantCells forms;
    fillKanaVariants(board[row][col], forms);
    facts.formLeft = !forms.col0.isEmpty();
    facts.formRight = !forms.col2.isEmpty();
    ScanTarget wanted = ScanTarget::control("cmdspace");
    if (ch != kSpace) {
        int r = 0, c = 0;
        for (r = 0; r < 3; ++r)
            if ((c = int(facts.cells[r].indexOf(ch))) >= 0)
                break;
        if (r == 3)
            return false;
        wanted = ScanTarget::cell("grdBoard2", r, c);
    }
    if (!select(s, ScanTarget::cell("grdBoard", row, col), now, t))
        return false;
    s.setTable(selectionOrder(facts), now);
    if (!select(s, wanted, now, t))
        return false;
    if (ch == kSpace) {
        facts.spaceJustEntered = order.backFirstAfterSpace;
        s.setTable(selectionOrder(facts), now);
        select(s, ScanTarget::control("cmdEnd2"), now, t);
    }
    return true;
}

// Types one character by the cheapest route, leaving the scanner as that
// route left it.
void typeCharacter(Scanner &s, const Cells &board, const ScanTable &boardTable, const Order &order,
                   const QString &ch, qint64 &now, Tally &t)
{
    Scanner best;
    Tally bestTally;
    qint64 bestNow = -1;
    for (int row = 0; row < kBoardRows; ++row) {
        for (int col = 0; col <= order.lastColumn; ++col) {
            if (board[row][col].isEmpty())
                continue;
            Scanner trial = s;
            Tally trialTally = t;
            qint64 trialNow = now;
            if (!typeVia(trial, board, order, row, col, ch, trialNow, trialTally))
                continue;
            if (bestNow < 0 || trialNow < bestNow) {
                best = trial;
                bestTally = trialTally;
                bestNow = trialNow;
            }
        }
    }
    if (bestNow < 0) {
        ++t.untypeable;
        return;
    }
    s = best;
    t = bestTally;
    now = bestNow;
    s.setTable(boardTable, now);
    ++t.characters;
}

Tally typeAll(const QStringList &sentences, const Order &order)
{
    const Cells board = boardCells(BoardKind::Hiragana, order.lastColumn);
    LetterBoardFacts facts;
    facts.cells = board;
    const ScanTable boardTable = letterBoardOrder(facts);
    ScanSettings settings;
    settings.scanTime = kScanTime;
    Scanner s(settings);
    Tally t;
    qint64 now = 0;
    s.setTable(boardTable, now);
    for (const QString &sentence : sentences) {
        for (const QChar ch : sentence)
            typeCharacter(s, board, boardTable, order, QString(ch == QChar(0x3000) ? QChar(u' ') : ch), now, t);
    }
    t.ms = now;
    return t;
}

} // namespace

std::vector<Row> measureKanaCost()
{
    const QStringList sentences = loadSentences();
    std::vector<Row> rows;
    std::printf("%-44s %10s %10s %10s %8s\n", "order (ScanTime 1000 ms, InputMode 1)", "steps/kana",
                "press/kana", "kana/min", "missing");
    for (const Order &order : kOrders) {
        const Tally t = typeAll(sentences, order);
        const double n = qMax(1, t.characters);
        const double perMinute = 60000.0 * t.characters / qMax<qint64>(1, t.ms);
        std::printf("%-44s %10.2f %10.2f %10.2f %8d\n", order.name, t.steps / n, t.presses / n,
                    perMinute, t.untypeable);
        Row row;
        row.figure = QStringLiteral("kana/min: %1").arg(QString::fromUtf8(order.name));
        row.value.add(perMinute);
        row.unit = QStringLiteral("kana/min");
        const bool isDefault = &order == &kOrders[0];
        row.goal = isDefault ? QStringLiteral(">= 8 kana/min") : QStringLiteral("(beside the default)");
        row.met = !isDefault || (perMinute >= 8 && t.untypeable == 0);
        rows.push_back(row);
    }
    std::printf("(%lld sentences; a character is a kana, a mark or a space)\n",
                static_cast<long long>(sentences.size()));
    return rows;
}

} // namespace bench
