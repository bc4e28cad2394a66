#include "speech/SpeechBalloon.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace pelumo {
namespace {
constexpr int kPadding = 12;
constexpr int kTail = 16;   // how far the tail reaches beyond the frame
constexpr int kRadius = 14;
}

void makeOverlayWindow(QWidget *w)
{
    w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                      | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    w->setAttribute(Qt::WA_TranslucentBackground);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    w->setFocusPolicy(Qt::NoFocus);
}

SpeechBalloon::SpeechBalloon(QWidget *parent) : QWidget(parent)
{
    makeOverlayWindow(this);
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(24);
    f.setBold(true);
    setFont(f);
}

void SpeechBalloon::setText(const QString &text)
{
    m_text = text;
    const QFontMetrics fm(font());
    const int textWidth = kMaxWidth - 2 * kPadding - kTail;
    const int maxHeight = fm.lineSpacing() * kMaxLines;
    auto heightOf = [&](const QString &t) {
        return fm.boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWrapAnywhere, t).height();
    };
    // Too long to show whole (a message holds up to 500 characters): the
    // longest beginning that fits, with an ellipsis.
    m_shown = text;
    if (heightOf(text) > maxHeight) {
        qsizetype lo = 0, hi = text.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (heightOf(text.left(mid) + QStringLiteral("…")) <= maxHeight)
                lo = mid;
            else
                hi = mid - 1;
        }
        m_shown = text.left(lo) + QStringLiteral("…");
    }
    const QRect needed = fm.boundingRect(QRect(0, 0, textWidth, maxHeight),
                                         Qt::TextWrapAnywhere, m_shown);
    const int w = std::max(needed.width(), fm.horizontalAdvance(QStringLiteral("ああ")));
    const int h = std::max(std::min(needed.height(), maxHeight), fm.lineSpacing());
    const QSize size(w + 2 * kPadding + kTail, h + 2 * kPadding);
    update();
    // Texts of the same size (every single kana, say) keep the window's
    // shape as it is, so the window below has nothing to redraw.
    if (size == this->size() && !mask().isEmpty())
        return;
    resize(size);
    // Without a compositing window manager the see-through corners would be black.
    QPainterPathStroker edge;
    edge.setWidth(5);
    const QPainterPath shape = outline();
    setMask(QRegion(shape.united(edge.createStroke(shape)).toFillPolygon().toPolygon()));
}

void SpeechBalloon::pointAt(const QPoint &point)
{
    int x = point.x() - width();
    if (const QScreen *s = screen())
        x = std::max(x, s->availableGeometry().left());
    move(x, point.y() - kPadding - kRadius);
}

QRect SpeechBalloon::textArea() const
{
    return rect().adjusted(kPadding, kPadding, -kPadding - kTail, -kPadding);
}

QPainterPath SpeechBalloon::outline() const
{
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -kTail - 1.5, -1.5);
    QPainterPath path;
    path.addRoundedRect(frame, kRadius, kRadius);
    QPainterPath tail;
    const qreal y = frame.top() + kRadius + kPadding;
    tail.moveTo(frame.right() - 1, y - 8);
    tail.lineTo(width() - 1.5, y);
    tail.lineTo(frame.right() - 1, y + 8);
    tail.closeSubpath();
    return path.united(tail);
}

void SpeechBalloon::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 70, 40), 2.5));
    p.setBrush(QColor(255, 253, 240));
    p.drawPath(outline());

    p.setPen(Qt::black);
    p.drawText(textArea(), Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignVCenter, m_shown);
}

} // namespace pelumo
