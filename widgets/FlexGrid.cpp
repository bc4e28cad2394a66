#include "widgets/FlexGrid.h"
#include <QTextBoundaryFinder>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace pelumo {
namespace {
constexpr int kDefaultColWidth = 960;        // twips
const QColor kGridLine(192, 192, 192);
const QColor kOutsideCells(128, 128, 128);   // area beyond the last row or column
}

FlexGrid::FlexGrid(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    m_rowHeight = fontMetrics().height() + 3;
    resizeCells(2, 2);
}

bool FlexGrid::contains(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

void FlexGrid::resizeCells(int rows, int cols)
{
    rows = qMax(0, rows);
    cols = qMax(0, cols);
    if (cols == m_cols) {
        m_cells.resize(rows * cols);
    } else {
        QVector<Cell> cells(rows * cols);
        for (int r = 0; r < qMin(rows, m_rows); ++r)
            for (int c = 0; c < qMin(cols, m_cols); ++c)
                cells[r * cols + c] = cell(r, c);
        m_cells.swap(cells);
        m_colWidths.resize(cols, kDefaultColWidth);
    }
    m_rows = rows;
    m_cols = cols;
    m_row = qBound(0, m_row, qMax(0, rows - 1));
    m_col = m_colSel = qBound(0, m_col, qMax(0, cols - 1));
    m_topRow = qBound(0, m_topRow, maxTopRow());
    invalidateAll();
}

void FlexGrid::setRows(int rows) { resizeCells(rows, m_cols); }
void FlexGrid::setCols(int cols) { resizeCells(m_rows, cols); }

QString FlexGrid::textMatrix(int row, int col) const
{
    return contains(row, col) ? cell(row, col).text : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (!contains(row, col))
        return;
    cell(row, col).text = text;
    invalidateCell(row, col);
}

void FlexGrid::setRow(int row)
{
    m_row = qBound(0, row, qMax(0, m_rows - 1));
    m_colSel = m_col;
}

void FlexGrid::setCol(int col)
{
    m_col = m_colSel = qBound(0, col, qMax(0, m_cols - 1));
}

void FlexGrid::setColSel(int col)
{
    m_colSel = qBound(0, col, qMax(0, m_cols - 1));
}

void FlexGrid::setCellBackColor(OleColor color)
{
    for (int c = qMin(m_col, m_colSel); c <= qMax(m_col, m_colSel); ++c) {
        if (!contains(m_row, c) || cell(m_row, c).back == color)
            continue;
        cell(m_row, c).back = color;
        invalidateCell(m_row, c);
    }
}

void FlexGrid::setCellAlignment(int alignment)
{
    for (int c = qMin(m_col, m_colSel); c <= qMax(m_col, m_colSel); ++c) {
        if (!contains(m_row, c) || cell(m_row, c).alignment == alignment)
            continue;
        cell(m_row, c).alignment = alignment;
        invalidateCell(m_row, c);
    }
}

OleColor FlexGrid::cellBackColor(int row, int col) const
{
    return contains(row, col) ? cell(row, col).back : colors::White;
}

int FlexGrid::cellAlignment(int row, int col) const
{
    return contains(row, col) ? cell(row, col).alignment : int(AlignGeneral);
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col == -1)
        std::fill(m_colWidths.begin(), m_colWidths.end(), twips);
    else if (col >= 0 && col < m_cols)
        m_colWidths[col] = twips;
    invalidateAll();
}

int FlexGrid::colWidth(int col) const
{
    return col >= 0 && col < m_cols ? m_colWidths[col] : 0;
}

int FlexGrid::visibleRows() const
{
    return m_rowHeight > 0 ? qMax(1, height() / m_rowHeight) : 1;
}

int FlexGrid::maxTopRow() const
{
    return qMax(0, m_rows - visibleRows());
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
    if (on && !m_dirty.isEmpty()) {
        update(m_dirty);
        m_dirty = QRegion();
    }
}

void FlexGrid::setSort(int order)
{
    if (order != SortStringAscending && order != SortStringDescending)
        return;
    const int first = qMin(m_col, m_colSel), last = qMax(m_col, m_colSel);
    QVector<int> index(m_rows);
    std::iota(index.begin(), index.end(), 0);
    const bool ascending = order == SortStringAscending;
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        for (int c = first; c <= last; ++c) {
            const int cmp = QString::compare(cell(a, c).text, cell(b, c).text, Qt::CaseSensitive);
            if (cmp != 0)
                return ascending ? cmp < 0 : cmp > 0;
        }
        return false;
    });
    QVector<Cell> sorted;
    sorted.reserve(m_cells.size());
    for (int r : index)
        for (int c = 0; c < m_cols; ++c)
            sorted.append(std::move(cell(r, c)));
    m_cells.swap(sorted);
    invalidateAll();
}

void FlexGrid::setForeColor(OleColor color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    dropRenderedTexts();
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
    if (!contains(row, col) || row < m_topRow)
        return {};
    const QRect r(columnLeft(col), (row - m_topRow) * m_rowHeight, columnPixels(col), m_rowHeight);
    return r.intersects(rect()) ? r : QRect();
}

