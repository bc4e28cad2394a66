#pragma once
// A number changed by touch: a large − button, the value, a large ＋ button,
// side by side across the whole widget. Made for fingers that cannot hit a
// thin slider or a spin box's small arrows: each button is about a third of
// the row, and a button that cannot go further is greyed and takes no touch.
#include "widgets/CommandButton.h"
#include <QLabel>
#include <QWidget>

namespace pelumo {

class NumberStepper : public QWidget {
    Q_OBJECT
public:
    explicit NumberStepper(QWidget *parent = nullptr);

    // What the value label shows and which ways the value can still go.
    void showValue(const QString &value, bool canDecrease, bool canIncrease);
    QString shownText() const { return lblValue->text(); }
    // The value's share of the width (a third by default); the buttons
    // share the rest.
    void setValueShare(double share);

    CommandButton *cmdMinus;
    CommandButton *cmdPlus;
    QLabel *lblValue;

signals:
    void stepRequested(int direction);   // -1 for −, +1 for ＋

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layOut();

    double m_valueShare = 0.34;
};

} // namespace pelumo
