#pragma once
// The options of the settings store: their keys, defaults and the reading
// rules. This is the one place that knows a key's name and default.
#include <QString>
#include <functional>

namespace pelumo {

struct OptionKey {
    const char *key;     // name in the [OPT] group of Talk.ini
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
}

// A key's default as a number, for the options held as numbers.
constexpr int fallbackNumber(const OptionKey &key)
{
    int value = 0;
    for (const char *c = key.fallback; *c; ++c)
        value = value * 10 + (*c - '0');
    return value;
}

// The option values as the program state holds them. The six mode and on/off
// options stay text (the handlers compare them with "1" or as numbers).
struct Options {
    QString FirstScreenMode = "0";
    QString SelectScreenMode = "0";
    QString VoiceMode = "0";
    QString KeyBeep = "0";
    QString LargeLetters = "0";
    QString AutoPhrases = "1";
    qint32 BoardLastColumn = 9;
    qint16 PhraseMatchLength = 2;
    QString FullScreen = "0";
    QString HidePointer = "0";
    int VoiceSpeed = fallbackNumber(keys::VoiceSpeed);
    int VoicePitch = fallbackNumber(keys::VoicePitch);
    int VoiceVolume = fallbackNumber(keys::VoiceVolume);
};

// Reads a key of [OPT]: returns the stored text, or the default given when the
// key is absent.
using OptionReader = std::function<QString(const QString &key, const QString &fallback)>;

// A stored value that is not a whole number within the key's range reads as
// the key's default; a valid number is held in its plain decimal form, so
// that " 1" or "01" written by hand still counts as "1". A stored gMaxC of 10
// reads as 9: older installations wrote 10 for the standard board.
QString readOptionText(const OptionReader &read, const OptionKey &key);
Options readOptions(const OptionReader &read);

// Value of an option text as a number, 0 when it is not one (the handlers
// compare modes as numbers).
int optionNumber(const QString &text);

} // namespace pelumo
