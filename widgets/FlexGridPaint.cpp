// How the grid draws: cell backgrounds, grid lines and texts, each text put
// together in its cell from kept pictures of its characters.
#include "widgets/FlexGrid.h"
#include "widgets/RenderedTexts.h"
#include <QPaintEvent>
#include <QPainter>
#include <QTextBoundaryFinder>

namespace pelumo {
namespace {
const QColor kGridLine(192, 192, 192);
const QColor kOutsideCells(128, 128, 128);   // area beyond the last row or column

// Room on either side of a character's picture for strokes that overhang its
// advance: a quarter of the line's height is more than the Gothic faces need.
int overhang(const QFontMetrics &fm) { return (fm.height() + 3) / 4; }
}

// Only the rows in view are visited, however many the grid holds.
void FlexGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect clip = event->rect();
    p.fillRect(clip, kOutsideCells);
    int x = 0;
    for (int c = 0; c < cols() && x <= clip.right(); ++c) {
        const int w = columnPixels(c);
        if (x + w >= clip.left()) {
            const int first = m_topRow + qMax(0, clip.top() / m_rowHeight - 1);
            for (int r = first, y = (first - m_topRow) * m_rowHeight; r < rows() && y <= clip.bottom();
                 ++r, y += m_rowHeight) {
                if (y + m_rowHeight >= clip.top())
                    paintCell(p, QRect(x, y, w, m_rowHeight), r, c);
            }
        }
        x += w;
    }
}

void FlexGrid::paintCell(QPainter &p, const QRect &box, int row, int col)
{
    p.fillRect(box, toQColor(m_cells.back(row, col)));
    p.setPen(kGridLine);
    p.drawLine(box.topRight(), box.bottomRight());
    p.drawLine(box.bottomLeft(), box.bottomRight());
    const QString &text = m_cells.text(row, col);
    if (!text.isEmpty())
        paintText(p, box.adjusted(2, 0, -2, 0), text, m_cells.alignment(row, col));
}

void FlexGrid::paintText(QPainter &p, const QRect &inner, const QString &text, int alignment)
{
    const bool bottom = alignment == AlignCenterBottom;
    // Large glyphs are drawn from their outlines, glyph by glyph, so only the
    // part of a long phrase that the cell can show is drawn at all.
    const QString shown = bottom ? text : visiblePart(text, inner.width());
    const QFontMetrics fm = fontMetrics();
    const QSize size(qMax(1, fm.horizontalAdvance(shown)), fm.height());
    const QPoint at = bottom ? QPoint(inner.left() + (inner.width() - size.width()) / 2,
                                      inner.bottom() + 1 - size.height())
                             : QPoint(inner.left(), inner.top() + (inner.height() - size.height()) / 2);
    if (m_renderStyle.isEmpty())
        restyleRenderedTexts();
    p.save();
    p.setClipRect(inner & QRect(at, size));
    // Put together from one picture a character, straight into the cell: the
    // kana of a new phrase have nearly all been drawn before, drawing a large
    // character from its outline costs a good part of a millisecond, and a
    // picture of the whole text first would cost as much again for a text
    // shown once, as the candidates of every entry are.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
    int x = at.x();
    for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) > 0; start = end) {
        const QString g = shown.mid(start, end - start);
        if (const QPixmap *glyph = renderedGrapheme(g, fm))
            p.drawPixmap(QPointF(x - overhang(fm), at.y()), *glyph);
        else
            drawGraphemeText(p, QPoint(x, at.y() + fm.ascent()), g);
        x += fm.horizontalAdvance(g);
    }
    p.restore();
}

void FlexGrid::drawGraphemeText(QPainter &p, const QPoint &baseline, const QString &grapheme) const
{
    p.setPen(toQColor(m_foreColor));
    p.drawText(baseline, grapheme);
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

void FlexGrid::restyleRenderedTexts()
{
    m_renderStyle = font().key() + u'|' + QString::number(uint(m_foreColor)) + u'|'
                  + QString::number(devicePixelRatioF());
}

const QPixmap *FlexGrid::renderedGrapheme(const QString &grapheme, const QFontMetrics &fm)
{
    RenderedTexts &store = RenderedTexts::shared();
    if (QPixmap *cached = store.find(m_renderStyle, grapheme))
        return cached;
    // Wide enough for overhanging strokes on either side.
    const int advance = qMax(1, fm.horizontalAdvance(grapheme));
    const QSize size(advance + 2 * overhang(fm), fm.height());
    const qreal ratio = devicePixelRatioF();
    if (!store.fits(size * ratio))
        return nullptr;
    auto *pixmap = new QPixmap(size * ratio);
    pixmap->setDevicePixelRatio(ratio);
    pixmap->fill(Qt::transparent);
    QPainter p(pixmap);
    p.setFont(font());
    p.setPen(toQColor(m_foreColor));
    p.drawText(QPointF(overhang(fm), fm.ascent()), grapheme);
    p.end();
    return store.keep(m_renderStyle, grapheme, pixmap);
}

} // namespace pelumo
