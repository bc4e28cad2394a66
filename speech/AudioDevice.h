#pragma once
// Where synthesised speech goes: 16-bit mono samples. Every call is made on
// the speech thread, never on the GUI thread, so open() and write() may block.
// Nothing waits for the device to play out: the speech thread paces the
// samples itself, and a wait that cannot be interrupted would hold up the
// next key.
#include <QString>
#include <memory>

namespace pelumo {

class AudioSink {
public:
    virtual ~AudioSink() = default;
    // Opens the output afresh, closing it first if it was open, so that a
    // sound server started again or a speaker plugged in since is found.
    // False when there is nothing to play to; errorString() says why.
    virtual bool open(int sampleRate) = 0;
    virtual void close() = 0;
    // False when the output failed and the samples were not taken.
    virtual bool write(const short *samples, int count) = 0;
    virtual void flush() = 0;   // drops what has not been played yet
    virtual QString errorString() const { return {}; }
};

// The machine's default audio output, through the small device library that
// espeak-ng itself plays through (PulseAudio, else ALSA). It is looked up at
// run time, so a build without it, or a machine without sound, gets a sink
// whose open() fails.
std::unique_ptr<AudioSink> makeDefaultAudioSink();

} // namespace pelumo
