#include "widgets/FlashWindow.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace pelumo {

namespace {
// Yellow with black, red with white: each pair at full strength, and the
// change between them is seen even from the side of the eye.
struct Look {
    QColor background, text;
};
const Look kLooks[2] = {{QColor(255, 230, 0), Qt::black}, {QColor(230, 0, 0), Qt::white}};
} // namespace

const QString FlashWindow::kText = QStringLiteral("呼んでいます");

FlashWindow::FlashWindow()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmCall"));
    setWindowTitle(kText);
    // Modal over the whole program: a dialog open beneath would otherwise
    // hold every touch, and the flash could not be dismissed.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::BlankCursor);
}

void FlashWindow::showOver(QScreen *screen)
{
    if (screen)
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
}

// A modal window shown later is above it in the program's order; shown
// again, the flash is the front one once more.
void FlashWindow::keepInFront()
{
    if (!isVisible())
        return;
    if (QApplication::activeModalWidget() != this) {
        hide();
        showFullScreen();
        activateWindow();
        setFocus();
    }
    raise();
}

void FlashWindow::setPhase(int phase)
{
    const int wanted = phase & 1;
    if (wanted == m_phase)
        return;
    m_phase = wanted;
    update();
}

QColor FlashWindow::background() const
{
    return kLooks[m_phase].background;
}

bool FlashWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
        event->accept();
        emit dismissed();
        return true;
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

void FlashWindow::paintEvent(QPaintEvent *)
{
    const Look &look = kLooks[m_phase];
    QPainter p(this);
    p.fillRect(rect(), look.background);
    QFont f = font();
    // As wide as the text may go in a margin of a tenth of the width.
    f.setPixelSize(std::max(1, std::min(height() / 4, width() * 8 / 10 / int(kText.size()))));
    f.setBold(true);
    p.setFont(f);
    p.setPen(look.text);
    p.drawText(rect(), Qt::AlignCenter, kText);
}

void FlashWindow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit dismissed();
}

void FlashWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (!event->isAutoRepeat())
        emit dismissed();
}

// Closed by the window manager or a helper that closes whatever is in front:
// the flash would be gone while the chime went on.
void FlashWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit dismissed();
}

} // namespace pelumo
