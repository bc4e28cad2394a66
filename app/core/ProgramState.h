#pragma once
// The program-wide state shared by every handler, with its start values.
// Option values are held as the text read from the settings store.
#include "app/core/Options.h"
#include <QString>
#include <QStringList>
#include <optional>

namespace pelumo {

// The options (FirstScreenMode to VoiceVolume) are the Options part: they
// have one declaration and one default, in Options.h.
struct ProgramState : Options {
    QString AppDir;                    // folder of "Talk.txt" and "day.txt"
    QString SelectedChar;              // last pressed cell of the selection board
    QString WorkText;                  // two-press memory and the list row in hand
    qint32 ListCursorRow = 0;          // highlighted row of the shown list
    std::optional<QStringList> PhraseList;   // empty until the phrase file is read
    std::optional<bool> DialogAnswer;  // answer of the last question
    qint32 DiaryEditRow = 0;           // row of the diary entry being revised

    void setOptions(const Options &o) { static_cast<Options &>(*this) = o; }
};

} // namespace pelumo
