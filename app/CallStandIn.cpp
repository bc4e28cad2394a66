#include "app/CallStandIn.h"
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QWindow>

namespace pelumo {

CallStandIn::CallStandIn(CommandButton &panelButton, std::function<bool()> panelShown)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus),
      m_panelButton(&panelButton), m_panelShown(std::move(panelShown))
{
    setObjectName(QStringLiteral("frmCallStandIn"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    cmdCall = new CommandButton(panelButton.caption(), panelButton.backColor(), this);
    cmdCall->setObjectName(QStringLiteral("cmdCall"));
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, &CallStandIn::follow);
    qApp->installEventFilter(this);
}

CallStandIn::~CallStandIn()
{
    qApp->removeEventFilter(this);
    hide();   // dwell's ring, if on it, goes home first
}

// A dialog or the flash shown or hidden.
bool CallStandIn::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && watched != this && watched->isWidgetType()) {
        auto *w = static_cast<QWidget *>(watched);
        if (w->isWindow() && w->isModal())
            m_soon.start();
    }
    return false;
}

void CallStandIn::follow()
{
    QWidget *front = QApplication::activeModalWidget();
    if (!m_panelButton || !m_panelShown() || !m_panelButton->window()->isVisible()
        || !qobject_cast<QDialog *>(front)) {
        hide();
        return;
    }
    // A window that the modal dialog counts as its own is not blocked by it.
    QWindow *over = front->windowHandle();
    if (!isVisible() || windowHandle()->transientParent() != over) {
        hide();
        winId();
        windowHandle()->setTransientParent(over);
    }
    const QRect r(m_panelButton->mapToGlobal(QPoint(0, 0)), m_panelButton->size());
    setGeometry(r);
    cmdCall->setGeometry(rect());
    cmdCall->setFont(m_panelButton->font());
    setCursor(m_panelButton->cursor());
    show();
    raise();
}

} // namespace pelumo
