#pragma once
// The options dialog's second page: the program's own settings, laid out
// from the table of app/core/OwnSettings.h. Frames and rows stack from the
// top in the table's order; a number row is its caption and a NumberStepper,
// an on/off row a check box, each as tall as a command button so that an
// unsteady finger finds it.
#include "app/core/OwnSettings.h"
#include "speech/core/Agent.h"
#include "widgets/NumberStepper.h"
#include "widgets/OptionButton.h"
#include "widgets/ScaledLayout.h"
#include "platform/SettingsStore.h"
#include <QWidget>
#include <vector>

namespace pelumo {

class OwnSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Controls are placed through layout (the dialog's, at its scale) in the
    // given font.
    OwnSettingsPage(ScaledLayout &layout, const FontSpec &font, QWidget *parent);

    // Shows the stored values, read by the same rule as at start-up.
    void load(const OptionReader &read);
    // Writes every row in the table's order; false when a value could not
    // be stored (the others are still written).
    bool write(SettingsStore &store) const;

    int value(const OptionKey &key) const;
    VoiceSettings voice() const;   // the voice as the page shows it now
    CheckBox *checkBox(const OptionKey &key) const;
    NumberStepper *stepper(const OptionKey &key) const;

signals:
    void voiceChanged();   // a touch changed speed, pitch or volume

private:
    struct Control {
        const SettingRow *row;
        CheckBox *check = nullptr;
        NumberStepper *stepper = nullptr;
        int value = 0;
    };
    int addFrame(const QString &caption, int top, int rows, QWidget **frame);
    void addRow(const SettingRow &row, QWidget *frame, int top);
    void step(Control &c, int direction);
    void showValue(const Control &c);
    const Control *find(const OptionKey &key) const;

    ScaledLayout &m_layout;
    FontSpec m_font;
    std::vector<Control> m_controls;
};

} // namespace pelumo
