#include "speech/OpenJTalkEngine.h"
#include "platform/Logging.h"
#include "speech/core/KeyReading.h"
#include "speech/core/OpenJTalkText.h"
#include <QTimer>
#include <chrono>

namespace pelumo {

namespace {
// The keys of every board (the kana, the voiced and small kana, the digits,
// letters and signs), whose echoes are made before they are asked for: the
// plain kana first, the most used. A katakana key is said as its hiragana one.
constexpr char16_t kKeysMadeAhead[] = u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
                                      u"まみむめもやゆよらりるれろわをん"
                                      u"ー？。、"
                                      u"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽ"
                                      u"ぁぃぅぇぉっゃゅょ"
                                      u"1234567890"
                                      u"QWERTYUIOPASDFGHJKLZXCVBNM;/,.:%+-?@!";
constexpr const char16_t *kEmoticonsMadeAhead[] = {u"(^_^)", u"(T_T)"};

bool isOneKana(const QString &text)
{
    return text.size() == 1 && text.at(0).unicode() >= u'ぁ' && text.at(0).unicode() <= u'ヺ';
}
} // namespace

OpenJTalkEngine::OpenJTalkEngine(const OpenJTalkCommand &command, const QString &voiceName,
                                 std::unique_ptr<SpeechEngine> fallback,
                                 std::unique_ptr<AudioSink> sink, QObject *parent)
    : SpeechEngine(parent), m_command(command), m_voiceName(voiceName), m_fallback(std::move(fallback))
{
    // The player's callbacks run on its thread: they only queue a call to
    // this object, which Qt drops if the engine is gone by then.
    PcmPlayer::Callbacks callbacks;
    callbacks.started = [this](quint64 id, const QString &text) {
        m_audioStartNs = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
        QMetaObject::invokeMethod(this, [this, id, text] {
            if (id > m_silencedThrough && m_current && m_current->item.id == id)
                emit audioStarted(text);
        }, Qt::QueuedConnection);
    };
    callbacks.finished = [this](quint64 id) {
        QMetaObject::invokeMethod(this, [this, id] { onPlayerFinished(id); }, Qt::QueuedConnection);
    };
    callbacks.audio = [this](bool available, const QString &detail) {
        QMetaObject::invokeMethod(this, [this, available, detail] {
            if (available) {
                qCInfo(lcSpeech) << "Audio output open";
                return;
            }
            qCWarning(lcSpeech).noquote() << "No audio output, speech is silent until one can be opened:" << detail;
            emit audioUnavailable();
        }, Qt::QueuedConnection);
    };
    m_player = std::make_unique<PcmPlayer>(std::move(sink), std::move(callbacks));
    connect(m_fallback.get(), &SpeechEngine::audioStarted, this, [this](const QString &text) {
        if (m_current && m_current->byFallback)
            emit audioStarted(text);
    });
    connect(m_fallback.get(), &SpeechEngine::speechEnded, this, [this] {
        if (m_current && m_current->byFallback)
            finishCurrent();
    });
    connect(m_fallback.get(), &SpeechEngine::audioUnavailable, this, &SpeechEngine::audioUnavailable);
    QTimer::singleShot(kCacheFillDelayMs, this, [this] {
        for (QChar key : QStringView(kKeysMadeAhead))
            m_keysToCache << keyReading(QString(key));
        for (const char16_t *emoticon : kEmoticonsMadeAhead)
            m_keysToCache << keyReading(QString::fromUtf16(emoticon));
        fillCache();
    });
}

// The player ends first: its last callbacks touch this object.
OpenJTalkEngine::~OpenJTalkEngine()
{
    m_player.reset();
}

QString OpenJTalkEngine::givenText(const QString &text, const QString &reading, SpeechKind kind) const
{
    if (kind == SpeechKind::Key)
        return openJTalkKeyText(reading);
    const QString given = openJTalkText(text).trimmed();
    // A lone kana is said as its key; marks alone by their names.
    if (isOneKana(given) || speechPieces(given).isEmpty())
        return openJTalkKeyText(reading);
    return given;
}

bool OpenJTalkEngine::isCached(const QString &keyReading) const
{
    return m_cache.contains(keyFor(openJTalkKeyText(keyReading)));
}

SoundKey OpenJTalkEngine::keyFor(const QString &given) const
{
    return {given, m_voiceName, m_voice};
}

void OpenJTalkEngine::speak(const QString &text, const QString &reading, SpeechKind kind)
{
    const std::optional<SpeechKind> saying = m_current ? std::optional(m_current->item.kind) : std::nullopt;
    if (m_queue.add({++m_lastId, text, reading, kind}, saying))
        abandonCurrent();
    startNext();
}

void OpenJTalkEngine::stop()
{
    m_silencedThrough = m_lastId;
    m_queue.clear();
    abandonCurrent();
    m_player->silenceThrough(m_lastId);
}

void OpenJTalkEngine::setVoice(const VoiceSettings &voice)
{
    m_voice = voice;
    m_fallback->setVoice(voice);
    fillCache();
}

bool OpenJTalkEngine::isSpeaking() const
{
    return m_lastId > std::max(m_silencedThrough, m_doneThrough);
}

void OpenJTalkEngine::startNext()
{
    if (m_current)
        return;
    while (std::optional<SpeechItem> next = m_queue.takeNext()) {
        if (next->id <= m_silencedThrough)
            continue;
        const QString given = givenText(next->text, next->reading, next->kind);
        const QStringList pieces = next->kind == SpeechKind::Key ? QStringList{given} : speechPieces(given);
        m_current = Job{std::move(*next), pieces};
        // Someone waits for this text: the kana being made for later give way.
        if (m_childFillsCache)
            m_child.reset();
        if (pieces.isEmpty()) {
            // Nothing to be heard (a message of end markers): it ends at once,
            // after speak() has returned, as a text said does.
            const quint64 id = m_current->item.id;
            QMetaObject::invokeMethod(this, [this, id] {
                if (m_current && m_current->item.id == id)
                    finishCurrent();
            }, Qt::QueuedConnection);
        } else {
            makeNextPiece();
        }
        return;
    }
    fillCache();
}

void OpenJTalkEngine::makeNextPiece()
{
    Job &job = *m_current;
    const QString &piece = job.pieces.at(job.made);
    if (job.item.kind == SpeechKind::Key)
        if (std::shared_ptr<const PcmSound> sound = m_cache.find(keyFor(piece))) {
            onPieceMade(sound);
            return;
        }
    m_child = std::make_unique<OpenJTalkChild>(m_command, piece, openJTalkParameters(m_voice), false);
    m_childFillsCache = false;
    connect(m_child.get(), &OpenJTalkChild::made, this,
            [this](const std::shared_ptr<const PcmSound> &sound, const SpokenSpan &span) {
                // Heard from its first sound, and ended at its last: the
                // pauses between pieces stay.
                const Job &job = *m_current;
                const bool key = job.item.kind == SpeechKind::Key;
                onPieceMade(std::make_shared<const PcmSound>(withoutPauses(
                    *sound, span, key || job.made == 0, key || job.made + 1 == job.pieces.size())));
            });
    connect(m_child.get(), &OpenJTalkChild::failed, this, &OpenJTalkEngine::onPieceFailed);
}

// The child that sent this is let go after its signal.
void OpenJTalkEngine::onPieceMade(const std::shared_ptr<const PcmSound> &sound)
{
    if (m_child)
        m_child.release()->deleteLater();
    Job &job = *m_current;
    if (job.item.kind == SpeechKind::Key)
        m_cache.put(keyFor(job.pieces.at(job.made)), sound);
    const bool first = job.made == 0;
    ++job.made;
    const bool last = job.made == job.pieces.size();
    m_player->play({job.item.id, job.item.text, sound, first, last});
    if (!last)
        makeNextPiece();
}

void OpenJTalkEngine::onPieceFailed(const QString &why)
{
    if (m_child)
        m_child.release()->deleteLater();
    Job &job = *m_current;
    qCWarning(lcSpeech).noquote() << QStringLiteral("Open JTalk %1 for \"%2\": said by espeak-ng instead")
                                         .arg(why, job.item.text);
    m_player->silenceThrough(job.item.id);
    job.byFallback = true;
    m_fallback->speak(job.item.text, job.item.reading, job.item.kind);
}

void OpenJTalkEngine::onPlayerFinished(quint64 id)
{
    if (m_current && m_current->item.id == id && !m_current->byFallback
        && m_current->made == m_current->pieces.size())
        finishCurrent();
}

void OpenJTalkEngine::finishCurrent()
{
    const quint64 id = m_current->item.id;
    m_current.reset();
    m_doneThrough = std::max(m_doneThrough, id);
    if (id == m_lastId)
        emit speechEnded();
    startNext();
}

// A key echo cut off by a newer text, or everything silenced.
void OpenJTalkEngine::abandonCurrent()
{
    if (!m_current)
        return;
    const Job job = *std::exchange(m_current, std::nullopt);
    m_child.reset();
    m_player->silenceThrough(job.item.id);
    if (job.byFallback)
        m_fallback->stop();
    m_doneThrough = std::max(m_doneThrough, job.item.id);
}

// One kana at a time, niced, and only while there is nothing to say.
void OpenJTalkEngine::fillCache()
{
    if (m_current || m_child)
        return;
    for (const QString &reading : std::as_const(m_keysToCache)) {
        const SoundKey key = keyFor(openJTalkKeyText(reading));
        if (m_cache.contains(key))
            continue;
        m_child = std::make_unique<OpenJTalkChild>(m_command, key.text, openJTalkParameters(m_voice), true);
        m_childFillsCache = true;
        connect(m_child.get(), &OpenJTalkChild::made, this,
                [this, key](const std::shared_ptr<const PcmSound> &sound, const SpokenSpan &span) {
            m_child.release()->deleteLater();
            m_cache.put(key, std::make_shared<const PcmSound>(withoutPauses(*sound, span, true, true)));
            QTimer::singleShot(0, this, &OpenJTalkEngine::fillCache);
        });
        connect(m_child.get(), &OpenJTalkChild::failed, this, [this, reading](const QString &why) {
            m_child.release()->deleteLater();
            // A voice that fails on its first key fails for them all; a later
            // key that fails is left to be made when it is touched.
            if (m_cache.size() == 0)
                m_keysToCache.clear();
            else
                m_keysToCache.removeOne(reading);
            QTimer::singleShot(0, this, &OpenJTalkEngine::fillCache);
            qCDebug(lcSpeech).noquote() << "Open JTalk could not make a key in advance:" << why;
        });
        return;
    }
}

} // namespace pelumo
