#pragma once
// Option buttons and check boxes for a touch screen. The whole laid-out row
// is the target: a touch anywhere on it, also far to the right of the
// caption's last character, selects or ticks it, because a finger aims at the
// row and not at the small box. The box is drawn in proportion to the
// caption's font, so it grows with the window's scale.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace pelumo {

class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString &caption, QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString &caption, QWidget *parent = nullptr);

    // 0 clear, 1 ticked: the value the settings store holds.
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value == 1); }

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
};

// The frame around a group of option buttons: an etched border with its
// caption standing in the top line, the rows placed inside it by twips.
class OptionFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit OptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pelumo
