#include "app/frmTalk.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QResizeEvent>
#include <QTimer>
#include <malloc.h>

namespace pelumo {

frmTalk::frmTalk(Services s, QWidget *parent) : QWidget(parent), services(s)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(kWindowBlue));
    setPalette(p);
    setAutoFillBackground(true);
    createControls(this, layout);
    createSubsystems();
    createPanel();
    createConversion();
    createPrediction();
    connectHandlers();
    connectSubsystems();
    showScreen(Screen::Board);
    resize(kDesignClientWidth, kDesignClientHeight);
}

frmTalk::~frmTalk()
{
    // The call stops its chime as it goes: before the chime of our own goes.
    delete call;
}

int frmTalk::formHeight() const
{
    return qRound(layout.scale().toTwips(height())) + kTitleBarTwips;
}

void frmTalk::beepIfWanted()
{
    if (state.KeyBeep)
        services.beeper.beep();
}

void frmTalk::createSubsystems()
{
    message = new MessageArea(txtTalk, this);
    board = new BoardController({grdBoard, cmdKey, fraSet, grdBoard2, cmdspace, cmdEnd2},
                                state.board, state, state.screen, layout, this);
    edit = new EditController({fraText, txtTalk, cmdRes, cmdWide, cmdCopy, cmdPaste}, *message,
                              layout, services.clock, services.clipboard,
                              [this] { return formHeight(); }, this);
    lists = new ListKeys({grdSp, grdEx, grdDay, grdHis, cmdUp, cmdDown, cmdDec}, state.screen,
                         state.ListCursorRow, services.clock, this);
    fileQuestions = new FileQuestions(
        [this](const QString &prompt, int style, const QString &title) {
            return AskQuestion(prompt, style, title);
        },
        this);
    phrases = new PhraseCommands({grdBoard, grdEx, grdSp, cmdSamp}, state, layout, *fileQuestions, this);
    diary = new DiaryCommands({grdBoard, grdDay}, state.screen, state.DiaryEditRow, layout,
                              *fileQuestions, services.clock, this);
    speech = new SpeechController(services.agent, state, cmdRead, [this] { return message->text(); },
                                  this);
    scanFrame = new ScanFrame(this);
    switches = new SwitchInput(this);
    scanning = new ScanDriver(services.clock, *scanFrame, [this] { return scanContext(); }, this);
    dwell = new DwellPointer(
        services.clock, *scanFrame, [] { return QCursor::pos(); },
        [this](const QPoint &global) { return dwellSpotAt(global); },
        [this](QWidget *window, const DwellStep &step) { performDwell(window, step); }, this);
}

void frmTalk::stopRepeats()
{
    edit->stopRepeat();
    lists->stopRepeat();
}

void frmTalk::resizeEvent(QResizeEvent *event)
{
    placePanel(event->size());
    QWidget::resizeEvent(event);
}

bool frmTalk::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    if (event->type() == QEvent::Paint && !m_phraseBookQueued) {
        m_phraseBookQueued = true;
        QTimer::singleShot(0, phrases, [this] {
            phrases->loadOnce();
            // The reading's passing buffers, freed among the book's own, go
            // back to the system: they are some megabytes of a full book,
            // which the heap would otherwise keep for the whole run.
            malloc_trim(0);
        });
        QTimer::singleShot(0, this, [this] { applyConversion(); });
        QTimer::singleShot(0, this, [this] { applyPrediction(); });
        // Looking the icon up in the theme takes some milliseconds; the
        // window manager shows it as soon as it is set.
        QTimer::singleShot(0, this, [] {
            QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.pelumo.Pelumo")));
        });
    }
    // A dialog opened in the middle of a press-and-hold takes the release of
    // the held button with it; without this the repeat would run on after the
    // dialog closes.
    if (event->type() == QEvent::WindowBlocked)
        stopRepeats();
    return QWidget::event(event);
}

void frmTalk::closeEvent(QCloseEvent *event)
{
    // Closing the window by any means is the same as "終了".
    event->accept();
    cmdEnd_Click();
}

} // namespace pelumo
