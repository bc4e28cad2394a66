#include "widgets/NumberStepper.h"

namespace pelumo {
namespace {
constexpr OleColor kButtonBack = colors::White;
}

NumberStepper::NumberStepper(QWidget *parent)
    : QWidget(parent),
      cmdMinus(new CommandButton(QStringLiteral("−"), kButtonBack, this)),
      cmdPlus(new CommandButton(QStringLiteral("＋"), kButtonBack, this)),
      lblValue(new QLabel(this))
{
    lblValue->setAlignment(Qt::AlignCenter);
    cmdMinus->setObjectName(QStringLiteral("cmdMinus"));
    cmdPlus->setObjectName(QStringLiteral("cmdPlus"));
    connect(cmdMinus, &QAbstractButton::clicked, this, [this] { emit stepRequested(-1); });
    connect(cmdPlus, &QAbstractButton::clicked, this, [this] { emit stepRequested(+1); });
}

void NumberStepper::showValue(const QString &value, bool canDecrease, bool canIncrease)
{
    lblValue->setText(value);
    cmdMinus->setEnabled(canDecrease);
    cmdPlus->setEnabled(canIncrease);
}

void NumberStepper::setValueShare(double share)
{
    m_valueShare = share;
    layOut();
}

void NumberStepper::resizeEvent(QResizeEvent *)
{
    layOut();
}

void NumberStepper::layOut()
{
    const int valueWidth = qRound(width() * m_valueShare);
    const int buttonWidth = (width() - valueWidth) / 2;
    cmdMinus->setGeometry(0, 0, buttonWidth, height());
    lblValue->setGeometry(buttonWidth, 0, valueWidth, height());
    cmdPlus->setGeometry(width() - buttonWidth, 0, buttonWidth, height());
    // The signs drawn large, in proportion to the button.
    QFont sign = font();
    sign.setPixelSize(qMax(8, qRound(height() * 0.7)));
    sign.setBold(true);
    cmdMinus->setFont(sign);
    cmdPlus->setFont(sign);
}

} // namespace pelumo
