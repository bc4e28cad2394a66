// Dwell on the main window and its dialogs: what lies under the pointer is
// found among the targets of the shown screen's scan table, so dwell reaches
// what scanning reaches, and 終了 and 設定 stay a carer's touch.
#include "app/frmTalk.h"
#include "access/TargetPress.h"
#include <QApplication>

namespace pelumo {
namespace {

// The keys that repeat while held go on repeating while the pointer rests.
bool repeatsWhileHeld(const ScanTarget &target)
{
    static const QStringList keys = {"cmdRes0", "cmdRes1", "cmdRes2", "cmdRes3", "cmdRes4",
                                     "cmdUp", "cmdDown"};
    return target.kind == ScanTarget::Kind::Control && keys.contains(target.id);
}

} // namespace

std::optional<DwellSpot> frmTalk::dwellSpotAt(const QPoint &global)
{
    // Another of the program's windows in front (the character) takes the
    // pointer; the frame itself lets it through. The call's own 呼ぶ, above
    // a dialog, is a window of its own.
    QWidget *under = QApplication::widgetAt(global);
    if (QWidget *standIn = call->standIn(); under && under->window() == standIn)
        return DwellSpot{ScanTarget::control("cmdCall"), false, standIn, standIn->rect(),
                         layout.scale().factor()};
    const ScanContext c = scanContext();
    if (!c.window || (under && under->window() != c.window))
        return std::nullopt;
    const QPoint at = c.window->mapFromGlobal(global);
    if (!c.window->rect().contains(at))
        return std::nullopt;
    std::vector<ScanTarget> targets;
    for (const ScanItem &item : c.table)
        collectTargets(item, targets);
    for (const ScanTarget &t : targets)
        if (const QRect r = targetRect(c.window, t); r.contains(at))
            return DwellSpot{t, repeatsWhileHeld(t), c.window, r, c.scale};
    return std::nullopt;
}

// On the window the target was found on, which may have gone since.
void frmTalk::performDwell(QWidget *window, const DwellStep &step)
{
    if (step.action == DwellAction::Press)
        pressTarget(window, step.target);
    else
        releaseTarget(window, step.target);
}

} // namespace pelumo
