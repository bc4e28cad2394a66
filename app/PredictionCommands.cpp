// Prediction: with 単語予測 on, up to six words that complete the kana typed,
// or that are likely after the phrase just written, stand in the side panel
// in place of the quick phrases, and a touch on one puts it in place of
// those kana (or at the caret); with 予測の色 on, the likely next kana are
// tinted on the board and offered first under scanning. Both change only
// after an entry. The lexicon is read on a thread of its own after the first
// paint, once either setting is on, and so are the words of the user's
// writing; until the lexicon is there, the user's own words alone are
// offered.
#include "app/frmTalk.h"
#include "app/core/SidePanelGeometry.h"
#include "app/WrittenWords.h"
#include "prediction/PredictionFiles.h"
#include "prediction/core/KanaText.h"
#include "speech/core/MecabTagger.h"
#include <QDateTime>
#include <QTimer>
#include <QLoggingCategory>

namespace pelumo {
namespace {

constexpr double kWordPoints = 18;
// The quick phrases' first six cells: rows 3 to 5 of the panel.
constexpr int kFirstWordRow = 3;

qint64 nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}

// 予測の色: pale enough that the black kana reads as on white, a deeper tint
// for a likelier kana.
OleColor tintOf(Likelihood level)
{
    switch (level) {
    case Likelihood::High:
        return rgb(255, 208, 140);
    case Likelihood::Middle:
        return rgb(255, 228, 184);
    case Likelihood::Low:
        return rgb(255, 242, 220);
    case Likelihood::None:
        break;
    }
    return colors::White;
}

Likelihood levelIn(const QList<NextKana> &next, const QString &cell)
{
    for (const NextKana &n : next)
        if (cell == QString(n.kana))
            return n.level;
    return Likelihood::None;
}

void paintCell(FlexGrid *grid, int row, int col, OleColor color)
{
    grid->setRow(row);
    grid->setCol(col);
    grid->setColSel(col);
    grid->setCellBackColor(color);
}

} // namespace

void frmTalk::createPrediction()
{
    for (int i = 0; i < Predictor::kMaxWords; ++i) {
        auto *button = new CommandButton(QString(), rgb(224, 255, 255), panel);
        button->setObjectName(QStringLiteral("cmdWord%1").arg(i));
        layout.place(button, panelCell(i % 2, kFirstWordRow + i / 2), {kPGothic, kWordPoints, true});
        button->hide();
        connect(button, &QAbstractButton::clicked, this, [this, i] { cmdWord_Click(i); });
        cmdWord[size_t(i)] = button;
    }
}

// On every change of screen, after the first paint and after the options
// dialog: the buttons as the screen and the settings say, and the files
// read once either setting is first on.
void frmTalk::applyPrediction()
{
    if (!state.WordPredict && !state.PredictColour) {
        if (!m_prediction.isEmpty())
            showPrediction({});
        return;
    }
    showPrediction(m_prediction);
    if (m_lexiconAsked || !m_phraseBookQueued)
        return;
    m_lexiconAsked = true;
    const LearntWordsRead learnt = readLearntWords(learntWordsPath());
    if (!learnt.ok)
        qWarning().noquote() << "learnt words not read:" << learnt.errorString;
    predictor.setUserWords(learnt.words);
    if (const QString path = lexiconPath(); !path.isEmpty())
        loadLexiconInBackground(path, this, [this](BaseLexicon base) {
            if (base.lexicon)
                predictor.setLexicon(std::move(base.lexicon), std::move(base.gram));
            predictor.setNextWords(std::move(base.next));
        });
    // The user's writing as it stands now; what is written later is learnt
    // as it is read aloud.
    QStringList texts = phrases->book().rows();
    texts += history.entries();
    readWrittenWordsInBackground(std::move(texts), diary->book().path(), this,
                                 [this](std::shared_ptr<const Lexicon> words, std::shared_ptr<const KanaNgram> gram) {
                                     predictor.setWrittenWords(std::move(words), std::move(gram));
                                 });
}

bool frmTalk::wordsShown() const
{
    return state.WordPredict && m_panelShown && state.screen.shown == Screen::Board;
}

// After every entry from the board or the selection screen, at the end of
// the message (where the phrase candidates are looked up too).
void frmTalk::predictAfterEntry()
{
    if (!state.WordPredict && !state.PredictColour)
        return;
    const QString text = message->text();
    const int caret = message->selStart();
    const bool atEnd = text.endsWith(kEndMarker) && caret == text.size() - 1;
    showPrediction(atEnd ? predictor.predict(typedText(text, caret), nowSeconds()) : Prediction());
}