bool FlexGrid::hitTest(const QPoint &pos, int *row, int *col) const
{
    if (pos.y() < 0 || pos.x() < 0 || m_rowHeight <= 0)
        return false;
    const int r = m_topRow + pos.y() / m_rowHeight;
    int x = 0;
    for (int c = 0; c < m_cols; ++c) {
        x += columnPixels(c);
        if (pos.x() < x) {
            if (r >= m_rows)
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
    if (m_redraw)
        update();
    else
        m_dirty = QRegion(rect());
}

void FlexGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect clip = event->rect();
    p.fillRect(clip, kOutsideCells);
    int x = 0;
    for (int c = 0; c < m_cols && x <= clip.right(); ++c) {
        const int w = columnPixels(c);
        if (x + w >= clip.left()) {
            int y = 0;
            for (int r = m_topRow; r < m_rows && y <= clip.bottom(); ++r, y += m_rowHeight) {
                if (y + m_rowHeight < clip.top())
                    continue;
                const QRect box(x, y, w, m_rowHeight);
                const Cell &it = cell(r, c);
                p.fillRect(box, toQColor(it.back));
                p.setPen(kGridLine);
                p.drawLine(box.topRight(), box.bottomRight());
                p.drawLine(box.bottomLeft(), box.bottomRight());
                if (!it.text.isEmpty())
                    paintText(p, box.adjusted(2, 0, -2, 0), it);
            }
        }
        x += w;
    }
}

void FlexGrid::paintText(QPainter &p, const QRect &inner, const Cell &cell)
{
    const bool bottom = cell.alignment == AlignCenterBottom;
    // Large glyphs are drawn from their outlines, glyph by glyph, so only the
    // part of a long phrase that the cell can show is drawn at all.
    const QPixmap *text = renderedText(bottom ? cell.text : visiblePart(cell.text, inner.width()));
    if (!text) {
        p.setPen(toQColor(m_foreColor));
        p.drawText(inner, (bottom ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter)
                              | Qt::TextSingleLine, cell.text);
        return;
    }
    const QSize size = text->deviceIndependentSize().toSize();
    const QPoint at = bottom ? QPoint(inner.left() + (inner.width() - size.width()) / 2,
                                      inner.bottom() + 1 - size.height())
                             : QPoint(inner.left(), inner.top() + (inner.height() - size.height()) / 2);
    p.save();
    p.setClipRect(inner);
    p.drawPixmap(at, *text);
    p.restore();
}

QString FlexGrid::visiblePart(const QString &text, int width) const
{
    const QFontMetrics fm = fontMetrics();
    int used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        used += fm.horizontalAdvance(text.at(i));
        if (used >= width)
            return text.left(i + 1);
    }
    return text;
}

const QPixmap *FlexGrid::renderedText(const QString &text)
{
    if (QPixmap *cached = m_rendered.object(text))
        return cached;
    const QFontMetrics fm = fontMetrics();
    const QSize size(qMax(1, fm.horizontalAdvance(text)), fm.height());
    const int cost = size.width() * size.height();
    if (cost > m_rendered.maxCost())
        return nullptr;
    const qreal ratio = devicePixelRatioF();
    auto *pixmap = new QPixmap(size * ratio);
    pixmap->setDevicePixelRatio(ratio);
    pixmap->fill(Qt::transparent);
    QPainter p(pixmap);
    // Put together from one picture a character: the kana of a new phrase
    // have nearly all been drawn before, and drawing a large character from
    // its outline costs a good part of a millisecond.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    int x = 0;
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) > 0; start = end) {
        const QString g = text.mid(start, end - start);
        if (const QPixmap *glyph = renderedGrapheme(g, fm))
            p.drawPixmap(QPointF(x - fm.height(), 0), *glyph);
        x += fm.horizontalAdvance(g);
    }
    p.end();
    m_rendered.insert(text, pixmap, cost);
    return pixmap;
}

const QPixmap *FlexGrid::renderedGrapheme(const QString &grapheme, const QFontMetrics &fm)
{
    if (QPixmap *cached = m_graphemes.object(grapheme))
        return cached;
    // Wide enough for overhanging strokes on either side.
    const int advance = qMax(1, fm.horizontalAdvance(grapheme));
    const QSize size(advance + 2 * fm.height(), fm.height());
    const qreal ratio = devicePixelRatioF();
    auto *pixmap = new QPixmap(size * ratio);
    pixmap->setDevicePixelRatio(ratio);
    pixmap->fill(Qt::transparent);
    QPainter p(pixmap);
    p.setFont(font());
    p.setPen(toQColor(m_foreColor));
    p.drawText(QPointF(fm.height(), fm.ascent()), grapheme);
    p.end();
    m_graphemes.insert(grapheme, pixmap, size.width() * size.height());
    return pixmap;
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
        dropRenderedTexts();
        invalidateAll();
    }
    QWidget::changeEvent(event);
}

} // namespace pelumo
