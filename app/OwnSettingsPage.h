#pragma once
// The options dialog's second page: the program's own settings, laid out
// from the table of app/core/OwnSettings.h. The rows come in sheets, one
// shown at a time, as the table names them; on a sheet, frames and rows
// stack from the top in the table's order. A number row is its caption and a
// NumberStepper, an on/off row a check box, each as tall as a command button
// so that an unsteady finger finds it.
#include "access/core/DialogOrders.h"
#include "app/core/OwnSettings.h"
#include "speech/core/Agent.h"
#include "widgets/NumberStepper.h"
#include "widgets/OptionButton.h"
#include "widgets/ScaledLayout.h"
#include "platform/SettingsStore.h"
#include <QStringList>
#include <QWidget>
#include <vector>

namespace pelumo {

class OwnSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Controls are placed through layout (the dialog's, at its scale) in the
    // given font; the sheets lie over sheetArea, in the page's twips.
    OwnSettingsPage(ScaledLayout &layout, const FontSpec &font, const QRect &sheetArea,
                    QWidget *parent);

    // Shows the stored values, read by the same rule as at start-up.
    void load(const OptionReader &read);
    // Writes every row in the table's order; false when a value could not
    // be stored (the others are still written).
    bool write(SettingsStore &store) const;

    int value(const OptionKey &key) const;
    VoiceSettings voice() const;   // the voice as the page shows it now
    QString voiceName() const;     // 声の種類: the voice chosen, by name
    CheckBox *checkBox(const OptionKey &key) const;
    NumberStepper *stepper(const OptionKey &key) const;

    int sheetCount() const { return int(m_sheets.size()); }
    int sheet() const { return m_sheet; }
    QString sheetName(int index) const;
    int sheetIndex(const QString &name) const;   // -1 when there is none of that name
    // A sheet's widget, for a button of the dialog's own that stands on it.
    QWidget *sheetWidget(int index) const { return m_sheets[size_t(index)].widget; }
    void showSheet(int index);
    // The rows of the sheet shown, top to bottom, as switch scanning sees them.
    std::vector<OptionRowFacts> shownRows() const;

signals:
    void voiceChanged();   // a touch changed speed, pitch or volume

private:
    struct Control {
        const SettingRow *row;
        int sheet;
        CheckBox *check = nullptr;
        NumberStepper *stepper = nullptr;
        int value = 0;
    };
    struct Sheet {
        QString name;
        QWidget *widget;
    };
    void addSheet(std::span<const SettingRow> rows, const QRect &area);
    int addFrame(const QString &caption, int top, int rows, QWidget **frame);
    void addRow(const SettingRow &row, QWidget *frame, int top);
    void step(Control &c, int direction);
    void showValue(const Control &c);
    int nextValue(const Control &c, int direction) const;
    bool canStep(const Control &c, int direction) const;
    const Control *find(const OptionKey &key) const;

    ScaledLayout &m_layout;
    FontSpec m_font;
    std::vector<Control> m_controls;
    std::vector<Sheet> m_sheets;
    int m_sheet = 0;
    QStringList m_voiceNames;   // the Open JTalk voices found, then espeak-ng
    QString m_storedVoice;      // as read, empty when nothing was stored
};

} // namespace pelumo
