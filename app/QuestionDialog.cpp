// The question dialog and AskQuestion, the one way the program asks or tells.
#include "app/QuestionDialog.h"
#include "app/frmTalk.h"
#include "access/core/ScanOrders.h"
#include <QLabel>

namespace pelumo {
namespace {
const OleColor kDialogBlue = rgb(128, 128, 255);
const QSize kClientTwips(11775, 4545);
const QRect kPromptTwips(240, 120, 11385, 1965);
const int kButtonTop = 2280, kButtonWidth = 4845, kButtonHeight = 2175;
const int kLeftButton = 300, kRightButton = 6720, kCentredButton = 3500;
const double kFontPoints = 48;
const double kSmallestPromptPoints = 8;
}

frmOK::frmOK(Scale scale, QWidget *parent) : QDialog(parent)
{
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(kDialogBlue));
    setPalette(p);
    setAutoFillBackground(true);
    m_layout.setScale(scale);

    lblOK = new QLabel(this);
    lblOK->setWordWrap(true);
    lblOK->setTextFormat(Qt::PlainText);   // a file name in a notice is never markup
    lblOK->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_layout.place(lblOK, kPromptTwips, {kPGothic, kFontPoints, true});
    cmdOK[0] = new CommandButton(QStringLiteral("OK"), rgb(192, 192, 255), this);
    cmdOK[1] = new CommandButton(QStringLiteral("キャンセル"), rgb(255, 192, 192), this);
    m_layout.place(cmdOK[0], {kLeftButton, kButtonTop, kButtonWidth, kButtonHeight},
                   {kPGothic, kFontPoints, true});
    m_layout.place(cmdOK[1], {kRightButton, kButtonTop, kButtonWidth, kButtonHeight},
                   {kPGothic, kFontPoints, true});
    for (int i = 0; i < 2; ++i) {
        cmdOK[i]->setObjectName(QStringLiteral("cmdOK%1").arg(i));
        connect(cmdOK[i], &QAbstractButton::clicked, this, [this, i] { cmdOK_Click(i); });
    }
    setFixedSize(scale.toPixels(QRect(QPoint(0, 0), kClientTwips)).size());
}

void frmOK::arrange(int style)
{
    m_style = style;
    switch (style) {
    case 48:
        cmdOK[0]->setCaption(QStringLiteral("ＯＫ"));
        m_layout.setLeftTop(cmdOK[0], kCentredButton, kButtonTop);
        cmdOK[1]->hide();
        break;
    case 36:
        cmdOK[0]->setCaption(QStringLiteral("ＹＥＳ"));
        cmdOK[1]->setCaption(QStringLiteral("ＮＯ"));
        break;
    case 33:
        cmdOK[0]->setCaption(QStringLiteral("ＯＫ"));
        cmdOK[1]->setCaption(QStringLiteral("キャンセル"));
        break;
    default:
        break;   // "OK" and "キャンセル" as laid out
    }
}

ScanTable frmOK::scanTable() const
{
    const QString negative = m_style == 48 ? QString() : cmdOK[1]->caption();
    return questionOrder(cmdOK[0]->caption(), negative);
}

void frmOK::setPrompt(const QString &prompt)
{
    lblOK->setText(prompt);
    fitPrompt();
}

// The questions the program asks fit at 48 points. A longer text (a notice
// about a file) wraps, and shrinks until it fits the label, so that none of
// it is hidden behind the buttons. It is measured by the label itself, which
// wraps the way it paints: at words where there are any, so a measure that
// may break anywhere would find room the painted text does not have.
void frmOK::fitPrompt()
{
    for (double points = kFontPoints; points >= kSmallestPromptPoints; points -= 2) {
        m_layout.setFontPoints(lblOK, points);
        if (lblOK->heightForWidth(lblOK->width()) <= lblOK->height())
            return;
    }
}

void frmOK::cmdOK_Click(int Index)
{
    m_answer = Index == 0;
    accept();
}

bool frmTalk::AskQuestion(const QString &Prompt, int Style, const QString &Title)
{
    setScreenMousePointer(0);
    stopRepeats();
    // Commands disable the window while they work; the dialog must answer.
    const bool wasEnabled = isEnabled();
    setEnabled(true);
    // A dialog of its own each time, gone when answered: no question inherits
    // the buttons of the last one.
    frmOK dialog(layout.scale(), this);
    dialog.arrange(Style);
    dialog.setWindowTitle(Title);
    dialog.setPrompt(Prompt);
    dialog.exec();
    setEnabled(wasEnabled);
    return dialog.answer();
}

} // namespace pelumo
