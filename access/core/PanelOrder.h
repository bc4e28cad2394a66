#pragma once
// The side panel's scan group, added after the commands of every screen of
// the main window while the panel is shown.
#include "access/core/ScanTargets.h"
#include <QStringList>

namespace pelumo {

struct PanelFacts {
    QStringList quickPhrases;      // in their buttons' order
    bool quickMarkShown = false;   // ★ on the phrase list
    QString quickMarkCaption;
};

// 呼ぶ first (a call must never wait behind the rest; a long hold of the
// switch also calls), はい and いいえ, もう一度, 元に戻す, 履歴, the quick
// phrases as a group of their own, ★.
ScanItem panelGroup(const PanelFacts &facts);

} // namespace pelumo
