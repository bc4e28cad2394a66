// The cost of a kana under one-switch scanning: the real Scanner, on a fake
// clock, types every sentence of everyday_sentences.txt (or of the file given
// with --sentences) through the letter board and its selection screen (the
// default press mode), each character by the cheapest way the order offers.
// The user never errs and presses on the last moment of the highlight, so
// every highlight costs a full ScanTime. With prediction, the word buttons
// (単語) and the likely next kana (予測) come first on the board, from the
// base lexicon only: the user's own writing is left out, so that nothing is
// learnt from the sentences themselves. The words are offered, as under
// scanning in the program, only when one is worth a step; a word is taken
// whenever one that is shown finishes at least two kana of what is to be
// typed. After a space or a word taken, the words offered are those likely
// after the phrase before (next words, as the program offers them).
#include "Stats.h"
#include "access/core/ScanOrders.h"
#include "access/core/Scanner.h"
#include "board/core/BoardTables.h"
#include "board/core/KanaVariants.h"
#include "prediction/PredictionFiles.h"
#include "prediction/core/KanaText.h"
#include "prediction/core/Predictor.h"
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <optional>
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
    bool predictedCells = false;   // 予測 first on the board
    bool words = false;            // 単語 first on the board
};

const Order kOrders[] = {
    {"default: kana, its forms, スペース, the rest", 9, SelectionOrder::ChosenFirst, true},
    {"スペース after the rows", 9, SelectionOrder::SpaceAfterRows, true},
    {"default, but 戻る last after a space", 9, SelectionOrder::ChosenFirst, false},
    {"kana, then the rows as shown", 9, SelectionOrder::Rows, true},
    {"default on the 15-column board", 14, SelectionOrder::ChosenFirst, true},
    {"default with 予測 first", 9, SelectionOrder::ChosenFirst, true, true, false},
    {"default with 単語 first", 9, SelectionOrder::ChosenFirst, true, false, true},
    {"default with 単語 and 予測 first", 9, SelectionOrder::ChosenFirst, true, true, true},
};
// A word is worth its button when it finishes at least this many kana.
constexpr int kShortestGain = 2;

struct Tally {
    qint64 ms = 0;
    int steps = 0;
    int presses = 0;
    int characters = 0;
    int untypeable = 0;
    int words = 0;
};

