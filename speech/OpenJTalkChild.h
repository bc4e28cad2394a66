#pragma once
// One run of the `open_jtalk` command: the text on its standard input, the
// sound in a WAV file in the runtime folder and its labels in a trace file
// beside it, read back when the child has ended. Nothing here waits: the answer comes as a signal on the GUI thread.
// A child that fails to start, ends in error, writes no sound or runs past
// the time allowed is ended by its PID and reported as failed.
#include "speech/core/SpokenSpan.h"
#include "speech/core/VoiceParameters.h"
#include "speech/core/WavSound.h"
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace pelumo {

struct OpenJTalkCommand {
    QString program = QStringLiteral("open_jtalk");
    QString dictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
    QString voiceFile;
    int timeoutMs = 5000;
};

class OpenJTalkChild : public QObject {
    Q_OBJECT
public:
    // Starts at once. lowPriority runs it niced, for work nobody waits for.
    OpenJTalkChild(const OpenJTalkCommand &command, const QString &text,
                   const OpenJTalkParameters &parameters, bool lowPriority, QObject *parent = nullptr);
    // A child still running is ended.
    ~OpenJTalkChild() override;

signals:
    // The span is where the speech is; the whole sound when the trace is unreadable.
    void made(std::shared_ptr<const PcmSound> sound, SpokenSpan span);
    void failed(const QString &why);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void fail(const QString &why);
    SpokenSpan readSpan(const PcmSound &sound) const;
    void end();

    QProcess m_process;
    QTimer m_deadline;
    QString m_wavPath;
    QString m_tracePath;
    bool m_answered = false;
};

} // namespace pelumo
