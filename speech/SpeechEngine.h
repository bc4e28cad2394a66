#pragma once
// A voice that turns text into sound. speak() returns at once; a key echo
// gives way to the next text, a message waits its turn and is said whole.
// stop() silences the current and the queued texts at once. All calls are
// made on the GUI thread, and the signals arrive there too, so a caller never
// waits for speech and never sees a call from another thread.
#include "speech/core/Agent.h"
#include <QObject>
#include <QString>

namespace pelumo {

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // text is what the user wrote, reading what is said.
    virtual void speak(const QString &text, const QString &reading, SpeechKind kind) = 0;
    virtual void stop() = 0;
    // Applies to the texts spoken from now on.
    virtual void setVoice(const VoiceSettings &) {}
    // From speak() until the last text given has been heard or stop().
    virtual bool isSpeaking() const = 0;
    // The voice's name for the log: the voice file's name, or "espeak-ng".
    virtual QString voiceName() const { return QStringLiteral("espeak-ng"); }
    // What the voice is given for a text: the reading, unless the voice reads
    // the written text itself.
    virtual QString givenText(const QString &text, const QString &reading, SpeechKind) const
    {
        Q_UNUSED(text);
        return reading;
    }

signals:
    // The first sample of a text has gone to the audio output; the text as
    // the user wrote it.
    void audioStarted(const QString &text);
    // Everything given has been said. Not sent after stop().
    void speechEnded();
    // No audio device could be opened: the speech goes on unheard, and each
    // new text tries again. Sent again only after a device has worked.
    void audioUnavailable();
};

} // namespace pelumo
