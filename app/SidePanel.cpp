#include "app/SidePanel.h"
#include "app/MainControls.h"
#include "app/core/SidePanelGeometry.h"

namespace pelumo {
namespace {
// Each caption on one line of its cell: two characters at 27 points, three
// at 24, four at 18. A quick phrase wraps on its button.
constexpr double kTwoCharacters = 27;
constexpr double kThreeCharacters = 24;
constexpr double kFourCharacters = 18;
constexpr double kPhrasePoints = 15.75;
}

SidePanel::SidePanel(QWidget *window, ScaledLayout &layout)
    : Frame(kWindowBlue, false, window), m_layout(layout)
{
    setObjectName(QStringLiteral("sidePanel"));
    cmdCall = addButton("cmdCall", QStringLiteral("呼ぶ"), rgb(255, 96, 96), 0, 0, kTwoCharacters);
    cmdUndo = addButton("cmdUndo", QStringLiteral("元に戻す"), rgb(255, 224, 160), 1, 0, kFourCharacters);
    cmdAgain = addButton("cmdAgain", QStringLiteral("もう一度"), rgb(192, 192, 255), 0, 1, kFourCharacters);
    cmdHistory = addButton("cmdHistory", QStringLiteral("履歴"), rgb(192, 192, 255), 1, 1, kTwoCharacters);
    cmdYes = addButton("cmdYes", QStringLiteral("はい"), rgb(192, 255, 192), 0, 2, kTwoCharacters);
    cmdNo = addButton("cmdNo", QStringLiteral("いいえ"), rgb(255, 192, 192), 1, 2, kThreeCharacters);
    for (int i = 0; i < kQuickPhrases; ++i)
        cmdQuick[i] = addButton(QStringLiteral("cmdQuick%1").arg(i).toLatin1(), QString(),
                                rgb(255, 255, 224), i % 2, 3 + i / 2, kPhrasePoints);
    cmdQuickMark = addButton("cmdQuickMark", QStringLiteral("★よく使う"), rgb(255, 255, 160), 0, 7,
                             kTwoCharacters, 2);
    showQuickPhrases({});
    showQuickMark(false);
}

CommandButton *SidePanel::addButton(const QString &name, const QString &caption, OleColor back,
                                    int col, int row, double points, int colSpan)
{
    auto *button = new CommandButton(caption, back, this);
    button->setObjectName(name);
    m_layout.place(button, panelCell(col, row, colSpan), {kPGothic, points, true});
    return button;
}

void SidePanel::showQuickPhrases(const QStringList &phrases)
{
    for (int i = 0; i < kQuickPhrases; ++i) {
        cmdQuick[i]->setCaption(i < phrases.size() ? phrases[i] : QString());
        cmdQuick[i]->setVisible(i < phrases.size());
    }
}

void SidePanel::showQuickMark(bool shown)
{
    cmdQuickMark->setVisible(shown);
}

} // namespace pelumo