QStringList loadSentences(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    // The kana board's full-width space counted as the half-width one.
    return QString::fromUtf8(file.readAll()).replace(QChar(kKanaSpace), kSpace).split('\n', Qt::SkipEmptyParts);
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

// Every way to `wanted` (a cell may stand in 予測 and in its column).
void findPaths(const std::vector<ScanItem> &items, const ScanTarget &wanted, std::vector<int> &path,
               std::vector<std::vector<int>> &found)
{
    for (int i = 0; i < int(items.size()); ++i) {
        path.push_back(i);
        if (items[i].isGroup)
            findPaths(items[i].items, wanted, path, found);
        else if (items[i].target == wanted)
            found.push_back(path);
        path.pop_back();
    }
}

bool selectBy(Scanner &s, const std::vector<int> &path, qint64 &now, Tally &t)
{
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

// Waits for each item on the way to `wanted` and presses on it, by the
// quickest way; returns false when the table does not hold it.
bool select(Scanner &s, const ScanTarget &wanted, qint64 &now, Tally &t)
{
    std::vector<int> path;
    std::vector<std::vector<int>> paths;
    findPaths(s.table(), wanted, path, paths);
    std::optional<Scanner> best;
    Tally bestTally;
    qint64 bestNow = 0;
    for (const std::vector<int> &way : paths) {
        Scanner trial = s;
        Tally trialTally = t;
        qint64 trialNow = now;
        if (selectBy(trial, way, trialNow, trialTally) && (!best || trialNow < bestNow)) {
            best = trial;
            bestTally = trialTally;
            bestNow = trialNow;
        }
    }
    if (!best)
        return false;
    s = *best;
    t = bestTally;
    now = bestNow;
    return true;
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
void typeCharacter(Scanner &s, const Cells &board, const Order &order, const QString &ch, qint64 &now,
                   Tally &t)
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
    ++t.characters;
}

// The shown word that finishes the most of what is still to be typed, if
// it finishes at least `shortest` kana: its index and how many it adds.
std::pair<int, int> usefulWord(const Prediction &p, QStringView rest, int shortest = kShortestGain)
{
    std::pair<int, int> best{-1, 0};
    for (int i = 0; i < p.words.size(); ++i) {
        const Completion &c = p.words[i];
        // The sentences are written with the half-width space.
        const QString added = c.written().sliced(c.replaced).replace(QChar(kKanaSpace), kSpace);
        const int gain = int(added.size());
        if (gain >= shortest && gain > best.second && rest.startsWith(added))
            best = {i, gain};
    }
    return best;
}

std::pair<int, int> boardPlace(const Cells &board, QChar kana)
{
    for (int row = 0; row < board.size(); ++row)
        for (int col = 0; col < board[row].size(); ++col)
            if (board[row][col] == QString(kana))
                return {row, col};
    return {-1, -1};
}

// What the predictor is asked at position: as the program asks, after a
// word taken the phrase that ends with it, and no tail of it to complete.
TypedText typedAt(QStringView sentence, int position, bool wordTaken)
{
    return wordTaken ? TypedText{{}, typedRun(sentence, position)} : typedText(sentence, position);
}

// The board as the user sees it after an entry: the word buttons and the
// likely next kana for what stands before the caret.
LetterBoardFacts boardFacts(const Cells &board, const Order &order, const Prediction &p)
{
    LetterBoardFacts facts;
    facts.cells = board;
    if (order.words && Predictor::worthAScanStep(p.words))
        for (const Completion &c : p.words)
            facts.words << c.word;
    if (order.predictedCells)
        for (const NextKana &n : p.cells)
            if (const auto place = boardPlace(board, n.kana); place.first >= 0)
                facts.predictedCells.push_back(place);
    return facts;
}

Tally typeAll(const QStringList &sentences, const Order &order, const Predictor &predictor)
{
    const Cells board = boardCells(BoardKind::Hiragana, order.lastColumn);
    ScanSettings settings;
    settings.scanTime = kScanTime;
    Scanner s(settings);
    Tally t;
    qint64 now = 0;
    const bool predicting = order.words || order.predictedCells;
    for (const QString &sentence : sentences) {
        bool wordTaken = false;
        for (int i = 0; i < sentence.size();) {
            const Prediction p = predicting ? predictor.predict(typedAt(sentence, i, wordTaken), 0) : Prediction();
            wordTaken = false;
            s.setTable(letterBoardOrder(boardFacts(board, order, p)), now);
            const auto [word, gain] = order.words && Predictor::worthAScanStep(p.words) ? usefulWord(p, QStringView(sentence).sliced(i))
                                                  : std::pair<int, int>{-1, 0};
            if (word >= 0 && select(s, ScanTarget::control(QStringLiteral("cmdWord%1").arg(word)), now, t)) {
                t.characters += gain;
                ++t.words;
                i += gain;
                wordTaken = true;
                continue;
            }
            typeCharacter(s, board, order, QString(sentence[i]), now, t);
            ++i;
        }
    }
    t.ms = now;
    return t;
}

// How a touch user enters a character: with one press (FirstScreenMode 2),
// or by default (FirstScreenMode 0) with a press on the board and one on
// its selection screen, a space with a board cell, スペース and 戻る.
enum class TouchMode { Direct, ThroughScreen };

int touchesFor(QChar ch, TouchMode mode)
{
    if (mode == TouchMode::Direct)
        return 1;
    return ch == u' ' ? 3 : 2;
}

// Touches without and with the word buttons beside the board. A word, one
// touch, is taken whenever it finishes more touches' worth of what is to
// be typed; predictTimes gets how long each prediction after an entry took.
std::pair<int, int> touches(const QStringList &sentences, const Predictor &predictor, TouchMode mode,
                            Samples &predictTimes)
{
    const int shortest = mode == TouchMode::Direct ? 2 : 1;
    int without = 0, with = 0;
    QElapsedTimer clock;
    // With PELUMO_BENCH_TRACE set, each sentence goes to stderr as typed:
    // a word taken in brackets.
    static const bool trace = qEnvironmentVariableIsSet("PELUMO_BENCH_TRACE");
    for (const QString &sentence : sentences) {
        for (const QChar ch : sentence)
            without += touchesFor(ch, mode);
        bool wordTaken = false;
        for (int i = 0; i < sentence.size();) {
            clock.start();
            const Prediction p = predictor.predict(typedAt(sentence, i, wordTaken), 0);
            predictTimes.add(clock.nsecsElapsed() / 1e6);
            const auto [word, gain] = usefulWord(p, QStringView(sentence).sliced(i), shortest);
            wordTaken = word >= 0;
            with += wordTaken ? 1 : touchesFor(sentence[i], mode);
            const int typed = wordTaken ? gain : 1;
            if (trace && mode == TouchMode::ThroughScreen) {
                const QString text = sentence.sliced(i, typed);
                std::fprintf(stderr, "%s", qPrintable(wordTaken ? u'[' + text + u']' : text));
            }
            i += typed;
        }
        if (trace && mode == TouchMode::ThroughScreen)
            std::fprintf(stderr, "\n");
    }
    return {without, with};
}

Row touchRow(const char *mode, int without, int with, bool counted)
{
    const double saved = 100.0 * (without - with) / qMax(1, without);
    std::printf("touches, %s: %d a character, %d with the word buttons: %.1f %% saved\n", mode, without, with,
                saved);
    Row touch;
    touch.figure = QStringLiteral("touches saved by the word buttons, %1").arg(QString::fromUtf8(mode));
    touch.value.add(saved);
    touch.unit = QStringLiteral("%");
    touch.goal = counted ? QStringLiteral(">= 35 %") : QStringLiteral("(beside the default)");
    touch.met = !counted || saved >= 35;
    return touch;
}

} // namespace

std::vector<Row> measureKanaCost(const QString &sentencesFile)
{
    const QString path = sentencesFile.isEmpty() ? QStringLiteral(PELUMO_SOURCE_DIR "/bench/everyday_sentences.txt")
                                                 : sentencesFile;
    const QStringList sentences = loadSentences(path);
    Predictor predictor;
    const QString lexicon = lexiconPath();
    BaseLexicon base = lexicon.isEmpty() ? BaseLexicon() : readBaseLexicon(lexicon);
    if (base.lexicon)
        predictor.setLexicon(std::move(base.lexicon), std::move(base.gram));
    else
        std::printf("no lexicon: the prediction rows predict nothing\n");
    if (base.next)
        predictor.setNextWords(std::move(base.next));
    else
        std::printf("no next words: none are offered after a phrase\n");
    std::vector<Row> rows;
    std::printf("%-44s %10s %10s %10s %8s %6s\n", "order (ScanTime 1000 ms, InputMode 1)", "steps/kana",
                "press/kana", "kana/min", "missing", "words");
    for (const Order &order : kOrders) {
        const Tally t = typeAll(sentences, order, predictor);
        const double n = qMax(1, t.characters);
        const double perMinute = 60000.0 * t.characters / qMax<qint64>(1, t.ms);
        std::printf("%-44s %10.2f %10.2f %10.2f %8d %6d\n", order.name, t.steps / n, t.presses / n,
                    perMinute, t.untypeable, t.words);
        Row row;
        row.figure = QStringLiteral("kana/min: %1").arg(QString::fromUtf8(order.name));
        row.value.add(perMinute);
        row.unit = QStringLiteral("kana/min");
        const bool isDefault = &order == &kOrders[0];
        const bool isPredicted = order.words && order.predictedCells;
        row.goal = isDefault ? QStringLiteral(">= 8 kana/min")
                   : isPredicted ? QStringLiteral(">= 10 kana/min") : QStringLiteral("(beside the default)");
        row.met = (!isDefault && !isPredicted) || (perMinute >= (isPredicted ? 10 : 8) && t.untypeable == 0);
        rows.push_back(row);
    }
    Row predictRow;
    predictRow.figure = QStringLiteral("prediction after an entry");
    predictRow.goal = QStringLiteral("p99 <= 2 ms");
    const auto [without, with] = touches(sentences, predictor, TouchMode::ThroughScreen, predictRow.value);
    predictRow.met = predictRow.value.p99() <= 2;
    rows.push_back(predictRow);
    rows.push_back(touchRow("default (board, then its selection screen)", without, with, true));
    Samples unused;
    const auto [withoutDirect, withDirect] = touches(sentences, predictor, TouchMode::Direct, unused);
    rows.push_back(touchRow("one touch enters (FirstScreenMode 2)", withoutDirect, withDirect, false));
    std::printf("(%lld sentences of %s; a character is a kana, a mark or a space)\n",
                static_cast<long long>(sentences.size()), qPrintable(QFileInfo(path).fileName()));
    return rows;
}

} // namespace bench
