// The grid's state and input; its drawing is in FlexGridPaint.cpp.
#include "widgets/FlexGrid.h"
#include "widgets/RenderedTexts.h"
#include <QMouseEvent>
#include <algorithm>
#include <numeric>

namespace pelumo {
namespace {
constexpr int kDefaultColWidth = 960;   // twips
}

FlexGrid::FlexGrid(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_rowHeight = fontMetrics().height() + 3;
    resizeCells(2, 2);
    RenderedTexts::gridMade();
}

FlexGrid::~FlexGrid() { RenderedTexts::gridGone(); }

void FlexGrid::resizeCells(int rows, int cols)
{
    rows = qMax(0, rows);
    cols = qMax(0, cols);
    const bool changed = rows != this->rows() || cols != this->cols();
    m_cells.resize(rows, cols);
    m_colWidths.resize(cols, kDefaultColWidth);
    clampPositions();
    if (changed)
        invalidateAll();
}

// The current cell, the selection and TopRow back inside the grid.
void FlexGrid::clampPositions()
{
    m_row = qBound(0, m_row, qMax(0, rows() - 1));
    m_col = m_colSel = qBound(0, m_col, qMax(0, cols() - 1));
    m_topRow = qBound(0, m_topRow, maxTopRow());
}

void FlexGrid::setRows(int rows) { resizeCells(rows, cols()); }
void FlexGrid::setCols(int cols) { resizeCells(rows(), cols); }

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (!m_cells.contains(row, col))
        return;
    m_cells.setText(row, col, text);
    invalidateCell(row, col);
}

void FlexGrid::setColumnTexts(int col, const QStringList &texts)
{
    if (col < 0 || col >= cols())
        return;
    const int before = rows();
    m_cells.setColumnTexts(col, texts);
    if (rows() != before)
        clampPositions();
    invalidateAll();
}

void FlexGrid::setRow(int row)
{
    m_row = qBound(0, row, qMax(0, rows() - 1));
    m_colSel = m_col;
}

void FlexGrid::setCol(int col)
{
    m_col = m_colSel = qBound(0, col, qMax(0, cols() - 1));
}

void FlexGrid::setColSel(int col)
{
    m_colSel = qBound(0, col, qMax(0, cols() - 1));
}

void FlexGrid::setCellBackColor(OleColor color)
{
    for (int c = qMin(m_col, m_colSel); c <= qMax(m_col, m_colSel); ++c) {
        if (!m_cells.contains(m_row, c) || m_cells.back(m_row, c) == color)
            continue;
        m_cells.setBack(m_row, c, color);
        invalidateCell(m_row, c);
    }
}

void FlexGrid::setCellAlignment(int alignment)
{
    for (int c = qMin(m_col, m_colSel); c <= qMax(m_col, m_colSel); ++c) {
        if (!m_cells.contains(m_row, c) || m_cells.alignment(m_row, c) == alignment)
            continue;
        m_cells.setAlignment(m_row, c, alignment);
        invalidateCell(m_row, c);
    }
}

OleColor FlexGrid::cellBackColor(int row, int col) const
{
    return m_cells.back(row, col);
}

int FlexGrid::cellAlignment(int row, int col) const
{
    return m_cells.alignment(row, col);
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col == -1)
        std::fill(m_colWidths.begin(), m_colWidths.end(), twips);
    else if (col >= 0 && col < cols())
        m_colWidths[col] = twips;
    invalidateAll();
}

int FlexGrid::colWidth(int col) const
{
    return col >= 0 && col < cols() ? m_colWidths[col] : 0;
}

int FlexGrid::visibleRows() const
{
    return m_rowHeight > 0 ? qMax(1, height() / m_rowHeight) : 1;
}

int FlexGrid::maxTopRow() const
{
    return qMax(0, rows() - visibleRows());
}

void FlexGrid::setTopRow(int row)
{
    row = qBound(0, row, maxTopRow());
    if (row == m_topRow)
        return;
    m_topRow = row;
    invalidateAll();
}

void FlexGrid::setRedraw(bool on)
{
    m_redraw = on;
    if (!on)
        return;
    if (m_allDirty)
        update();
    else if (!m_dirty.isEmpty())
        update(m_dirty);
    m_allDirty = false;
    m_dirty = QRegion();
}

void FlexGrid::setSort(int order)
{
    if (order != SortStringAscending && order != SortStringDescending)
        return;
    const int first = qMin(m_col, m_colSel), last = qMax(m_col, m_colSel);
    QVector<int> index(rows());
    std::iota(index.begin(), index.end(), 0);
    const bool ascending = order == SortStringAscending;
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        for (int c = first; c <= last; ++c) {
            const int cmp = QString::compare(m_cells.text(a, c), m_cells.text(b, c), Qt::CaseSensitive);
            if (cmp != 0)
                return ascending ? cmp < 0 : cmp > 0;
        }
        return false;
    });
    m_cells.reorderRows(index);
    invalidateAll();
}

void FlexGrid::setForeColor(OleColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    restyleRenderedTexts();
    invalidateAll();
}

void FlexGrid::setScale(Scale scale)
{
    m_scale = scale;
    invalidateAll();
}

int FlexGrid::columnPixels(int col) const
{
    return m_scale.toPixels(m_colWidths[col]);
}

int FlexGrid::columnLeft(int col) const
{
    int x = 0;
    for (int c = 0; c < col; ++c)
        x += columnPixels(c);
    return x;
}

QRect FlexGrid::cellRect(int row, int col) const
{
    if (!m_cells.contains(row, col) || row < m_topRow)
        return {};
    const int top = (row - m_topRow) * m_rowHeight;
    if (top >= height())
        return {};
    const QRect r(columnLeft(col), top, columnPixels(col), m_rowHeight);
    return r.intersects(rect()) ? r : QRect();
}

bool FlexGrid::hitTest(const QPoint &pos, int *row, int *col) const
{
    if (pos.y() < 0 || pos.x() < 0 || m_rowHeight <= 0)
        return false;
    const int r = m_topRow + pos.y() / m_rowHeight;
    int x = 0;
    for (int c = 0; c < cols(); ++c) {
        x += columnPixels(c);
        if (pos.x() < x) {
            if (r >= rows())
                return false;
            *row = r;
            *col = c;
            return true;
        }
    }
    return false;
}

void FlexGrid::invalidateCell(int row, int col)
{
    if (m_allDirty)
        return;
    const QRect r = cellRect(row, col);
    if (r.isEmpty())
        return;
    if (m_redraw)
        update(r);
    else
        m_dirty += r;
}

void FlexGrid::invalidateAll()
{
    if (m_redraw) {
        update();
    } else {
        m_allDirty = true;
        m_dirty = QRegion();
    }
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    int r = 0, c = 0;
    m_pressed = event->button() == Qt::LeftButton && hitTest(event->position().toPoint(), &r, &c);
    if (!m_pressed)
        return;
    m_mouseRow = r;
    m_mouseCol = c;
    m_row = r;
    m_col = m_colSel = c;
    emit mouseDown();
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    emit click();
}

void FlexGrid::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        // Rows as high as the font's em plus a small margin, as the classic grid
        // makes them; the extra leading of the IPA faces would cut the board's
        // fifth row off.
        const int em = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
        m_rowHeight = em + 3;
        restyleRenderedTexts();
        invalidateAll();
    }
    QWidget::changeEvent(event);
}

} // namespace pelumo
