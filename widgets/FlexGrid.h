#pragma once
// A custom-painted grid with the members the handlers rely on: texts, a current
// cell with a column selection, per-cell background and alignment, column widths
// in twips, TopRow scrolling, Redraw suspension, sorting and MouseDown/Click.
// It repaints only the cells that changed, and stays cheap with 32,767 rows:
// a column is filled from a list in one step, nothing is drawn or measured
// while Redraw is off, and a paint touches only the rows in view.
#include "widgets/Colors.h"
#include "widgets/GridCells.h"
#include "widgets/Twips.h"
#include <QPixmap>
#include <QRegion>
#include <QVector>
#include <QWidget>

class QPainter;

namespace pelumo {

struct GlyphPicture;

class FlexGrid : public QWidget {
    Q_OBJECT
public:
    enum SortOrder { SortStringAscending = 7, SortStringDescending = 8 };
    enum Alignment { AlignGeneral = GridCells::kDefaultAlignment, AlignCenterBottom = 5 };

    explicit FlexGrid(QWidget *parent = nullptr);
    ~FlexGrid() override;

    int rows() const { return m_cells.rows(); }
    void setRows(int rows);
    int cols() const { return m_cells.cols(); }
    void setCols(int cols);

    QString textMatrix(int row, int col) const { return m_cells.text(row, col); }
    void setTextMatrix(int row, int col, const QString &text);
    // A whole column at once, from row 0, with empty cells below the texts;
    // the rows grow to fit, colours and alignments stay, a column that does
    // not exist is left alone. The list is shared, not copied, so filling a
    // large grid costs no more than handing over the list.
    void setColumnTexts(int col, const QStringList &texts);

    // The current cell. Setting Row or Col collapses the selection to it.
    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);
    int colSel() const { return m_colSel; }
    void setColSel(int col);

    // Paint the current cell, or the range from Col to ColSel in the current row.
    void setCellBackColor(OleColor color);
    void setCellAlignment(int alignment);
    OleColor cellBackColor(int row, int col) const;
    int cellAlignment(int row, int col) const;

    void setColWidth(int col, int twips);   // col -1 sets every column
    int colWidth(int col) const;

    int topRow() const { return m_topRow; }
    void setTopRow(int row);
    int visibleRows() const;   // rows fully in view

    bool redraw() const { return m_redraw; }
    void setRedraw(bool on);

    // Sorts every row by the texts of columns Col to ColSel, in character-code
    // order, keeping rows whole (texts and colours move together).
    void setSort(int order);

    OleColor foreColor() const { return m_foreColor; }
    void setForeColor(OleColor color);

    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }

    void setScale(Scale scale);
    int rowHeightPixels() const { return m_rowHeight; }
    // Pixel rectangle of a cell in the widget, empty when it is out of view.
    QRect cellRect(int row, int col) const;

signals:
    void mouseDown();
    void click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void resizeCells(int rows, int cols);
    void clampPositions();
    int columnLeft(int col) const;
    int columnPixels(int col) const;
    bool hitTest(const QPoint &pos, int *row, int *col) const;
    void invalidateCell(int row, int col);
    void invalidateAll();
    int maxTopRow() const;
    QString visiblePart(const QString &text, int width) const;   // what fits, and one more
    QRect cellsArea() const;   // the cells from the top row on, in pixels
    void paintCell(QPainter &p, const QRect &box, int row, int col);
    void paintText(QPainter &p, const QRect &inner, const QString &text, int alignment);
    const GlyphPicture *renderedGrapheme(const QString &grapheme, const QFontMetrics &fm);   // null when too large to keep
    void drawGraphemeText(QPainter &p, const QPoint &baseline, const QString &grapheme) const;
    // The font or colour changed: pictures of the old style are no longer
    // this grid's (they age out of the shared cache).
    void restyleRenderedTexts();

    GridCells m_cells;
    QVector<int> m_colWidths;   // twips
    int m_row = 0;
    int m_col = 0;
    int m_colSel = 0;
    int m_topRow = 0;
    int m_mouseRow = 0;
    int m_mouseCol = 0;
    int m_rowHeight = 20;
    bool m_redraw = true;
    bool m_allDirty = false;   // while Redraw is off: the whole grid waits for a paint
    bool m_pressed = false;
    OleColor m_foreColor = colors::Black;
    Scale m_scale;
    QRegion m_dirty;
    // Large glyphs are drawn from their outlines on every paint; drawing each
    // cell text once into a pixmap keeps a touch's repaint cheap. The
    // pictures are kept for every grid together (RenderedTexts), keyed by
    // this grid's font and colour.
    QString m_renderStyle;
};

} // namespace pelumo
