#pragma once
// frmTalk, the main window: the whole working surface of Pelumo.
//
// The window owns every control (MainControls, named as the layout tables
// name them), the scaled layout, the program state (one ProgramState, the only copy) and one
// controller a subsystem, each handed its controls and its part of the state:
//   board/       BoardController: the letter board and the selection screen
//   editing/     MessageArea (every change of the message), EditController
//                (editing keys, layouts, copy and paste), ListKeys (△ ▽ 決定)
//   phrasebook/  PhraseCommands (the phrase book, the candidates) and
//                DiaryCommands, on the PhraseBook and DiaryBook models
//   speech/      SpeechController: key echoes and 読む
// The controllers never call each other: what spans subsystems is wired here
// (Connections.cpp), and the screen shown is set only by showScreen
// (Screens.cpp), from a table.
#include "access/DwellPointer.h"
#include "access/ScanDriver.h"
#include "access/core/ScanOrders.h"
#include "access/SwitchInput.h"
#include "app/CallForHelp.h"
#include "app/MainControls.h"
#include "app/SidePanel.h"
#include "speech/Chime.h"
#include "app/core/ProgramState.h"
#include "board/BoardController.h"
#include "editing/ConversionService.h"
#include "editing/EditController.h"
#include "editing/ListKeys.h"
#include "editing/MessageArea.h"
#include "editing/core/KanaConversion.h"
#include "phrasebook/DiaryCommands.h"
#include "phrasebook/PhraseCommands.h"
#include "phrasebook/core/QuickPhrases.h"
#include "phrasebook/core/SpokenHistory.h"
#include "platform/Clock.h"
#include "platform/Devices.h"
#include "platform/SettingsStore.h"
#include "prediction/core/Predictor.h"
#include "speech/SpeechController.h"
#include "speech/core/Agent.h"
#include "speech/core/MecabTagger.h"
#include "widgets/ScaledLayout.h"
#include <QWidget>

namespace pelumo {

// What the window needs of the machine, so tests can hand in their own.
struct Services {
    SettingsStore &settings;
    Clock &clock;
    Beeper &beeper;
    Clipboard &clipboard;
    AgentCharacter &agent;
    QString programDir;   // the folder holding the program file
    Chime *chime = nullptr;   // the call's chime; the machine's own when none is given
    ConversionService::Factory converter = {};   // 変換's engine; Anthy when none is given
};

class frmTalk : public QWidget, public MainControls {
    Q_OBJECT
public:
    explicit frmTalk(Services services, QWidget *parent = nullptr);
    ~frmTalk() override;

    ProgramState state;
    Services services;
    ScaledLayout layout;

    // The subsystems.
    MessageArea *message;
    BoardController *board;
    EditController *edit;
    ListKeys *lists;
    FileQuestions *fileQuestions;
    PhraseCommands *phrases;
    DiaryCommands *diary;
    SpeechController *speech;
    // Switch scanning (Scanning.cpp) and dwell (Dwell.cpp), sharing the
    // frame that shows the highlight or the ring.
    ScanFrame *scanFrame;
    SwitchInput *switches;
    ScanDriver *scanning;
    DwellPointer *dwell;
    // The side panel (PanelCommands.cpp): its buttons, the messages read
    // before, the quick phrases, and the call for help.
    SidePanel *panel;
    SpokenHistory history;
    QuickPhrases quick;
    CallForHelp *call;
    std::unique_ptr<Chime> ownChime;
    bool isPanelShown() const { return m_panelShown; }

    // The form's outer height in twips, as the wide text layout reads it.
    int formHeight() const;
    void beepIfWanted();   // the key-confirmation beep, when KeyBeep is on

    // Shows a screen as the table says: its grid, its button panel, the
    // caption of the phrase button, the stacking.
    void showScreen(Screen screen);

