#pragma once
// Listens at the private PulseAudio server's null sink (scripts/pulse-server.sh)
// through parec, and finds the sound in what it heard. Used by the sound
// tests and by the benchmark.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <vector>

namespace pelumo::test {

class SinkRecorder {
public:
    static constexpr int kRate = 22050;   // the null sink's rate, and espeak-ng's
    static constexpr int kWindow = kRate / 100;   // loudness is judged over 10 ms
    static constexpr int kLoud = 200;

    // Why the private server cannot be used, or empty when it can.
    static QString unavailableReason()
    {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty()
            || QStandardPaths::findExecutable("parec").isEmpty())
            return QStringLiteral("pulseaudio and pulseaudio-utils are not installed");
        const QString dir = qEnvironmentVariable("PELUMO_PULSE_DIR");
        if (dir.isEmpty() || !QFileInfo::exists(dir + "/native"))
            return QStringLiteral("no private PulseAudio server (run through ctest, which starts one)");
        return {};
    }
    // Starts or restarts the private server through its script.
    static bool runServerScript(const QString &command)
    {
        return QProcess::execute(qEnvironmentVariable("PELUMO_PULSE_SCRIPT"),
                                 {command, qEnvironmentVariable("PELUMO_PULSE_DIR")}) == 0;
    }

    SinkRecorder()
    {
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { take(); });
    }
    ~SinkRecorder() { stop(); }
    bool start()
    {
        stop();
        m_samples.clear();
        m_arrivals.clear();
        m_pending.clear();
        m_parec.start("parec", {"-d", "pelumo_null.monitor", "--format=s16le", "--channels=1",
                                "--rate=" + QString::number(kRate), "--latency-msec=5"});
        return m_parec.waitForStarted(5000);
    }
    void stop()
    {
        if (m_parec.state() == QProcess::NotRunning)
            return;
        m_parec.kill();
        m_parec.waitForFinished(2000);
    }
    qint64 size() const { return qint64(m_samples.size()); }
    const std::vector<short> &samples() const { return m_samples; }

    // First and last loud sample from the index on; first is -1 when silent.
    struct Span {
        qint64 first = -1, last = -1;
        double seconds() const { return first < 0 ? 0 : double(last - first) / kRate; }
    };
    Span soundFrom(qint64 from = 0) const { return soundIn(m_samples, from); }
    static Span soundIn(const std::vector<short> &s, qint64 from = 0)
    {
        Span span;
        for (qint64 w = std::max<qint64>(from, 0); w < qint64(s.size()); w += kWindow) {
            const qint64 end = std::min<qint64>(w + kWindow, qint64(s.size()));
            for (qint64 i = w; i < end; ++i) {
                if (s[size_t(i)] > kLoud || s[size_t(i)] < -kLoud) {
                    if (span.first < 0)
                        span.first = i;
                    span.last = i;
                }
            }
        }
        return span;
    }
    // When a sample arrived here, on the steady clock in nanoseconds: the
    // arrival of the read holding it, less the samples that followed it there.
    qint64 arrivalNs(qint64 sample) const
    {
        for (const Arrival &a : m_arrivals)
            if (a.endSample > sample)
                return a.ns - (a.endSample - sample) * 1'000'000'000LL / kRate;
        return -1;
    }
    // espeak-ng's own rendering of the text, from its command-line program.
    static std::vector<short> espeakRendering(const QString &reading)
    {
        QProcess p;
        p.start("espeak-ng", {"-v", "ja", "--stdout", reading});
        p.waitForFinished(30000);
        const QByteArray wav = p.readAllStandardOutput();
        const qsizetype data = wav.indexOf("data");
        std::vector<short> out;
        if (data < 0)
            return out;
        const qsizetype start = data + 8;
        out.resize(size_t((wav.size() - start) / 2));
        memcpy(out.data(), wav.constData() + start, out.size() * 2);
        return out;
    }

private:
    struct Arrival {
        qint64 endSample;
        qint64 ns;
    };
    void take()
    {
        const qint64 now = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        m_pending += m_parec.readAllStandardOutput();
        const qsizetype whole = m_pending.size() / 2;
        const auto *p = reinterpret_cast<const short *>(m_pending.constData());
        m_samples.insert(m_samples.end(), p, p + whole);
        m_pending.remove(0, whole * 2);
        m_arrivals.push_back({qint64(m_samples.size()), now});
    }

    QProcess m_parec;
    QByteArray m_pending;
    std::vector<short> m_samples;
    std::vector<Arrival> m_arrivals;
};

} // namespace pelumo::test
