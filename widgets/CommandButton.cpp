#include "widgets/CommandButton.h"
#include <QPainter>
#include <QTextOption>

namespace pelumo {

CommandButton::CommandButton(const QString &caption, OleColor back, QWidget *parent)
    : QAbstractButton(parent), m_back(back)
{
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
}

void CommandButton::setBackColor(OleColor color)
{
    if (color == m_back)
        return;
    m_back = color;
    update();
}

void CommandButton::setForeColor(OleColor color)
{
    m_fore = color;
    update();
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, toQColor(m_back));
    const bool down = isDown();
    const QColor light(255, 255, 255), dark(64, 64, 64);
    p.setPen(down ? dark : light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? light : dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());

    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    p.setPen(isEnabled() ? toQColor(m_fore) : QColor(128, 128, 128));
    const QRect textBox = r.adjusted(2, 2, -2, -2).translated(down ? 1 : 0, down ? 1 : 0);
    p.drawText(QRectF(textBox), text(), option);
}

Frame::Frame(OleColor back, bool border, QWidget *parent)
    : QWidget(parent), m_back(back), m_border(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_back));
    if (m_border) {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(128, 128, 128));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QColor(255, 255, 255));
        p.drawRect(r.adjusted(1, 1, 0, 0));
    }
}

} // namespace pelumo
