#include "speech/CharacterWindow.h"
#include "speech/SpeechBalloon.h"
#include <QApplication>
#include <QWindow>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pelumo {
namespace {
// The figure is drawn in a 150 x 170 box and shown at four fifths of that:
// at the place the program puts it (855, 20) on a 1024 x 768 screen it then
// ends above the letter board and left of "広げる", covering no key.
constexpr qreal kSize = 0.8;
constexpr int kWidth = 120;
constexpr int kHeight = 136;
constexpr int kFrameMs = 80;        // about 12 frames a second: smooth enough, cheap
constexpr int kGreetFrames = 18;    // the wave lasts about 1.4 s
// Mouth openings in turn while talking, in pixels.
constexpr int kMouth[] = {4, 12, 7, 14, 5, 10, 3, 13};
const QColor kBodyLight(255, 214, 120);
const QColor kBodyDark(240, 160, 60);
const QColor kOutline(120, 70, 20);
// The arms hang inside the body's edge; the right one waves beside the
// cheek, still within the outline.
constexpr qreal kArmDown = 25;
constexpr qreal kWaveCentre = -160;
constexpr qreal kWaveReach = 22;

// An arm: an oval hanging from pivot, turned by angle degrees.
QPainterPath arm(QPointF pivot, qreal angle)
{
    QPainterPath path;
    path.addEllipse(QRectF(-8, -4, 16, 30));
    QTransform t;
    t.translate(pivot.x(), pivot.y());
    t.rotate(angle);
    return t.map(path);
}

// A round, pear-shaped body.
QPainterPath body()
{
    QPainterPath path;
    path.moveTo(65, 22);
    path.cubicTo(105, 22, 118, 70, 116, 110);
    path.cubicTo(114, 150, 92, 164, 65, 164);
    path.cubicTo(38, 164, 16, 150, 14, 110);
    path.cubicTo(12, 70, 25, 22, 65, 22);
    return path;
}

QPainterPath tuft()
{
    QPainterPath path;
    path.moveTo(60, 24);
    path.cubicTo(56, 8, 70, 4, 74, 12);
    return path;
}
}

CharacterWindow::CharacterWindow(QWidget *parent)
    : QWidget(parent), m_balloon(new SpeechBalloon)
{
    makeOverlayWindow(this);
    setWindowTitle(QStringLiteral("Pelumo"));
    resize(kWidth, kHeight);
    setMask(QRegion(QTransform::fromScale(kSize, kSize).map(outline()).toFillPolygon().toPolygon()));
    m_timer.setInterval(kFrameMs);
    connect(&m_timer, &QTimer::timeout, this, &CharacterWindow::tick);
    m_linger.setSingleShot(true);
    connect(&m_linger, &QTimer::timeout, m_balloon, &QWidget::hide);
    // Always-on-top is the window manager's to honour; where there is none
    // (a kiosk session), the main window shown after us would cover us.
    connect(qApp, &QApplication::focusWindowChanged, this, [this] {
        if (isVisible())
            keepOnTop();
    });
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
    if (!isVisible())
        return;
    if (coversDialog(m_balloon->geometry())) {
        m_balloon->hide();
        return;
    }
    m_balloon->show();
    m_balloon->raise();
}

// The balloon stays on top of everything; over an open dialog it would hide
// the controls being touched (the voice's own ＋ while it tries the voice).
// There the voice speaks without it.
bool CharacterWindow::coversDialog(const QRect &area)
{
    const QWidget *dialog = QApplication::activeModalWidget();
    return dialog && dialog->frameGeometry().intersects(area);
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
        --m_greetFramesLeft;   // back to rest after the last frame
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
    m_balloon->pointAt(geometry().topLeft() + QPoint(14, 32));
}

void CharacterWindow::moveEvent(QMoveEvent *)
{
    placeBalloon();
}

void CharacterWindow::showEvent(QShowEvent *)
{
    // After the windows shown in the same turn of the event loop.
    QTimer::singleShot(0, this, &CharacterWindow::keepOnTop);
}

void CharacterWindow::keepOnTop()
{
    raise();
    if (m_balloon->isVisible())
        m_balloon->raise();
}

void CharacterWindow::hideEvent(QHideEvent *)
{
    m_balloon->hide();
}

void CharacterWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The whole shape first, edge to edge, so that no pixel of it is left
    // see-through (black where no compositing window manager blends it).
    for (const QRect &r : mask())
        p.fillRect(r, kOutline);
    p.scale(kSize, kSize);
    p.setPen(QPen(kOutline, 3));
    paintBody(p);
    paintFace(p);
    // The arms in front of the body, kept inside its edge.
    p.setClipPath(body());
    p.setBrush(kBodyDark);
    p.setPen(QPen(kOutline, 2.5));
    p.drawPath(leftArm());
    p.drawPath(rightArm(rightArmAngle()));
}

QPainterPath CharacterWindow::leftArm()
{
    return arm(QPointF(30, 112), -kArmDown);
}

QPainterPath CharacterWindow::rightArm(qreal angle)
{
    return arm(QPointF(100, 112), angle);
}

qreal CharacterWindow::rightArmAngle() const
{
    return m_greetFramesLeft > 0 ? kWaveCentre + kWaveReach * qSin(m_frame * 1.3) : kArmDown;
}

QPainterPath CharacterWindow::outline()
{
    // The body and the tuft with their outline (3 pixels wide, half of it
    // outside the fill).
    QPainterPathStroker edge;
    edge.setWidth(4);
    edge.setCapStyle(Qt::RoundCap);
    const QPainterPath b = body();
    return b.united(edge.createStroke(b)).united(edge.createStroke(tuft())).simplified();
}

void CharacterWindow::paintBody(QPainter &p)
{
    QRadialGradient shade(QPointF(50, 60), 110);
    shade.setColorAt(0, kBodyLight);
    shade.setColorAt(1, kBodyDark);
    p.setBrush(shade);
    p.drawPath(body());

    p.setBrush(Qt::NoBrush);
    p.drawPath(tuft());
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
        p.drawEllipse(QRectF(54, 99, 22, open + 3));
    } else if (m_greetFramesLeft > 0) {
        // Greeting: a wide open smile.
        p.setPen(QPen(kOutline, 2));
        p.setBrush(QColor(170, 40, 50));
        p.drawChord(QRectF(51, 88, 28, 22), 180 * 16, 180 * 16);
    } else {
        // At rest: a smile.
        p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(52, 92, 26, 16), 200 * 16, 140 * 16);
    }
}

} // namespace pelumo
