#pragma once
// The natural voice: Open JTalk with an HTS voice file, run as a child
// process for each piece of text (see OpenJTalkChild.h), its sound played by
// a PcmPlayer. The queue rules are espeak-ng's: a key echo gives way to the
// next text, a message is said whole, stop() silences everything at once.
//
// A message is made piece by piece, the first first, so its sound starts
// after the first sentence is made, while the next one is being made. Its
// pause before the first sound and after the last are cut (SpokenSpan.h), so
// it is heard as soon as it plays. Key echoes are kept in a SoundCache,
// filled with every board's keys once the program is idle after start-up.
//
// When the child fails, the text is said by espeak-ng instead, from its start:
// the user hears it either way, and one line goes to the log.
#include "speech/AudioDevice.h"
#include "speech/OpenJTalkChild.h"
#include "speech/PcmPlayer.h"
#include "speech/SpeechEngine.h"
#include "speech/core/SoundCache.h"
#include "speech/core/SpeechQueue.h"
#include "speech/core/VoiceCatalog.h"
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>

namespace pelumo {

class OpenJTalkEngine : public SpeechEngine {
    Q_OBJECT
public:
    // fallback says what Open JTalk cannot; it is the espeak-ng voice.
    OpenJTalkEngine(const OpenJTalkCommand &command, const QString &voiceName,
                    std::unique_ptr<SpeechEngine> fallback,
                    std::unique_ptr<AudioSink> sink = makeDefaultAudioSink(), QObject *parent = nullptr);
    ~OpenJTalkEngine() override;

    void speak(const QString &text, const QString &reading, SpeechKind kind) override;
    void stop() override;
    void setVoice(const VoiceSettings &voice) override;
    bool isSpeaking() const override;
    QString voiceName() const override { return m_voiceName; }
    QString givenText(const QString &text, const QString &reading, SpeechKind kind) const override;

    // For tests and measurements: the key echoes kept, and when the first
    // sample of the latest text went out (steady clock, ns).
    int cachedKeys() const { return m_cache.size(); }
    bool isCached(const QString &keyReading) const;
    qint64 lastAudioStartNs() const { return m_audioStartNs; }
    SpeechEngine *fallback() const { return m_fallback.get(); }

    // After start-up: when the keys start to be made for the cache.
    static constexpr int kCacheFillDelayMs = 1500;

private:
    struct Job {
        SpeechItem item;
        QStringList pieces;
        int made = 0;             // pieces handed to the player
        bool byFallback = false;  // espeak-ng is saying it
    };
    SoundKey keyFor(const QString &given) const;
    void startNext();
    void makeNextPiece();
    void onPieceMade(const std::shared_ptr<const PcmSound> &sound);
    void onPieceFailed(const QString &why);
    void finishCurrent();
    void abandonCurrent();
    void fillCache();
    void onPlayerFinished(quint64 id);

    OpenJTalkCommand m_command;
    QString m_voiceName;
    std::unique_ptr<SpeechEngine> m_fallback;
    std::unique_ptr<PcmPlayer> m_player;
    std::unique_ptr<OpenJTalkChild> m_child;   // the piece or kana being made
    bool m_childFillsCache = false;
    SpeechQueue m_queue;
    std::optional<Job> m_current;
    SoundCache m_cache;
    QStringList m_keysToCache;
    VoiceSettings m_voice;
    quint64 m_lastId = 0;
    quint64 m_silencedThrough = 0;
    quint64 m_doneThrough = 0;
    std::atomic<qint64> m_audioStartNs{0};
};

} // namespace pelumo
