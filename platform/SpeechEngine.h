#pragma once
// A voice that turns text into sound. speak() returns at once and queues the
// text behind what is already being said; stop() silences the current and the
// queued texts at once. Both are called on the GUI thread, and the signals
// arrive there too, so a caller never waits for speech and never sees a call
// from another thread.
#include "platform/Agent.h"
#include <QObject>
#include <QString>

namespace pelumo {

class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void speak(const QString &text) = 0;
    virtual void stop() = 0;
    // Applies to the texts spoken from now on.
    virtual void setVoice(const VoiceSettings &) {}
    // From speak() until the last queued text has been heard or stop().
    virtual bool isSpeaking() const = 0;

signals:
    // The first sample of text has gone to the audio output.
    void audioStarted(const QString &text);
    // Everything queued has been said. Not sent after stop().
    void speechEnded();
};

} // namespace pelumo
