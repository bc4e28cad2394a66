#pragma once
// The options of the settings store: their keys, defaults and ranges, and the
// options as the program holds them, typed. The keys table is the one place
// that knows a key's name and default.
#include "platform/core/VoiceSettings.h"
#include <QString>
#include <functional>

namespace pelumo {

struct OptionKey {
    const char *key;        // name in the [OPT] group of Talk.ini
    const char *fallback;   // value when the key is absent or unusable
    int min;
    int max;
};

namespace keys {
inline constexpr OptionKey FirstScreen{"OPT1", "0", 0, 3};
inline constexpr OptionKey SelectScreen{"OPT2", "0", 0, 1};
inline constexpr OptionKey Voice{"OPT3", "0", 0, 3};
inline constexpr OptionKey Beep{"Beep", "0", 0, 1};
inline constexpr OptionKey LargeLetters{"Moji", "0", 0, 1};
inline constexpr OptionKey AutoPhrases{"Samp", "1", 0, 1};
inline constexpr OptionKey BoardLastColumn{"gMaxC", "9", 9, 14};
inline constexpr OptionKey PhraseMatchLength{"Sample", "2", 1, 5};
// Two settings for a touch-screen installation, beside the eight above: the
// main window filling the screen, and no mouse pointer drawn over it.
inline constexpr OptionKey FullScreen{"FullScreen", "0", 0, 1};
inline constexpr OptionKey HidePointer{"HidePointer", "0", 0, 1};
// The voice: pace and loudness in percent of today's sound, pitch on
// espeak-ng's scale of 0 to 100. The defaults are the voice as it always was.
inline constexpr OptionKey VoiceSpeed{"VoiceSpeed", "100", 50, 200};
inline constexpr OptionKey VoicePitch{"VoicePitch", "50", 0, 100};
inline constexpr OptionKey VoiceVolume{"VoiceVolume", "100", 10, 200};
// How the program is worked: by touch, by one or two switches scanning, or by
// resting the pointer (dwell). Times in milliseconds.
inline constexpr OptionKey InputMode{"InputMode", "0", 0, 3};
inline constexpr OptionKey ScanTime{"ScanTime", "1500", 300, 8000};
inline constexpr OptionKey DwellTime{"DwellTime", "1000", 300, 5000};
inline constexpr OptionKey ScanFirstDelay{"ScanFirstDelay", "0", 0, 5000};
inline constexpr OptionKey ScanRounds{"ScanRounds", "2", 1, 9};
inline constexpr OptionKey SwitchAcceptTime{"SwitchAcceptTime", "0", 0, 2000};
inline constexpr OptionKey SwitchBlockTime{"SwitchBlockTime", "0", 0, 2000};
inline constexpr OptionKey ScanTick{"ScanTick", "0", 0, 1};
inline constexpr OptionKey ScanSpeak{"ScanSpeak", "0", 0, 1};
// Holding the switch this long calls for help (呼ぶ).
inline constexpr OptionKey CallHoldTime{"CallHoldTime", "2000", 500, 10000};
// The side panel (呼ぶ, もう一度, 履歴, 元に戻す, quick answers) stands in the
// room a wide screen leaves beside the layout; 1 also makes that room on a
// screen without it, by drawing the layout a little smaller.
inline constexpr OptionKey SidePanel{"SidePanel", "0", 0, 1};
// 変換: kana before the highlight converted to kanji, one segment at a time.
inline constexpr OptionKey KanjiConvert{"KanjiConvert", "0", 0, 1};
// Prediction: 単語予測, up to six words that complete the kana typed, as
// buttons in the side panel; 予測の色, the likely next kana tinted where they
// stand on the board, and offered first under scanning.
inline constexpr OptionKey WordPredict{"WordPredict", "0", 0, 1};
inline constexpr OptionKey PredictColour{"PredictColour", "0", 0, 1};
// Which voice speaks, by name (a voice file's name, or "espeak-ng"); read at
// start-up. Empty: the first Open JTalk voice installed, else espeak-ng.
inline constexpr OptionKey VoiceName{"Voice", "", 0, 0};
}

// What a touch on the letter board does (OPT1).
enum class FirstPressMode {
    Selection = 0,             // opens the selection screen
    ConfirmThenSelection = 1,  // a second touch of the same key opens it
    Enter = 2,                 // enters the key
    ConfirmThenEnter = 3,      // a second touch of the same key enters it
};
// What a touch on the selection screen does (OPT2).
enum class SelectPressMode { Enter = 0, ConfirmThenEnter = 1 };
// When a key is said aloud (OPT3).
enum class SpokenKeys { Always = 0, SelectionAndEntry = 1, EntryOnly = 2, Never = 3 };

// How the program is worked (InputMode).
enum class InputMethod { Touch = 0, OneSwitch = 1, TwoSwitches = 2, Dwell = 3 };

// Switch scanning and dwell, as stored.
struct AccessSettings {
    InputMethod method = InputMethod::Touch;
    int scanTime = 1500;
    int dwellTime = 1000;
    int firstItemDelay = 0;
    int rounds = 2;
    int acceptTime = 0;
    int repeatBlockTime = 0;
    bool tick = false;          // a tick at every step, never over speech
    bool speakItems = false;    // auditory scanning: each item's name as it is highlighted
    int callHoldTime = 2000;    // a switch held this long calls for help
    bool scanning() const
    {
        return method == InputMethod::OneSwitch || method == InputMethod::TwoSwitches;
    }
};

// The options as the program holds them. Their values before the store is
// read are the keys' defaults (defaultOptions()).
struct Options {
    FirstPressMode FirstScreenMode{};
    SelectPressMode SelectScreenMode{};
    SpokenKeys VoiceMode{};
    bool KeyBeep = false;
    bool LargeLetters = false;
    bool AutoPhrases = false;
    int BoardLastColumn = 0;
    int PhraseMatchLength = 0;
    bool FullScreen = false;
    bool HidePointer = false;
    VoiceSettings Voice;
    AccessSettings Access;
    bool MakeRoomForPanel = false;   // SidePanel
    bool KanjiConvert = false;
    bool WordPredict = false;
    bool PredictColour = false;
};

// Reads a key of [OPT]: returns the stored text, or the default given when the
// key is absent.
using OptionReader = std::function<QString(const QString &key, const QString &fallback)>;

// A stored value that is not a whole number within the key's range reads as
// the key's default, so that " 1" or "01" written by hand still counts as 1.
// A stored gMaxC of 10 reads as 9: older installations wrote 10 for the
// standard board.
int readOptionNumber(const OptionReader &read, const OptionKey &key);
Options readOptions(const OptionReader &read);
Options defaultOptions();

} // namespace pelumo
