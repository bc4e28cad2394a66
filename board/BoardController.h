#pragma once
// The letter board, its kind button and the enlarged selection screen: what
// a touch on a key does. The message, the voice and the screens belong to
// others; the board says what it wants of them by its signals.
#include "board/core/BoardState.h"
#include "board/core/SelectionCells.h"
#include "platform/core/Options.h"
#include "platform/core/Screen.h"
#include "widgets/CommandButton.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include <QObject>

namespace pelumo {

struct BoardControls {
    FlexGrid *grdBoard;
    CommandButton *cmdKey;
    Frame *fraSet;
    FlexGrid *grdBoard2;
    CommandButton *cmdspace, *cmdEnd2;
};

enum class TouchEnd {
    Focus,                    // the message takes the caret back
    Select,                   // ... and a lone caret selects the next character
    SelectUnlessSelection,    // ... unless the selection screen is open
};

class BoardController : public QObject {
    Q_OBJECT
public:
    BoardController(const BoardControls &controls, BoardState &state, const Options &options,
                    const ScreenState &screen, ScaledLayout &layout, QObject *parent = nullptr);

    void BuildBoard();   // the kind in the state, with the columns of the options
    void showKind(BoardKind kind);
    void whitenBoard();  // every key back to white, as 始め leaves it
    void BuildSelectionBoard(int col, int row);   // the selection screen around a board cell
    // The board as shown, from its table; the selection screen's cells as
    // built around the last pressed board cell.
    QList<QStringList> shownCells() const;
    SelectionCells shownSelection() const;

    void cmdKey_Click();
    void grdBoard_MouseDown();
    void grdBoard_Click();
    void grdBoard2_MouseDown();
    void grdBoard2_Click();
    void cmdspace_Click();
    void cmdEnd2_Click();

signals:
    void keyTouched();                                      // the key beep, when wanted
    void speakKey(const QString &text, const QString &stage);   // "S", "E" or "1"
    void entered(const QString &text);                      // goes into the message
    void entryMade();                                       // after the entry was said
    void spaceEntered(const QString &space);                // goes in without a word
    void screenWanted(Screen screen);
    // The caret goes back to the message; with a caret and no selection, the
    // character after it is selected, as after every entry.
    void touchDone(TouchEnd end);

private:
    void openSelectionScreen(const QString &key);
    void enter(const QString &text);
    void highlightPressed(FlexGrid *grid, int rows, int cols, int row, int col,
                          const QString &remembered);

    BoardControls c;
    BoardState &m_state;
    const Options &m_options;
    const ScreenState &m_screen;
    ScaledLayout &m_layout;
};

} // namespace pelumo
