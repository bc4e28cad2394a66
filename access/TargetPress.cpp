#include "access/TargetPress.h"
#include "widgets/FlexGrid.h"
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QWidget>

namespace pelumo {
namespace {

// Where the target is, in the coordinates of the widget that takes the press.
QRect localRect(QWidget *widget, const ScanTarget &target)
{
    if (target.kind == ScanTarget::Kind::Cell) {
        auto *grid = qobject_cast<FlexGrid *>(widget);
        return grid ? grid->cellRect(target.row, target.col) : QRect();
    }
    return widget->rect();
}

void sendButton(QWidget *window, const ScanTarget &target, QEvent::Type type)
{
    QWidget *widget = targetWidget(window, target);
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        return;
    const QRect r = localRect(widget, target);
    if (r.isEmpty())
        return;
    const QPointF local = QRectF(r).center();
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

QWidget *targetWidget(QWidget *window, const ScanTarget &target)
{
    if (!window)
        return nullptr;
    if (window->objectName() == target.id)
        return window;
    return window->findChild<QWidget *>(target.id);
}

QRect targetRect(QWidget *window, const ScanTarget &target)
{
    QWidget *widget = targetWidget(window, target);
    if (!widget || !widget->isVisibleTo(window))
        return {};
    const QRect r = localRect(widget, target);
    if (r.isEmpty())
        return {};
    return QRect(widget->mapTo(window, r.topLeft()), r.size());
}

QRect itemRect(QWidget *window, const ScanItem &item)
{
    std::vector<ScanTarget> targets;
    collectTargets(item, targets);
    QRect all;
    for (const ScanTarget &t : targets)
        all |= targetRect(window, t);
    return all;
}

void pressTarget(QWidget *window, const ScanTarget &target)
{
    sendButton(window, target, QEvent::MouseButtonPress);
}

void releaseTarget(QWidget *window, const ScanTarget &target)
{
    sendButton(window, target, QEvent::MouseButtonRelease);
}

void clickTarget(QWidget *window, const ScanTarget &target)
{
    if (auto *list = qobject_cast<QComboBox *>(targetWidget(window, target))) {
        if (list->isEnabled() && list->count() > 0)
            list->setCurrentIndex((list->currentIndex() + 1) % list->count());
        return;
    }
    pressTarget(window, target);
    releaseTarget(window, target);
}

} // namespace pelumo
