#include "platform/CharacterWindow.h"
#include "platform/SpeechBalloon.h"
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pelumo {
namespace {
constexpr int kWidth = 130;
constexpr int kHeight = 170;
constexpr int kFrameMs = 80;        // about 12 frames a second: smooth enough, cheap
constexpr int kGreetFrames = 18;    // the wave lasts about 1.4 s
// Mouth openings in turn while talking, in pixels.
constexpr int kMouth[] = {3, 9, 5, 11, 4, 8, 2, 10};
const QColor kBodyLight(255, 214, 120);
const QColor kBodyDark(240, 160, 60);
const QColor kOutline(120, 70, 20);
}

CharacterWindow::CharacterWindow(QWidget *parent)
    : QWidget(parent), m_balloon(new SpeechBalloon)
{
    makeOverlayWindow(this);
    setWindowTitle(QStringLiteral("Pelumo"));
    resize(kWidth, kHeight);
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &CharacterWindow::tick);
    m_linger.setSingleShot(true);
    connect(&m_linger, &QTimer::timeout, m_balloon, &QWidget::hide);
}

CharacterWindow::~CharacterWindow()
{
    delete m_balloon;
}

void CharacterWindow::play(const QString &animation)
{
    if (animation != QLatin1String("greet"))
        return;
    m_greetFramesLeft = kGreetFrames;
    updateTimer();
}

void CharacterWindow::showBalloon(const QString &text)
{
    m_linger.stop();
    m_balloon->setText(text);
    placeBalloon();
    if (isVisible())
        m_balloon->show();
}

void CharacterWindow::setTalking(bool talking)
{
    m_talking = talking;
    updateTimer();
    update();
}

void CharacterWindow::rest(int lingerMs)
{
    setTalking(false);
    if (lingerMs > 0 && m_balloon->isVisible())
        m_linger.start(lingerMs);
    else {
        m_linger.stop();
        m_balloon->hide();
    }
}

bool CharacterWindow::balloonShown() const
{
    return m_balloon->isVisible();
}

QString CharacterWindow::balloonText() const
{
    return m_balloon->text();
}

void CharacterWindow::tick()
{
    ++m_frame;
    if (m_greetFramesLeft > 0)
        --m_greetFramesLeft;
    updateTimer();
    update();
}

void CharacterWindow::updateTimer()
{
    const bool moving = m_talking || m_greetFramesLeft > 0;
    if (moving && !m_timer.isActive())
        m_timer.start();
    else if (!moving)
        m_timer.stop();
}

void CharacterWindow::placeBalloon()
{
    m_balloon->pointAt(geometry().topLeft() + QPoint(18, 40));
}

void CharacterWindow::moveEvent(QMoveEvent *)
{
    placeBalloon();
}

void CharacterWindow::hideEvent(QHideEvent *)
{
    m_balloon->hide();
}

void CharacterWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintArms(p);
    paintBody(p);
    paintFace(p);
}

void CharacterWindow::paintBody(QPainter &p)
{
    // A round, pear-shaped body with a little tuft on top.
    QPainterPath body;
    body.moveTo(65, 22);
    body.cubicTo(105, 22, 118, 70, 116, 110);
    body.cubicTo(114, 150, 92, 164, 65, 164);
    body.cubicTo(38, 164, 16, 150, 14, 110);
    body.cubicTo(12, 70, 25, 22, 65, 22);
    QRadialGradient shade(QPointF(50, 60), 110);
    shade.setColorAt(0, kBodyLight);
    shade.setColorAt(1, kBodyDark);
    p.setPen(QPen(kOutline, 3));
    p.setBrush(shade);
    p.drawPath(body);

    QPainterPath tuft;
    tuft.moveTo(60, 24);
    tuft.cubicTo(56, 8, 70, 4, 74, 12);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tuft);
}

void CharacterWindow::paintFace(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 35, 15));
    p.drawEllipse(QPointF(48, 78), 7, 9);
    p.drawEllipse(QPointF(82, 78), 7, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(50, 75), 2.5, 2.5);
    p.drawEllipse(QPointF(84, 75), 2.5, 2.5);

    p.setBrush(QColor(255, 140, 140, 150));
    p.drawEllipse(QPointF(36, 96), 8, 5);
    p.drawEllipse(QPointF(94, 96), 8, 5);

    if (m_talking) {
        const int open = kMouth[m_frame % int(std::size(kMouth))];
        p.setPen(QPen(kOutline, 2));
        p.setBrush(QColor(170, 40, 50));
        p.drawEllipse(QRectF(56, 100, 18, open + 3));
    } else {
        // At rest: a smile.
        p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(52, 92, 26, 16), 200 * 16, 140 * 16);
    }
}

void CharacterWindow::paintArms(QPainter &p)
{
    p.setPen(QPen(kOutline, 3));
    p.setBrush(kBodyDark);
    // The left arm hangs; the right one waves while greeting.
    p.save();
    p.translate(20, 112);
    p.rotate(30);
    p.drawEllipse(QRectF(-8, -4, 16, 30));
    p.restore();

    p.save();
    p.translate(110, 112);
    qreal angle = -30;
    if (m_greetFramesLeft > 0)
        angle = -150 + 25 * qSin(m_frame * 1.3);
    p.rotate(angle);
    p.drawEllipse(QRectF(-8, -4, 16, 30));
    p.restore();
}

} // namespace pelumo
