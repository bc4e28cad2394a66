#include "speech/OpenJTalkChild.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <csignal>
#include <unistd.h>

namespace pelumo {

namespace {
QString newOutputPath()
{
    static std::atomic<int> counter{0};
    // The runtime folder as the session names it; Qt's own lookup warns at
    // every call where there is none.
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::tempPath();
    return QStringLiteral("%1/pelumo-voice-%2-%3")
        .arg(dir)
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

QStringList arguments(const OpenJTalkCommand &c, const OpenJTalkParameters &p, const QString &wav,
                      const QString &trace)
{
    return {QStringLiteral("-x"), c.dictionary, QStringLiteral("-m"), c.voiceFile,
            QStringLiteral("-ow"), wav, QStringLiteral("-ot"), trace, QStringLiteral("-r"), QString::number(p.speed, 'f', 2),
            QStringLiteral("-fm"), QString::number(p.halftones, 'f', 2),
            QStringLiteral("-g"), QString::number(p.gainDb, 'f', 2)};
}
} // namespace

OpenJTalkChild::OpenJTalkChild(const OpenJTalkCommand &command, const QString &text,
                               const OpenJTalkParameters &parameters, bool lowPriority, QObject *parent)
    : QObject(parent), m_wavPath(newOutputPath() + QStringLiteral(".wav")),
      m_tracePath(m_wavPath.chopped(4) + QStringLiteral(".trace"))
{
    connect(&m_process, &QProcess::finished, this, &OpenJTalkChild::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("could not start: ") + m_process.errorString());
    });
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this, ms = command.timeoutMs] {
        fail(QStringLiteral("no answer in %1 ms").arg(ms));
    });
    if (lowPriority)
        m_process.setChildProcessModifier([] { (void)::nice(19); });
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_deadline.start(command.timeoutMs);
    m_process.start(command.program, arguments(command, parameters, m_wavPath, m_tracePath));
    m_process.write(text.toUtf8() + '\n');
    m_process.closeWriteChannel();
}

OpenJTalkChild::~OpenJTalkChild()
{
    m_answered = true;
    end();
    QFile::remove(m_wavPath);
    QFile::remove(m_tracePath);
}

// By its PID, at once: the child has nothing to save.
void OpenJTalkChild::end()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    if (const qint64 pid = m_process.processId(); pid > 0)
        ::kill(pid_t(pid), SIGKILL);
    m_process.waitForFinished(1000);   // reaps it: SIGKILL cannot be held off
}

void OpenJTalkChild::onFinished(int exitCode, QProcess::ExitStatus status)
{
    if (m_answered)
        return;
    if (status != QProcess::NormalExit || exitCode != 0) {
        fail(QStringLiteral("ended with status %1").arg(status == QProcess::NormalExit ? exitCode : -1));
        return;
    }
    QFile file(m_wavPath);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("wrote no sound: ") + file.errorString());
        return;
    }
    std::optional<PcmSound> sound = parseWav(file.readAll());
    file.close();
    QFile::remove(m_wavPath);
    if (!sound) {
        fail(QStringLiteral("wrote no sound"));
        return;
    }
    const SpokenSpan span = readSpan(*sound);
    m_answered = true;
    m_deadline.stop();
    emit made(std::make_shared<const PcmSound>(std::move(*sound)), span);
}

// Without its trace the sound is kept whole: heard a little later, never cut.
SpokenSpan OpenJTalkChild::readSpan(const PcmSound &sound) const
{
    const qint64 count = qint64(sound.samples.size());
    QFile trace(m_tracePath);
    std::optional<SpokenSpan> span;
    if (trace.open(QIODevice::ReadOnly))
        span = spokenSpan(trace.readAll(), sound.sampleRate, count);
    trace.close();
    QFile::remove(m_tracePath);
    return span.value_or(SpokenSpan{0, count});
}

void OpenJTalkChild::fail(const QString &why)
{
    if (m_answered)
        return;
    m_answered = true;
    m_deadline.stop();
    end();
    emit failed(why);
}

} // namespace pelumo
