#pragma once
// Finding a scan target on its window and pressing it exactly as a touch
// would: a mouse press and release at its centre, sent to the control, so
// that the same handlers run with the same colours and speech.
#include "access/core/ScanTargets.h"
#include <QRect>

class QWidget;

namespace pelumo {

// The control a target names (found by its object name under window), or
// null when there is none.
QWidget *targetWidget(QWidget *window, const ScanTarget &target);
// The target's rectangle in window's coordinates; empty when it is not shown.
QRect targetRect(QWidget *window, const ScanTarget &target);
// The rectangle round every target an item stands for.
QRect itemRect(QWidget *window, const ScanItem &item);

// The left button going down on the target, or coming up. A control that is
// hidden or disabled takes neither, as with a touch.
void pressTarget(QWidget *window, const ScanTarget &target);
void releaseTarget(QWidget *window, const ScanTarget &target);
// Down and up. A drop-down list steps to its next entry instead of opening
// a list that the switch could not reach.
void clickTarget(QWidget *window, const ScanTarget &target);

} // namespace pelumo
