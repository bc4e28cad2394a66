#include "speech/core/MessageText.h"
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/SpokenNames.h"

namespace pelumo {
namespace {

// Marks that espeak-ng turns into a pause or a rising tone; the ASCII ones
// become their Japanese forms.
const QStringView kClauseMarks = u"。、？！";
const QStringView kAsciiClauseMarks = u".,?!";
// Brackets and quotes are not said inside a sentence: a short pause.
const QStringView kBrackets = u"()[]{}\"'「」『』【】〈〉《》〔〕・";

bool isAsciiAlnum(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

} // namespace

QString clauseMark(QChar c)
{
    if (kClauseMarks.contains(c))
        return QString(c);
    if (const qsizetype i = kAsciiClauseMarks.indexOf(c); i >= 0)
        return QString(kClauseMarks.at(i));
    return {};
}

bool isSpeakable(QChar c)
{
    return isKana(c) || kClauseMarks.contains(c) || c == u' ';
}

bool isJoiningHyphen(const QString &chunk, qsizetype i)
{
    return i > 0 && i + 1 < chunk.size() && chunk.at(i) == u'-' && isAsciiAlnum(chunk.at(i - 1))
           && isAsciiAlnum(chunk.at(i + 1));
}

QString waveDashReading(const QString &chunk, qsizetype i)
{
    const QChar c = chunk.at(i);
    if (c != u'〜' && c != u'~')
        return {};
    const QChar before = i > 0 ? chunk.at(i - 1) : QChar();
    const QChar after = i + 1 < chunk.size() ? chunk.at(i + 1) : QChar();
    if (isKana(before))
        return QStringLiteral("ー");
    if (before.isDigit() && after.isDigit())
        return QStringLiteral("から");
    return {};
}

QChar baseLetter(QChar c)
{
    if (c.decompositionTag() == QChar::Canonical)
        return c.decomposition().at(0);
    return c;
}

bool allSpeakable(const QString &s)
{
    for (QChar c : s)
        if (!isSpeakable(c))
            return false;
    return true;
}

QString prepareMessage(const QString &message)
{
    const QString text = message.normalized(QString::NormalizationForm_KC);
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        QString word;
        if (const int n = emoticonAt(text, i, &word)) {
            out += u' ' + word + u' ';
            i += n;
            continue;
        }
        const QChar c = text.at(i++);
        out += (c == u'_' || c.isSpace() || kBrackets.contains(c)) ? QChar(u' ') : c;
    }
    return out;
}

} // namespace pelumo