    // --- Application shell --------------------------------------------------
    void Form_Load();
    void Form_Activate();
    void cmdEnd_Click();
    void cmdOpt_Click();
    // Shows the window normally, or full screen when that setting is on, with
    // the mouse pointer hidden over it when that setting is on.
    void showAsConfigured();
    void LoadOptions();
    void ApplyTextSize();
    void ApplyVoice();   // gives the character the stored voice
    void ApplyAccess();  // touch, one or two switches, or dwell, as stored
    // The shown screen's scan order, and the window (or dialog) being worked.
    ScanTable mainScanTable() const;
    ScanContext scanContext();
    QWidget *workedWindow();   // the dialog in front, or this window
    // The phrase button's caption on the shown screen, and the phrase key
    // (例文追加, 例文削除) shown below it.
    QString phraseButtonCaption() const;
    PhraseKey phraseKeyShown() const;
    // The program's own question dialog; true when the affirmative button
    // was chosen. The window answers while it is open even when a command
    // has disabled it.
    bool AskQuestion(const QString &Prompt, int Style, const QString &Title);
    // After a restore: the files read again, as at start-up (BackupDialog.cpp).
    void reloadData();

    // --- Commands that span subsystems (Commands.cpp) -----------------------
    void cmdSamp_Click();
    void cmdStart_Click();
    void decide(Screen list, int row);
    void showHistory();
    void putBackFromHistory(int row);
    void cmdQuickMark_Click();
    void cmdUndo_Click();

    // --- 変換, kana to kanji, when KanjiConvert is on (ConvertCommands.cpp) -
    CommandButton *cmdConvert;
    ConversionService *conversion = nullptr;   // made when KanjiConvert is first on
    void cmdConvert_Click();

    // --- 単語予測: the word buttons in the side panel (PredictionCommands.cpp)
    std::array<CommandButton *, Predictor::kMaxWords> cmdWord{};
    // 学習をリセット: the learnt words forgotten, in memory and in their file.
    void forgetLearntWords();
    // What the words and tints come from (the lexicon and the user's words
    // arrive from threads of their own).
    const Predictor &wordPredictor() const { return predictor; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createSubsystems();
    void connectHandlers();
    void connectSubsystems();
    void stopRepeats();
    void scanHighlighted(const QString &name);
    void switchPressed(SwitchId id);
    void switchReleased(SwitchId id);
    ScanTable screenScanTable() const;
    CommandFacts commandFacts() const;   // the keys beside a list or a diary entry
    void createPanel();
    void placePanel(QSize client);
    void loadPanelLists();
    void rememberSpoken(const QString &text);
    std::optional<DwellSpot> dwellSpotAt(const QPoint &global);
    void performDwell(QWidget *window, const DwellStep &step);
    void afterDecide();
    void createConversion();
    void applyConversion();   // the button and the engine as KanjiConvert says
    bool convertShown() const;
    void converted(int ticket, const Conversion &result);
    void showConversion();
    void decideConversion(int row);
    void addConvertKey(ScanTable &table) const;
    // Prediction (PredictionCommands.cpp): the word buttons, the tints and
    // the words learnt from what the user writes.
    void createPrediction();
    void applyPrediction();   // after the first paint and the options dialog
    void predictAfterEntry();
    void showPrediction(const Prediction &p);
    void cmdWord_Click(int index);
    bool wordsShown() const;
    void showTints();
    void addPredictions(LetterBoardFacts &facts) const;
    void learnFromMessage(const QString &text);

    // The conversion under way, and the one asked of the engine: its answer
    // counts only while the message and highlight are as they were asked.
    ConversionSession m_conversion;
    struct AskedConversion {
        int ticket = 0;
        QString message;
        int start = 0, end = 0;
    } m_asked;

    bool m_phraseBookQueued = false;
    bool m_panelShown = false;

    Predictor predictor;
    Prediction m_prediction;   // what the buttons and tints show, made after the last entry
    QStringList m_wordsShown;  // the words on the buttons now, set only by showPrediction
    bool m_lexiconAsked = false;
    struct TintedCell {
        FlexGrid *grid;
        int row, col;
    };
    std::vector<TintedCell> m_tinted;
    std::unique_ptr<MecabTagger> m_tagger;   // opened at the first message learnt from
};

} // namespace pelumo
