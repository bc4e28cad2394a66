#pragma once
// frmTalk, the main window: the whole working surface of Pelumo.
//
// Architecture. The window owns every control (named as the layout tables name
// them), the program state (one ProgramState, the only copy) and the window's
// own press variables. Its handlers are member functions defined in the folder
// of the subsystem they belong to:
//   app/        frmTalk.cpp (controls and layout), StartUp.cpp (start-up,
//               activation, exit, options button), SpeechCommands.cpp
//   board/      BoardCommands.cpp (building the board), BoardPresses.cpp,
//               SelectionScreen.cpp, PhraseCandidates.cpp
//   editing/    EditKeys.cpp (editing keys, layouts, copy and paste),
//               ListStepping.cpp (list keys), ListDecide.cpp (decide)
//   phrasebook/ phrase file, phrase commands and the diary
// Rules that need no widget live under */core/ and are called from here.
// Everything runs on the GUI thread; the only nested event processing is in
// the press-and-hold loops, which must stay safe when the window closes or a
// dialog opens in the middle of them.
#include "app/core/ProgramState.h"
#include "phrasebook/core/PhraseCandidates.h"
#include "platform/core/TextFile.h"
#include "speech/core/Agent.h"
#include "platform/Clock.h"
#include "widgets/CommandButton.h"
#include "platform/Devices.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include "platform/SettingsStore.h"
#include "widgets/TextBox.h"
#include "speech/core/MessageReader.h"
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <array>

namespace pelumo {

enum class LineFileKind;
enum class ReadProblem;

// What the window needs of the machine, so tests can hand in their own.
struct Services {
    SettingsStore &settings;
    Clock &clock;
    Beeper &beeper;
    Clipboard &clipboard;
    AgentCharacter &agent;
    QString programDir;   // the folder holding the program file
};

class frmTalk : public QWidget {
    Q_OBJECT
public:
    explicit frmTalk(Services services, QWidget *parent = nullptr);
    ~frmTalk() override;

    ProgramState state;
    Services services;
    ScaledLayout layout;

    // Window-level press variables.
    qint32 PressedRow = 0, PressedCol = 0;
    qint32 PressedRow2 = 0, PressedCol2 = 0;
    bool ButtonHeld = false;

    // Controls, top to bottom of the stacking order's base.
    Frame *fraText;
    TextBox *txtTalk;
    CommandButton *cmdWide, *cmdCopy, *cmdPaste;
    FlexGrid *grdBoard, *grdSp, *grdEx, *grdDay;
    CommandButton *cmdOpt, *cmdEnd, *cmdSamp, *cmdSampADD, *cmdSampDel;
    Frame *fraDay, *fraTalk, *fraRes;
    std::array<CommandButton *, 5> cmdRes;
    CommandButton *cmdStart;
    CommandButton *cmdUp, *cmdDown, *cmdDec;
    CommandButton *cmdRevise, *cmdBack;
    CommandButton *cmdRead, *cmdKey;
    QLabel *txtHide;
    Frame *fraSet;
    FlexGrid *grdBoard2;
    CommandButton *cmdspace, *cmdEnd2;

    // The form's outer height in twips, as the wide text layout reads it.
    int formHeight() const;
    void beepIfWanted();   // the key-confirmation beep, when KeyBeep is "1"

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
    // Gives the character the stored voice (speed, pitch, volume).
    void ApplyVoice();

    // --- Letter boards and character entry ----------------------------------
    void BuildBoard();
    void cmdKey_Click();
    void grdBoard_MouseDown();
    void grdBoard_Click();
    void InsertBoardText();
    void BuildSelectionBoard(qint32 col, qint32 row);
    void FillKanaVariants(QString ch, qint32 row);
    void grdBoard2_MouseDown();
    void grdBoard2_Click();
    void cmdspace_Click();
    void cmdEnd2_Click();
    void CheckAutoPhrases(const QString &text);
    void ShowPhraseCandidates();

    // --- Speech and the speaking character -----------------------------------
    void SpeakKey(const QString &Text, double Delay, const QString &Stage);
    void cmdRead_Click();
    void SetUpCharacter();

    // --- Question dialog -------------------------------------------------------
    // Shows the question modally; the answer is left in state.DialogAnswer.
    void AskQuestion(const QString &Prompt, int Style, const QString &Title);

