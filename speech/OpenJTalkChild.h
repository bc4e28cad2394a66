#pragma once
// One run of the `open_jtalk` command: the text on its standard input, the
// sound in a WAV file in the runtime folder, read back when the child has
// ended. Nothing here waits: the answer comes as a signal on the GUI thread.
// A child that fails to start, ends in error, writes no sound or runs past
// the time allowed is ended by its PID and reported as failed.
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
    void made(std::shared_ptr<const PcmSound> sound);
    void failed(const QString &why);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void fail(const QString &why);
    void end();

    QProcess m_process;
    QTimer m_deadline;
    QString m_wavPath;
    bool m_answered = false;
};

} // namespace pelumo
