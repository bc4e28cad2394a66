#include "access/ScanFrame.h"
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pelumo {
namespace {

// Fills a ring of the given width along the inside of r.
void fillRing(QPainter &p, const QRect &r, int width, const QColor &colour)
{
    if (r.isEmpty())
        return;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addRect(r);
    ring.addRect(r.adjusted(width, width, -width, -width));
    p.fillPath(ring, colour);
}

} // namespace

ScanFrame::ScanFrame(QWidget *home) : QWidget(home), m_home(home)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

int ScanFrame::thickness(double scale)
{
    return qMax(6, qRound(6 * scale));
}

void ScanFrame::moveTo(QWidget *window)
{
    if (parentWidget() != window) {
        if (parentWidget())
            parentWidget()->removeEventFilter(this);
        setParent(window);
        window->installEventFilter(this);
    }
    setGeometry(window->rect());
    raise();
    show();
}

void ScanFrame::showFrame(QWidget *window, const QRect &rect, double scale)
{
    if (!window)
        return;
    moveTo(window);
    m_frame = rect;
    m_frameScale = scale;
    update();
}

void ScanFrame::showRing(QWidget *window, const QPoint &pos, double fraction, double scale)
{
    if (!window)
        return;
    moveTo(window);
    m_ringAt = pos;
    m_ring = fraction;
    m_ringScale = scale;
    update();
}

void ScanFrame::hideAll()
{
    m_frame = QRect();
    m_ring = -1.0;
    hide();
}

void ScanFrame::goHome()
{
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    m_frame = QRect();
    m_ring = -1.0;
    setParent(m_home);
    hide();
}

bool ScanFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide && parentWidget() != m_home) {
        goHome();
        return false;
    }
    // Follow the window's size, and stay above controls shown after us.
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::ChildAdded)) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    return false;
}

void ScanFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_frame.isEmpty()) {
        // Inside the rectangle, from its edge in: a dark line, the orange
        // band of its full thickness, a dark line.
        const int t = thickness(m_frameScale);
        const QRect outer = m_frame.intersected(rect());
        fillRing(p, outer, 1, Qt::black);
        fillRing(p, outer.adjusted(1, 1, -1, -1), t, colour());
        fillRing(p, outer.adjusted(1 + t, 1 + t, -1 - t, -1 - t), 1, Qt::black);
    }
    if (m_ring >= 0) {
        p.setRenderHint(QPainter::Antialiasing);
        const int r = qRound(28 * qMax(1.0, m_ringScale));
        const int w = thickness(m_ringScale);
        const QRect box(m_ringAt.x() - r, m_ringAt.y() - r, 2 * r, 2 * r);
        p.setPen(QPen(Qt::black, w + 2));
        p.drawEllipse(box);
        p.setPen(QPen(colour(), w, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(box, 90 * 16, -qRound(qBound(0.0, m_ring, 1.0) * 360 * 16));
    }
}

} // namespace pelumo
