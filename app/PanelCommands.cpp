// The side panel's commands: 呼ぶ, 元に戻す, もう一度, 履歴, はい, いいえ, the
// quick phrases and ★, and where the panel stands as the window's size goes.
#include "app/frmTalk.h"
#include "app/core/SidePanelGeometry.h"
#include "platform/AppPaths.h"
#include "platform/Logging.h"
#include <QDir>

namespace pelumo {

void frmTalk::createPanel()
{
    if (!services.chime) {
        ownChime = std::make_unique<ChimePlayer>();
        services.chime = ownChime.get();
    }
    call = new CallForHelp(services.clock, *services.chime, *this, this);
    panel = new SidePanel(this, layout);
    layout.place(panel, sidePanelTwips());
    panel->hide();
    auto click = [this](QAbstractButton *button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    click(panel->cmdCall, [this] { call->start(); });
    click(panel->cmdUndo, [this] { cmdUndo_Click(); });
    click(panel->cmdAgain, [this] { speech->sayWhole(history.entries().value(0)); });
    click(panel->cmdHistory, [this] { showHistory(); });
    click(panel->cmdYes, [this] { speech->sayWhole(QStringLiteral("はい")); });
    click(panel->cmdNo, [this] { speech->sayWhole(QStringLiteral("いいえ")); });
    for (int i = 0; i < SidePanel::kQuickPhrases; ++i)
        click(panel->cmdQuick[i], [this, i] { speech->sayWhole(quick.phrases().value(i)); });
    click(panel->cmdQuickMark, [this] { cmdQuickMark_Click(); });
}

// 元に戻す. Not while a diary entry is open: a message from before the entry
// would then be saved as the day's entry by 日記終了. Candidates and words
// offered for the text taken back no longer fit it, and go.
void frmTalk::cmdUndo_Click()
{
    if (state.screen.diaryOpen || !message->undo())
        return;
    if (state.screen.shown == Screen::Candidates || state.screen.shown == Screen::Conversion)
        showScreen(Screen::Board);
    message->focus();
    predictAfterEntry();
}

void frmTalk::placePanel(QSize client)
{
    // 変換 stands in the panel: the layout has no room of its own for it.
    const SidePanelGeometry g = sidePanelGeometry(client, state.MakeRoomForPanel || state.KanjiConvert);
    if (g.shown != m_panelShown)
        scanning->refreshSoon();   // the panel's group comes or goes
    m_panelShown = g.shown;
    layout.setScale(Scale(g.scale));
    panel->setVisible(g.shown);
    applyConversion();
    if (!g.shown)
        return;
    panel->raise();
    // The character stands where it always has, unless it would cover the
    // panel: then in the window's lower right corner, which the layout drawn
    // smaller to make room for the panel leaves free.
    const QPoint home = SpeechController::characterHome();
    if (home.x() + SpeechController::kCharacterWidth <= panel->mapToGlobal(QPoint(0, 0)).x())
        return;
    const QPoint corner = mapToGlobal(QPoint(width(), height()));
    speech->placeCharacter({corner.x() - SpeechController::kCharacterWidth - 8,
                            corner.y() - SpeechController::kCharacterHeight - 8});
}

void frmTalk::loadPanelLists()
{
    const QDir data(userDataFolder());
    for (const MessageListLoad &loaded : {history.load(data.filePath(kHistoryFileName)),
                                          quick.load(data.filePath(kQuickPhrasesFileName))}) {
        if (!loaded.errorDetail.isEmpty())
            qCWarning(lcFiles).noquote() << loaded.errorDetail;
        if (!loaded.notice.isEmpty())
            fileQuestions->notice(loaded.notice, QStringLiteral("Pelumo"));
    }
    panel->showQuickPhrases(quick.phrases());
}

// After 読む: the message as it was read goes to the top of the history.
void frmTalk::rememberSpoken(const QString &text)
{
    const HistoryAdd added = history.add(text);
    if (!added.errorDetail.isEmpty())
        qCWarning(lcFiles).noquote() << added.errorDetail;
    if (added.tell && !added.notice.isEmpty())
        fileQuestions->notice(added.notice, QStringLiteral("履歴"));
}

void frmTalk::showHistory()
{
    edit->SetNarrowLayout();
    grdHis->setRedraw(false);
    grdHis->setCols(1);
    grdHis->setColWidth(0, layout.geometry(grdHis).width() - 300);
    grdHis->setRows(qMax(1, int(history.entries().size())));
    grdHis->setColumnTexts(0, history.entries().isEmpty() ? QStringList{QString()} : history.entries());
    grdHis->setTopRow(0);
    grdHis->setRedraw(true);
    showScreen(Screen::History);
    lists->highlight(Screen::History, 0);
}

// 決定 on the history: the message goes back into the message area as it
// was read, and 元に戻す brings back what it replaced.
void frmTalk::putBackFromHistory(int row)
{
    const QString text = history.entries().value(row);
    if (text.isEmpty())
        return;
    message->setText(text, int(text.size()));
    showScreen(Screen::Board);
}

// ★ on the phrase list: the highlighted phrase becomes quick, or no longer.
void frmTalk::cmdQuickMark_Click()
{
    const QString phrase = trimBlanks(phrases->phraseRow(state.ListCursorRow));
    const QuickToggle result = quick.toggle(phrase);
    if (!result.errorDetail.isEmpty())
        qCWarning(lcFiles).noquote() << result.errorDetail;
    if (!result.notice.isEmpty())
        AskQuestion(result.notice, 48, QStringLiteral("よく使う文"));
    panel->showQuickPhrases(quick.phrases());
    scanning->refreshSoon();
}

} // namespace pelumo
