#pragma once
// The program's own settings, shown on the options dialog's second page
// ("その他の設定"). Each is one row of the table below: its key, its caption
// and how it is changed. A new setting is a new row; the page lays the rows
// out in the order given, one sheet for each run of rows that share a sheet
// name and, on it, one frame for each run of rows that share a frame caption.
#include "platform/core/Options.h"
#include <QString>
#include <span>

namespace pelumo {

enum class SettingKind {
    OnOff,     // a check box: "0" or "1"
    Number,    // − and ＋ buttons with the value between them
    Seconds,   // a number of milliseconds, shown in seconds ("1.5秒")
    Choice,    // − and ＋ step through names, one for each value from the key's minimum
    Voice,     // − and ＋ step through the voices of this machine; stored by name
};

struct SettingRow {
    const char16_t *sheet;     // name of the sheet the row is on
    const char16_t *frame;     // caption of the frame the row stands in
    OptionKey key;
    const char16_t *caption;
    SettingKind kind;
    int step = 1;              // what one touch of − or ＋ changes (Number, Seconds)
    const char16_t *unit = u"";   // shown after the value, as in "100%" (Number)
    std::span<const char16_t *const> names = {};   // the choices' names (Choice)
};

// The rows in the order they are shown and written.
std::span<const SettingRow> ownSettings();

// The value after one touch of − (direction -1) or ＋ (+1): the next
// multiple of the row's step in that direction, kept within the key's
// range. A value written by hand between two steps goes to the nearer step
// in the direction touched.
int steppedValue(const SettingRow &row, int value, int direction);

// The value as the page shows it, with its unit, or the choice's name.
QString shownValue(const SettingRow &row, int value);

// A voice as the page shows it: espeak-ng as "機械の声", Debian's male voice
// as "男性の声", the others by name, a long one cut short with "…".
QString shownVoice(const QString &name);

} // namespace pelumo
