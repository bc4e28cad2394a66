#pragma once
// The side panel: help at one touch beside the layout. 呼ぶ calls for help,
// 元に戻す takes back the last change of the message, もう一度 says the last
// message read again, 履歴 lists the messages read before, はい and いいえ
// and the user's quick phrases are said at once. On the phrase list, ★ marks
// the highlighted phrase as quick, or unmarks it. The window wires the
// buttons; the panel only shows.
#include "widgets/CommandButton.h"
#include "widgets/ScaledLayout.h"
#include <QStringList>
#include <array>

namespace pelumo {

class SidePanel : public Frame {
    Q_OBJECT
public:
    static constexpr int kQuickPhrases = 8;

    SidePanel(QWidget *window, ScaledLayout &layout);

    CommandButton *cmdCall, *cmdUndo, *cmdAgain, *cmdHistory, *cmdYes, *cmdNo, *cmdQuickMark;
    std::array<CommandButton *, kQuickPhrases> cmdQuick;

    // The quick phrases in their order; the buttons beyond them are hidden.
    void showQuickPhrases(const QStringList &phrases);
    // ★ on the phrase list: it marks the highlighted phrase, or unmarks it.
    void showQuickMark(bool shown);

private:
    CommandButton *addButton(const QString &name, const QString &caption, OleColor back, int col,
                             int row, double points, int colSpan = 1);

    ScaledLayout &m_layout;
};

} // namespace pelumo
