#pragma once
// The audio device as the speech thread sees it. It is opened when there is
// something to say, every write is checked, and a device that fails (a sound
// server started again, a speaker unplugged) is opened afresh at once. While
// no device can be opened the speech goes on in silence, and every new text
// tries again, so sound comes back by itself when a device appears.
//
// Each change between "can be heard" and "cannot" is reported once, with the
// device library's words, for the log and the user's notice.
#include "speech/AudioDevice.h"
#include <functional>
#include <memory>

namespace pelumo {

class AudioOutput {
public:
    using Report = std::function<void(bool available, const QString &detail)>;
    AudioOutput(std::unique_ptr<AudioSink> sink, Report report);

    // A new rate closes a device open at another one; the next text opens it.
    void setSampleRate(int rate);
    // Before the first samples of a text: opens the device if it is closed.
    void begin();
    void write(const short *samples, int count);
    // After the last samples of a text: for a text cut off, drops what has
    // not been played yet.
    void end(bool cutOff);
    bool isOpen() const { return m_open; }

private:
    bool reopen();
    void setAvailable(bool available, const QString &detail);

    std::unique_ptr<AudioSink> m_sink;
    Report m_report;
    int m_rate = 22050;
    bool m_open = false;
    bool m_triedThisText = false;
    enum class Known { Unknown, Available, Unavailable } m_known = Known::Unknown;
};

} // namespace pelumo
