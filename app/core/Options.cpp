#include "app/core/Options.h"

namespace pelumo {

QString readOptionText(const OptionReader &read, const OptionKey &key)
{
    const QString fallback = QString::fromLatin1(key.fallback);
    bool ok = false;
    const int value = read(QString::fromLatin1(key.key), fallback).trimmed().toInt(&ok);
    if (!ok || value < key.min || value > key.max)
        return fallback;
    return QString::number(value);
}

Options readOptions(const OptionReader &read)
{
    Options o;
    o.FirstScreenMode = readOptionText(read, keys::FirstScreen);
    o.SelectScreenMode = readOptionText(read, keys::SelectScreen);
    o.VoiceMode = readOptionText(read, keys::Voice);
    o.KeyBeep = readOptionText(read, keys::Beep);
    o.LargeLetters = readOptionText(read, keys::LargeLetters);
    o.AutoPhrases = readOptionText(read, keys::AutoPhrases);
    o.BoardLastColumn = readOptionText(read, keys::BoardLastColumn).toInt();
    if (o.BoardLastColumn == 10)
        o.BoardLastColumn = 9;
    o.PhraseMatchLength = qint16(readOptionText(read, keys::PhraseMatchLength).toInt());
    o.FullScreen = readOptionText(read, keys::FullScreen);
    o.HidePointer = readOptionText(read, keys::HidePointer);
    o.VoiceSpeed = readOptionText(read, keys::VoiceSpeed).toInt();
    o.VoicePitch = readOptionText(read, keys::VoicePitch).toInt();
    o.VoiceVolume = readOptionText(read, keys::VoiceVolume).toInt();
    return o;
}

int optionNumber(const QString &text)
{
    return text.trimmed().toInt();
}

} // namespace pelumo