void frmTalk::showPrediction(const Prediction &p)
{
    m_prediction = p;
    QStringList shown;
    if (wordsShown() && (!scanning->isScanning() || Predictor::worthAScanStep(p.words)))
        for (const Completion &c : p.words.first(std::min<qsizetype>(p.words.size(), Predictor::kMaxWords)))
            shown << c.word;
    for (int i = 0; i < Predictor::kMaxWords; ++i) {
        CommandButton *button = cmdWord[size_t(i)];
        button->setCaption(shown.value(i));
        button->setVisible(i < shown.size());
    }
    showTints();
    if (shown == m_wordsShown)
        return;
    m_wordsShown = shown;
    // The words stand in place of the quick phrases while there are some.
    if (!shown.isEmpty())
        for (int i = 0; i < Predictor::kMaxWords; ++i)
            panel->cmdQuick[size_t(i)]->hide();
    else
        panel->showQuickPhrases(quick.phrases());
    scanning->refreshSoon();
}

// The word in place of the kana it completes (a next word, which replaces
// none, at the caret, after a space where the phrase before ends there),
// the end marker kept and the highlight after the
// word: one step for 元に戻す. A word that no longer
// fits the message (edited since) does nothing.
void frmTalk::cmdWord_Click(int index)
{
    if (!wordsShown() || index >= m_prediction.words.size())
        return;
    const Completion chosen = m_prediction.words[index];
    const QString text = message->text();
    const int caret = message->selStart();
    const QStringView before = QStringView(text).first(qBound(0, caret, int(text.size())));
    if (!before.endsWith(QStringView(chosen.word).first(chosen.replaced))
        || !message->decideCandidate(chosen.written(), chosen.replaced)) {
        services.beeper.beep();
        return;
    }
    message->focus();
    message->selectNextIfCaret();
    // The word ends there: what comes next begins a word of its own, so no
    // tail of it is completed; the words likely after it are offered.
    showPrediction(predictor.predict(TypedText{{}, typedRun(message->text(), message->selStart())}, nowSeconds()));
}

// Every message read aloud: its words and phrases, as MeCab splits and
// reads them, one use each, kept at once in the learnt words' file. Off the path of 読む:
// after the reading has started, and only while 単語予測 or 予測の色 is on.
void frmTalk::learnFromMessage(const QString &text)
{
    if (!state.WordPredict && !state.PredictColour)
        return;
    QTimer::singleShot(0, this, [this, text] {
        if (!m_tagger) {
            QString error;
            m_tagger = MecabTagger::open(QString::fromLatin1(kIpadicUtf8Dir), &error);
            if (!m_tagger) {
                qWarning().noquote() << "learning without MeCab:" << error;
                return;
            }
        }
        const QStringList readings = readingsToLearn(*m_tagger, QString(text).remove(kEndMarker));
        predictor.learn(readings, nowSeconds());
        QString error;
        if (!writeLearntWords(learntWordsPath(), predictor.userWords(), &error))
            qWarning().noquote() << "learnt words not saved:" << error;
    });
}

// The cells tinted before go back to white; the likely next kana's cells
// are tinted, on the board or, on the selection screen, the likely forms.
// Only the cells of the tints are painted: the board's own colours (the
// entered key's) stay as they are.
void frmTalk::showTints()
{
    for (const auto &[grid, row, col] : m_tinted)
        paintCell(grid, row, col, colors::White);
    m_tinted.clear();
    if (!state.PredictColour || state.board.kind == BoardKind::Alphanumeric)
        return;
    const bool onBoard = state.screen.shown == Screen::Board;
    if (!onBoard && state.screen.shown != Screen::Selection)
        return;
    FlexGrid *grid = onBoard ? grdBoard : grdBoard2;
    const QList<NextKana> &next = onBoard ? m_prediction.cells : m_prediction.forms;
    // What the cells hold, from the board's tables, not read back from the grid.
    const QList<QStringList> cells = onBoard ? board->shownCells() : board->shownSelection().cells;
    grid->setRedraw(false);
    for (int row = 0; row < cells.size(); ++row)
        for (int col = 0; col < cells[row].size(); ++col)
            if (const Likelihood level = levelIn(next, cells[row][col]); level != Likelihood::None) {
                paintCell(grid, row, col, tintOf(level));
                m_tinted.push_back({grid, row, col});
            }
    grid->setRedraw(true);
}

void frmTalk::forgetLearntWords()
{
    predictor.forget();
    QString error;
    if (!writeLearntWords(learntWordsPath(), predictor.userWords(), &error)) {
        qWarning().noquote() << "learnt words not reset:" << error;
        AskQuestion(QStringLiteral("覚えた言葉のファイルを書き換えられませんでした。"), 48,
                    QStringLiteral("学習をリセット"));
    }
    showPrediction({});
}

void frmTalk::addPredictions(LetterBoardFacts &facts) const
{
    facts.words = m_wordsShown;
    if (!state.PredictColour)
        return;
    for (const NextKana &n : m_prediction.cells)
        for (int row = 0; row < facts.cells.size(); ++row)
            if (const int col = int(facts.cells[row].indexOf(QString(n.kana))); col >= 0)
                facts.predictedCells.push_back({row, col});
}

} // namespace pelumo
