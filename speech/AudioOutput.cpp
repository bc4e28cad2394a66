#include "speech/AudioOutput.h"
#include "platform/Logging.h"

namespace pelumo {

AudioOutput::AudioOutput(std::unique_ptr<AudioSink> sink, Report report)
    : m_sink(std::move(sink)), m_report(std::move(report))
{
}

void AudioOutput::setSampleRate(int rate)
{
    if (rate != m_rate && m_open) {
        m_sink->close();
        m_open = false;
    }
    m_rate = rate;
}

void AudioOutput::begin()
{
    m_triedThisText = false;
    if (!m_open)
        reopen();
}

void AudioOutput::write(const short *samples, int count)
{
    if (!m_open || m_sink->write(samples, count))
        return;
    // A failed write: the server went away or the device was unplugged. One
    // new attempt a text, so a text does not retry at every buffer.
    const QString lost = m_sink->errorString();
    qCDebug(lcSpeech).noquote() << "Audio output failed, opening it again:" << lost;
    m_sink->close();
    m_open = false;
    if (m_triedThisText || !reopen()) {
        if (m_known != Known::Unavailable)
            setAvailable(false, lost);
        return;
    }
    if (!m_sink->write(samples, count)) {
        m_sink->close();
        m_open = false;
        setAvailable(false, m_sink->errorString());
    }
}

void AudioOutput::end(bool cutOff)
{
    if (m_open && cutOff)
        m_sink->flush();
}

bool AudioOutput::reopen()
{
    m_triedThisText = true;
    m_open = m_sink->open(m_rate);
    setAvailable(m_open, m_open ? QString() : m_sink->errorString());
    return m_open;
}

void AudioOutput::setAvailable(bool available, const QString &detail)
{
    const Known now = available ? Known::Available : Known::Unavailable;
    if (now == m_known)
        return;
    m_known = now;
    if (m_report)
        m_report(available, detail);
}

} // namespace pelumo
