#include "speech/AudioDevice.h"
#include <dlfcn.h>

namespace pelumo {
namespace {

// The few entry points of libpcaudio (a dependency of libespeak-ng), with the
// one sample format we use.
struct PcAudio {
    using Create = void *(*)(const char *, const char *, const char *);
    using Open = int (*)(void *, int, unsigned, unsigned char);
    using Object = void (*)(void *);
    using Write = int (*)(void *, const void *, size_t);
    using Status = int (*)(void *);
    using StrError = const char *(*)(void *, int);
    static constexpr int FormatS16LE = 2;

    Create create = nullptr;
    Open open = nullptr;
    Object close = nullptr, destroy = nullptr;
    Write write = nullptr;
    Status flush = nullptr;
    StrError strerror = nullptr;

    bool load()
    {
        void *lib = dlopen("libpcaudio.so.0", RTLD_NOW);
        if (!lib)
            return false;
        create = reinterpret_cast<Create>(dlsym(lib, "create_audio_device_object"));
        open = reinterpret_cast<Open>(dlsym(lib, "audio_object_open"));
        close = reinterpret_cast<Object>(dlsym(lib, "audio_object_close"));
        destroy = reinterpret_cast<Object>(dlsym(lib, "audio_object_destroy"));
        write = reinterpret_cast<Write>(dlsym(lib, "audio_object_write"));
        flush = reinterpret_cast<Status>(dlsym(lib, "audio_object_flush"));
        strerror = reinterpret_cast<StrError>(dlsym(lib, "audio_object_strerror"));
        const bool complete = create && open && close && destroy && write && flush && strerror;
        if (!complete)
            create = nullptr;   // tried again at the next opening
        return complete;
    }
};

// ALSA prints a dozen lines of its own when a machine has no sound card. While
// the device is opened they are held back: the one warning we log says it.
extern "C" void ignoreAlsaError(const char *, int, const char *, int, const char *, ...) {}

void holdBackAlsaErrors(bool hold)
{
    using Handler = void (*)(const char *, int, const char *, int, const char *, ...);
    using SetHandler = int (*)(Handler);
    void *lib = dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!lib)
        return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(lib, "snd_lib_error_set_handler")))
        set(hold ? &ignoreAlsaError : nullptr);   // null restores ALSA's own
    dlclose(lib);
}

class DeviceSink : public AudioSink {
public:
    ~DeviceSink() override { close(); }
    bool open(int sampleRate) override
    {
        close();
        if (!m_api.create && !m_api.load()) {
            m_error = QStringLiteral("the audio library libpcaudio is not available");
            return false;
        }
        // The library picks PulseAudio or ALSA when the object is made, so
        // each opening makes a new one.
        holdBackAlsaErrors(true);
        m_object = m_api.create(nullptr, "Pelumo", "Speech");
        const int error = m_object
            ? m_api.open(m_object, PcAudio::FormatS16LE, unsigned(sampleRate), 1) : -1;
        holdBackAlsaErrors(false);
        if (!m_object) {
            m_error = QStringLiteral("no audio output device");
            return false;
        }
        if (error != 0) {
            remember(error);
            close();
            return false;
        }
        m_open = true;
        return true;
    }
    void close() override
    {
        if (!m_object)
            return;
        if (m_open)
            m_api.close(m_object);
        m_api.destroy(m_object);
        m_object = nullptr;
        m_open = false;
    }
    bool write(const short *samples, int count) override
    {
        return m_open && remember(m_api.write(m_object, samples, size_t(count) * sizeof(short)));
    }
    void flush() override
    {
        if (m_open)
            remember(m_api.flush(m_object));
    }
    QString errorString() const override { return m_error; }

private:
    // True for success; otherwise keeps the library's words for the log.
    bool remember(int error)
    {
        if (error != 0)
            m_error = QString::fromLocal8Bit(m_api.strerror(m_object, error));
        return error == 0;
    }

    PcAudio m_api;
    void *m_object = nullptr;
    bool m_open = false;
    QString m_error;
};

} // namespace

std::unique_ptr<AudioSink> makeDefaultAudioSink()
{
    return std::make_unique<DeviceSink>();
}

} // namespace pelumo
