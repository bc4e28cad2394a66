#include "speech/core/OpenJTalkText.h"
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/MessageText.h"
#include "speech/core/NumberReading.h"
#include "speech/core/SpokenNames.h"

namespace pelumo {
namespace {

constexpr QChar kPause = u'、';

bool isSentenceEnd(QChar c)
{
    return c == u'。' || c == u'！' || c == u'？' || c == u'!' || c == u'?' || c == u'\n';
}

bool readsItself(char32_t c)
{
    if (QChar::requiresSurrogates(c))
        return QChar::script(c) == QChar::Script_Han;
    const QChar ch{char16_t(c)};
    return isKana(ch) || QChar::script(c) == QChar::Script_Han || !clauseMark(ch).isEmpty()
           || c == u'々' || c == u'〆';
}

QString characterText(char32_t c)
{
    if (readsItself(c))
        return QString::fromUcs4(&c, 1);
    if (!QChar::requiresSurrogates(c)) {
        const QChar ch{char16_t(c)};
        if (const QString name = letterName(baseLetter(ch)); !name.isEmpty())
            return name;
        if (const QString name = symbolName(ch); !name.isEmpty())
            return name;
    }
    return unreadableCharacterWord(c);
}

// One blank-free chunk: numbers and the rest as Open JTalk reads them.
QString chunkText(const QString &chunk)
{
    QString out;
    for (qsizetype i = 0; i < chunk.size();) {
        if (const qsizetype n = numberLengthAt(chunk, i)) {
            out += QStringView(chunk).mid(i, n);
            i += n;
        } else if (isJoiningHyphen(chunk, i)) {
            out += kPause;
            ++i;
        } else if (const QString wave = waveDashReading(chunk, i); !wave.isEmpty()) {
            out += wave;
            ++i;
        } else {
            const char32_t c = QStringView(chunk).mid(i).toUcs4().value(0);
            out += characterText(c);
            i += QChar::requiresSurrogates(c) ? 2 : 1;
        }
    }
    return out;
}

bool hasSomethingToSay(const QString &piece)
{
    for (QChar c : piece)
        if (!c.isSpace() && clauseMark(c).isEmpty())
            return true;
    return false;
}

} // namespace

QString openJTalkText(const QString &message)
{
    QStringList lines;
    for (const QString &line : message.split(u'\n')) {
        QStringList chunks;
        for (const QString &chunk : prepareMessage(line).split(u' ', Qt::SkipEmptyParts))
            chunks << chunkText(chunk);
        lines << chunks.join(kPause);
    }
    return lines.join(u'\n');
}

QString openJTalkKeyText(const QString &keyReading)
{
    QString out = keyReading;
    for (QChar &c : out)
        if (c.unicode() >= u'ぁ' && c.unicode() <= u'ゖ')
            c = QChar(char16_t(c.unicode() + (u'ァ' - u'ぁ')));
    return out;
}

QStringList speechPieces(const QString &text, int longPiece)
{
    QStringList pieces;
    QString piece;
    auto close = [&] {
        if (hasSomethingToSay(piece))
            pieces << piece.trimmed();
        piece.clear();
    };
    for (QChar c : text) {
        if (c != u'\n')
            piece += c;
        if (isSentenceEnd(c) || (c == u'、' && piece.size() >= longPiece))
            close();
    }
    close();
    return pieces;
}

} // namespace pelumo
