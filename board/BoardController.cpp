// Building the letter board, cycling its kind, and the touches on it.
#include "board/BoardController.h"

namespace pelumo {

BoardController::BoardController(const BoardControls &controls, BoardState &state,
                                 const Options &options, const ScreenState &screen,
                                 ScaledLayout &layout, QObject *parent)
    : QObject(parent), c(controls), m_state(state), m_options(options), m_screen(screen),
      m_layout(layout)
{
}

void BoardController::BuildBoard()
{
    FlexGrid *g = c.grdBoard;
    const int last = m_options.BoardLastColumn;
    g->setRedraw(false);
    g->setRows(kBoardRows);
    g->setCols(last + 1);
    for (int col = 0; col <= last; ++col) {
        for (int r = 0; r < kBoardRows; ++r) {
            g->setRow(r);
            g->setCol(col);
            g->setTextMatrix(r, col, QString());
            g->setCellBackColor(colors::White);
            g->setCellAlignment(FlexGrid::AlignCenterBottom);
        }
        g->setColWidth(col, boardColumnWidth(last));
    }
    g->setForeColor(colors::Black);
    const QList<QStringList> cells = boardCells(m_state.kind, last);
    for (int r = 0; r < kBoardRows; ++r)
        for (int col = 0; col <= last; ++col)
            if (!cells[r][col].isEmpty())
                g->setTextMatrix(r, col, cells[r][col]);
    c.cmdKey->setCaption(boardCaption(m_state.kind));
    g->setRedraw(true);
}

QList<QStringList> BoardController::shownCells() const
{
    return boardCells(m_state.kind, m_options.BoardLastColumn);
}

SelectionCells BoardController::shownSelection() const
{
    return selectionCells(shownCells(), m_state.PressedCol, m_state.PressedRow);
}

void BoardController::showKind(BoardKind kind)
{
    m_state.kind = kind;
    BuildBoard();
}

void BoardController::cmdKey_Click()
{
    showKind(nextBoardKind(m_state.kind));
}

void BoardController::whitenBoard()
{
    FlexGrid *g = c.grdBoard;
    g->setRedraw(false);
    for (int i = 0; i <= m_options.BoardLastColumn; ++i) {
        for (int j = 0; j < kBoardRows; ++j) {
            g->setRow(j);
            g->setCol(i);
            g->setColSel(g->cols() - 1);
            g->setCellBackColor(colors::White);
        }
    }
    g->setRedraw(true);
}

// The touched key light green, or light grey when it confirms the key touched
// before; every other key white.
void BoardController::highlightPressed(FlexGrid *g, int rows, int cols, int row, int col,
                                       const QString &remembered)
{
    g->setRedraw(false);
    g->setEnabled(false);
    for (int cc = 0; cc < cols; ++cc) {
        for (int r = 0; r < rows; ++r) {
            g->setRow(r);
            g->setCol(cc);
            g->setCellBackColor(colors::White);
        }
    }
    g->setRow(row);
    g->setCol(col);
    const bool confirming = confirmsFirstPress(g->textMatrix(row, col), remembered);
    g->setCellBackColor(confirming ? colors::LightGrey : colors::LightGreen);
    g->setEnabled(true);
    g->setRedraw(true);
}

void BoardController::grdBoard_MouseDown()
{
    m_state.PressedRow = c.grdBoard->row();
    m_state.PressedCol = c.grdBoard->col();
    highlightPressed(c.grdBoard, kBoardRows, m_options.BoardLastColumn + 1, m_state.PressedRow,
                     m_state.PressedCol, m_state.FirstPress);
}

void BoardController::openSelectionScreen(const QString &key)
{
    emit speakKey(key, QStringLiteral("S"));
    BuildSelectionBoard(m_state.PressedCol, m_state.PressedRow);
    const QRect board = m_layout.geometry(c.grdBoard);
    m_layout.setLeftTop(c.fraSet, board.left(), board.top());
    emit screenWanted(Screen::Selection);
}

void BoardController::enter(const QString &text)
{
    emit entered(text);
    emit speakKey(text, QStringLiteral("E"));
    emit entryMade();
}

void BoardController::grdBoard_Click()
{
    FlexGrid *g = c.grdBoard;
    g->setRedraw(false);
    g->setEnabled(false);
    const QString cellText = g->textMatrix(g->row(), g->col());
    // An empty cell enters an ideographic space in the one-press modes; in the
    // two-press modes it never equals the remembered "　", so it never completes.
    const QString s = cellText.isEmpty() ? QStringLiteral("\u3000") : cellText;
    emit keyTouched();
    const bool confirms = confirmsFirstPress(cellText, m_state.FirstPress);
    auto rememberFirstPress = [this, &s] {
        m_state.FirstPress = s;
        emit speakKey(s, QStringLiteral("1"));
    };
    switch (m_options.FirstScreenMode) {
    case FirstPressMode::Selection:
        g->setCellBackColor(colors::Desktop);
        openSelectionScreen(s);
        break;
    case FirstPressMode::ConfirmThenSelection:
        confirms ? openSelectionScreen(s) : rememberFirstPress();
        break;
    case FirstPressMode::Enter:
        g->setCellBackColor(colors::Desktop);
        enter(s);
        break;
    case FirstPressMode::ConfirmThenEnter:
        confirms ? enter(s) : rememberFirstPress();
        break;
    }
    g->setRedraw(true);
    g->setEnabled(true);
    emit touchDone(TouchEnd::SelectUnlessSelection);
}

} // namespace pelumo
