#include "widgets/OptionButton.h"
#include <QPainter>
#include <QPainterPath>

namespace pelumo {
namespace {

// The box's square at the left of the row, about three quarters of the
// caption's height, and where the caption starts after it.
QRect indicatorRect(const QWidget *w)
{
    const int side = qBound(8, qRound(w->fontMetrics().height() * 0.75), qMax(8, w->height() - 2));
    return QRect(1, (w->height() - side) / 2, side, side);
}

// The row in the dialog's colour, the caption left-aligned after the box.
QRect paintRow(QPainter &p, const QAbstractButton *b)
{
    p.fillRect(b->rect(), b->palette().color(QPalette::Window));
    const QRect box = indicatorRect(b);
    const QRect textRect = b->rect().adjusted(box.right() + box.width() / 2, 0, 0, 0);
    p.setPen(b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled,
                                QPalette::WindowText));
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, b->text());
    p.setRenderHint(QPainter::Antialiasing);
    return box;
}

QColor boxFill(const QAbstractButton *b)
{
    return b->isDown() ? QColor(192, 192, 192) : QColor(255, 255, 255);
}

qreal penWidth(const QRect &box) { return qMax(1.0, box.width() / 12.0); }

} // namespace

OptionButton::OptionButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

bool OptionButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF box = QRectF(paintRow(p, this)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(64, 64, 64), penWidth(box.toRect())));
    p.setBrush(boxFill(this));
    p.drawEllipse(box);
    if (isChecked()) {
        const qreal inset = box.width() * 0.28;
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(box.adjusted(inset, inset, -inset, -inset));
    }
}

CheckBox::CheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
}

bool CheckBox::hitButton(const QPoint &pos) const { return rect().contains(pos); }

void CheckBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF box = QRectF(paintRow(p, this)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(64, 64, 64), penWidth(box.toRect())));
    p.setBrush(boxFill(this));
    p.drawRect(box);
    if (isChecked()) {
        const qreal w = box.width();
        QPainterPath tick;
        tick.moveTo(box.left() + w * 0.2, box.top() + w * 0.5);
        tick.lineTo(box.left() + w * 0.42, box.top() + w * 0.72);
        tick.lineTo(box.left() + w * 0.8, box.top() + w * 0.28);
        p.setPen(QPen(Qt::black, qMax(2.0, w / 7.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
}

OptionFrame::OptionFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
}

void OptionFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor back = palette().color(QPalette::Window);
    p.fillRect(rect(), back);
    const QFontMetrics fm = fontMetrics();
    const QRect border = rect().adjusted(0, fm.height() / 2, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(border);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(border.translated(1, 1));
    const int indent = fm.height() / 2;
    const QRect caption(indent, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(caption, back);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace pelumo
