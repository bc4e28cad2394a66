#include "access/SwitchInput.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>

namespace pelumo {
namespace {

bool isTouchScreen(const QMouseEvent *event)
{
    const QPointingDevice *device = event->pointingDevice();
    return device && device->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

SwitchInput::SwitchInput(QObject *parent) : QObject(parent) {}

SwitchInput::~SwitchInput()
{
    if (m_mode)
        qApp->removeEventFilter(this);
}

void SwitchInput::setMode(std::optional<ScanMode> mode)
{
    if (mode.has_value() != m_mode.has_value()) {
        if (mode)
            qApp->installEventFilter(this);
        else
            qApp->removeEventFilter(this);
    }
    m_mode = mode;
}

SwitchId SwitchInput::idFor(bool selectKey) const
{
    if (m_mode == ScanMode::Automatic)
        return SwitchId::Select;
    return selectKey ? SwitchId::Select : SwitchId::Step;
}

void SwitchInput::route(std::optional<SwitchId> &down, bool press, bool selectKey)
{
    if (press && !down) {
        down = idFor(selectKey);
        emit pressed(*down);
    } else if (!press && down) {
        const SwitchId id = *down;
        down.reset();
        emit released(id);
    }
}

bool SwitchInput::eventFilter(QObject *, QEvent *event)
{
    if (!m_mode || !event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return keyEvent(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return mouseEvent(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

bool SwitchInput::keyEvent(QKeyEvent *event)
{
    int which;
    switch (event->key()) {
    case Qt::Key_Space: which = 0; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: which = 1; break;
    default: return false;
    }
    // A held key repeats: only the first press and the last release count.
    if (event->type() == QEvent::ShortcutOverride || event->isAutoRepeat()) {
        event->accept();
        return true;
    }
    route(m_keyDown[which], event->type() == QEvent::KeyPress, which == 1);
    return true;
}

bool SwitchInput::mouseEvent(QMouseEvent *event)
{
    if (isTouchScreen(event))
        return false;
    int which;
    switch (event->button()) {
    case Qt::LeftButton: which = 0; break;
    case Qt::RightButton: which = 1; break;
    default: return true;   // other buttons do nothing, and touch nothing
    }
    if (event->type() != QEvent::MouseButtonDblClick)
        route(m_buttonDown[which], event->type() == QEvent::MouseButtonPress, which == 1);
    return true;
}

} // namespace pelumo
