#include "prediction/core/KanaText.h"

namespace pelumo {
namespace {

constexpr char16_t kFirstHiragana = u'ぁ';
constexpr char16_t kLastHiragana = u'ゖ';
constexpr char16_t kFirstKatakana = u'ァ';
constexpr char16_t kLastKatakana = u'ヶ';
constexpr int kKatakanaOffset = kFirstKatakana - kFirstHiragana;

} // namespace

bool isPredictedKana(QChar ch)
{
    return (ch.unicode() >= kFirstHiragana && ch.unicode() <= kLastHiragana) || ch == u'ー';
}

bool beginsAPhrase(QChar kana)
{
    static const QString never = QStringLiteral("ぁぃぅぇぉっゃゅょゎゕゖんー");
    return !never.contains(kana);
}

QString toHiragana(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        out.append(c >= kFirstKatakana && c <= kLastKatakana ? QChar(char16_t(c - kKatakanaOffset)) : ch);
    }
    return out;
}

QString typedRun(QStringView message, int position)
{
    int start = qBound(0, position, int(message.size()));
    const int end = start;
    while (start > 0 && isPredictedKana(message.at(start - 1)))
        --start;
    return message.sliced(start, end - start).toString();
}

TypedText typedText(QStringView message, int position)
{
    TypedText typed{typedRun(message, position), {}};
    int at = qBound(0, position, int(message.size())) - int(typed.run.size());
    const int runStart = at;
    while (at > 0 && (message.at(at - 1) == u' ' || message.at(at - 1) == QChar(kKanaSpace)))
        --at;
    if (at < runStart) {
        typed.before = typedRun(message, at);
        typed.spaceTyped = typed.run.isEmpty();
    }
    return typed;
}

QChar boardKana(QChar ch)
{
    // The small kana stand just before their full-size forms, except ゎ.
    static const QString small = QStringLiteral("ぁぃぅぇぉっゃゅょ");
    if (small.contains(ch))
        return QChar(char16_t(ch.unicode() + 1));
    if (ch == u'ゎ')
        return QChar(u'わ');
    if (ch == u'ゔ')
        return QChar(u'う');
    const QString plain = QString(ch).normalized(QString::NormalizationForm_D);
    return plain.isEmpty() ? ch : plain.front();
}

} // namespace pelumo
