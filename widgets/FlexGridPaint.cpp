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

// Room around a character's ink for its antialiased edge.
constexpr int kInkMargin = 2;
}

// Only the rows in view are visited, however many the grid holds.
void FlexGrid::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect clip = event->rect();
    // Each pixel once: the cells fill their own boxes.
    for (const QRect &r : QRegion(clip).subtracted(cellsArea()))
        p.fillRect(r, kOutsideCells);
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

QRect FlexGrid::cellsArea() const
{
    int width = 0;
    for (int c = 0; c < cols(); ++c)
        width += columnPixels(c);
    return QRect(0, 0, width, (rows() - m_topRow) * m_rowHeight);
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
        if (const GlyphPicture *glyph = renderedGrapheme(g, fm)) {
            if (!glyph->picture.isNull())
                p.drawPixmap(QPoint(x, at.y() + fm.ascent()) + glyph->offset, glyph->picture);
        } else
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

const GlyphPicture *FlexGrid::renderedGrapheme(const QString &grapheme, const QFontMetrics &fm)
{
    RenderedTexts &store = RenderedTexts::shared();
    if (const GlyphPicture *cached = store.find(m_renderStyle, grapheme))
        return cached;
    // The ink alone, with room for its antialiased edge: a large kana's
    // advance and line height hold more than twice its ink, and more kept
    // pictures mean fewer drawn from their outlines at a touch.
    const QRect tight = fm.tightBoundingRect(grapheme);
    const QRect ink = tight.adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
    const qreal ratio = devicePixelRatioF();
    if (!store.fits(ink.size() * ratio))
        return nullptr;
    auto *glyph = new GlyphPicture{QPixmap(), ink.topLeft()};
    if (!tight.isEmpty()) {
        glyph->picture = QPixmap(ink.size() * ratio);
        glyph->picture.setDevicePixelRatio(ratio);
        glyph->picture.fill(Qt::transparent);
        QPainter p(&glyph->picture);
        p.setFont(font());
        p.setPen(toQColor(m_foreColor));
        p.drawText(-ink.topLeft(), grapheme);
    }
    return store.keep(m_renderStyle, grapheme, glyph);
}

} // namespace pelumo
