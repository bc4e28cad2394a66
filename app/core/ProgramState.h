#pragma once
// The program-wide state shared by every handler, with its start values.
// Option values are held as the text read from the settings store.
#include "app/core/Options.h"
#include <QString>
#include <QStringList>
#include <optional>

namespace pelumo {

struct ProgramState {
    QString AppDir;                    // folder of "Talk.txt" and "day.txt"
    QString FirstScreenMode = "0";
    QString SelectScreenMode = "0";
    QString VoiceMode = "0";
    QString KeyBeep = "0";
    QString LargeLetters = "0";
    QString AutoPhrases = "1";
    qint32 BoardLastColumn = 9;
    qint16 PhraseMatchLength = 2;
    QString FullScreen = "0";          // main window fills the screen when "1"
    QString HidePointer = "0";         // no mouse pointer over the window when "1"
    QString SelectedChar;              // last pressed cell of the selection board
    QString WorkText;                  // two-press memory and the list row in hand
    qint32 ListCursorRow = 0;          // highlighted row of the shown list
    std::optional<QStringList> PhraseList;   // empty until the phrase file is read
    std::optional<bool> DialogAnswer;  // answer of the last question
    qint32 DiaryEditRow = 0;           // row of the diary entry being revised

    void setOptions(const Options &o)
    {
        FirstScreenMode = o.FirstScreenMode;
        SelectScreenMode = o.SelectScreenMode;
        VoiceMode = o.VoiceMode;
        KeyBeep = o.KeyBeep;
        LargeLetters = o.LargeLetters;
        AutoPhrases = o.AutoPhrases;
        BoardLastColumn = o.BoardLastColumn;
        PhraseMatchLength = o.PhraseMatchLength;
        FullScreen = o.FullScreen;
        HidePointer = o.HidePointer;
    }
};

} // namespace pelumo
