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

void ScanFrame::showRing(QWidget *window, const QRect &target, double fraction, double scale)
{
    if (!window)
        return;
    const bool moved = parentWidget() != window;
    moveTo(window);
    // Only the ring's own room is painted again, 33 times a second.
    const QRect dirty = moved || m_ring < 0 ? QRect() : m_ringTarget;
    m_ringTarget = target;
    m_ring = fraction;
    m_ringScale = scale;
    if (moved)
        update();
    else
        update(dirty | (fraction >= 0 ? target : QRect()));
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
    if (m_ring >= 0)
        paintRing(p);
}

std::array<QRect, 2> ScanFrame::ringTracks(const QRect &target, double scale)
{
    const int w = qMax(4, qRound(6 * scale));
    const int inset = qMax(2, qRound(3 * scale));
    const QRect in = target.adjusted(inset, inset, -inset, -inset);
    if (target.width() >= target.height())
        return {QRect(in.left(), in.top(), w, in.height()),
                QRect(in.right() - w + 1, in.top(), w, in.height())};
    return {QRect(in.left(), in.top(), in.width(), w),
            QRect(in.left(), in.bottom() - w + 1, in.width(), w)};
}

// Each track dark, and orange from its start (the bottom of an upright
// track, the left end of a lying one) as far as the time has gone.
void ScanFrame::paintRing(QPainter &p) const
{
    const double f = qBound(0.0, m_ring, 1.0);
    for (const QRect &track : ringTracks(m_ringTarget, m_ringScale)) {
        p.fillRect(track, Qt::black);
        QRect fill = track.adjusted(1, 1, -1, -1);
        if (track.height() > track.width())
            fill.setTop(fill.bottom() + 1 - qRound(fill.height() * f));
        else
            fill.setWidth(qRound(fill.width() * f));
        p.fillRect(fill, colour());
    }
}

} // namespace pelumo
