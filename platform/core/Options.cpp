#include "platform/core/Options.h"

namespace pelumo {

int readOptionNumber(const OptionReader &read, const OptionKey &key)
{
    const QString fallback = QString::fromLatin1(key.fallback);
    bool ok = false;
    const int value = read(QString::fromLatin1(key.key), fallback).trimmed().toInt(&ok);
    if (!ok || value < key.min || value > key.max)
        return fallback.toInt();
    return value;
}

Options readOptions(const OptionReader &read)
{
    auto number = [&read](const OptionKey &key) { return readOptionNumber(read, key); };
    auto onOff = [&number](const OptionKey &key) { return number(key) == 1; };
    Options o;
    o.FirstScreenMode = FirstPressMode(number(keys::FirstScreen));
    o.SelectScreenMode = SelectPressMode(number(keys::SelectScreen));
    o.VoiceMode = SpokenKeys(number(keys::Voice));
    o.KeyBeep = onOff(keys::Beep);
    o.LargeLetters = onOff(keys::LargeLetters);
    o.AutoPhrases = onOff(keys::AutoPhrases);
    o.BoardLastColumn = number(keys::BoardLastColumn);
    if (o.BoardLastColumn == 10)
        o.BoardLastColumn = 9;
    o.PhraseMatchLength = number(keys::PhraseMatchLength);
    o.FullScreen = onOff(keys::FullScreen);
    o.HidePointer = onOff(keys::HidePointer);
    o.Voice = {number(keys::VoiceSpeed), number(keys::VoicePitch), number(keys::VoiceVolume)};
    o.Access = {InputMethod(number(keys::InputMode)), number(keys::ScanTime), number(keys::DwellTime),
                number(keys::ScanFirstDelay), number(keys::ScanRounds), number(keys::SwitchAcceptTime),
                number(keys::SwitchBlockTime), onOff(keys::ScanTick), onOff(keys::ScanSpeak),
                number(keys::CallHoldTime)};
    o.MakeRoomForPanel = onOff(keys::SidePanel);
    o.KanjiConvert = onOff(keys::KanjiConvert);
    o.WordPredict = onOff(keys::WordPredict);
    o.PredictColour = onOff(keys::PredictColour);
    return o;
}

Options defaultOptions()
{
    return readOptions([](const QString &, const QString &fallback) { return fallback; });
}

} // namespace pelumo