    // --- Phrase book -------------------------------------------------------------
    void LoadPhrases();
    void BuildPhraseIndex();
    void SavePhrases();
    void cmdSamp_Click();
    void cmdSamp_MouseDown();
    void cmdSamp_MouseUp();
    void cmdSampADD_Click();
    void cmdSampDel_Click();
    void cmdStart_Click();
    void grdEx_Click();
    void grdSp_Click();
    void grdDay_Click();

    // --- Diary -------------------------------------------------------------------
    void LoadDiaryList();
    void SortDiaryList();
    void SaveDiary(const QString &text);
    void cmdRevise_Click();
    void cmdBack_Click();
    void EndDiary();   // the diary branch of cmdSamp_Click

    // --- Text editing and list navigation -----------------------------------
    void cmdRes_MouseDown(int Index);
    void cmdRes_MouseUp(int Index);
    void cmdWide_Click();
    void cmdCopy_Click();
    void cmdPaste_Click();
    void SetNarrowLayout();   // caption "広げる", heights 2445 and 2295
    void SetWideLayout();     // heights from the form height; caption untouched
    void cmdUp_MouseDown();
    void cmdUp_MouseUp();
    void cmdDown_MouseDown();
    void cmdDown_MouseUp();
    void cmdDec_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createTextArea();
    void createBoards();
    void createButtons();
    void createPanels();
    void createSelectionScreen();
    void connectHandlers();
    void RepeatEditKey(qint16 Index);
    bool editStep(int index);   // one step of an editing key; false ends the repeat
    void StepListUp();
    void StepListDown();
    void repeatListStep(int direction);   // -1 up, +1 down, while the key is held
    bool stepList(int direction);
    void endDecide();                     // the end shared by the ways out of decide

    // --- Speech: private members ---------------------------------------------
    void prepareReadings();   // opens the dictionary; tells the log once if it cannot
    QString messageReading(const QString &message);
    MessageReader m_reader;   // opens the dictionary after start-up, or on first need

    // --- Phrase book: private members ----------------------------------------
    QString phraseFilePath() const;
    QStringList readPhraseBook(QString &problem);   // problem: what to tell the user, if anything
    // SavePhrases of the rows given; false, after a notice, when nothing was written.
    bool savePhraseRows(const QStringList &rows);
    QStringList phraseRows() const;   // column 1 of grdEx, in row order
    bool setUnreadPhraseFileAside();
    QString pendingPhraseFileAside();   // the name it will be kept under
    void phraseFileNotice(const QString &prompt);
    void highlightPhraseRow(int row);
    void showPhraseList();
    void hidePhraseList();
    void enterPhraseListMode();   // the list over the board, the list keys below
    void ShowPhraseCandidates(const QString &key);
    void pickListRow(FlexGrid *grid, int keyCol);
    PhraseCandidateIndex m_phraseIndex;        // always rebuilt from state.PhraseList
    // The phrase file as last read or written: its encoding and the bytes of
    // each line, which a save writes again for every line it leaves unchanged.
    TextFileContent m_phraseFile;
    // A phrase file that could not be read whole is moved here before the
    // next save, so that save never overwrites what the user could not see.
    QString m_phraseFileAside;
    bool m_phraseReadProblemTold = false;

    // --- Diary: private members ----------------------------------------------
    QString diaryPath() const;
    bool saveDiaryEntry(const QString &text);   // false when the file was not written
    bool keepUnreadableDiaryAside(QString &error);
    void tellDiaryReadProblem(ReadProblem problem, const TextFileContent &file);
    void showDiaryRevision();
    // The last read of day.txt failed: the list holds only today's row, and
    // the file must be kept aside before that row may replace it.
    bool m_diaryUnreadable = false;
    bool m_diaryReadFailureTold = false;   // told once, until a read succeeds

    // Writes a line file over the file as read. When its encoding cannot hold
    // the lines, asks first: on ＯＫ the old file is copied aside and the file
    // written as UTF-8. Nothing, with nothing written, after キャンセル or a
    // copy that failed (told).
    std::optional<TextWriteResult> writeLineFile(LineFileKind kind, const QString &path,
                                                 const QStringList &lines,
                                                 const TextFileContent &asRead);
    void askEnabled(const QString &prompt, int style, const QString &title);

    void loadPhraseBookOnce();   // start-up's reading of the phrase book
    bool m_phraseBookQueued = false;
    bool m_closing = false;
};

} // namespace pelumo
