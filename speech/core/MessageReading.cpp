#include "speech/core/MessageReading.h"
#include "speech/core/CounterReading.h"
#include "speech/core/EspeakWorkarounds.h"
#include "speech/core/KeyReading.h"
#include "speech/core/MecabTagger.h"
#include "speech/core/MessageText.h"
#include "speech/core/NumberReading.h"
#include "speech/core/SpokenNames.h"
#include <QList>
#include <QStringList>

namespace pelumo {
namespace {

// Stands for a number while MeCab reads the words around it, so that a
// counter after a number gets its counter reading (3人 さんニン).
constexpr QChar kNumberMark = u'0';

// A particle needs a word before it: in kana-only text MeCab takes the は of
// ははは or the へ of へいき for particles, read ワ and エ. At the start of a
// phrase, or after another particle or a mark, it is read as written.
bool followsWord(const QList<Morpheme> &words, qsizetype i)
{
    return i > 0 && words[i - 1].partOfSpeech != u"助詞" && words[i - 1].partOfSpeech != u"記号";
}

bool isWholeNumber(QStringView number)
{
    return !number.contains(u'.');
}

class ChunkReader {
public:
    explicit ChunkReader(const MecabTagger *tagger) : m_tagger(tagger) {}

    QString read(const QString &chunk)
    {
        m_numbers.clear();
        QString marked;
        for (qsizetype i = 0; i < chunk.size();) {
            if (const qsizetype n = numberLengthAt(chunk, i)) {
                i += markNumber(chunk, i, n, marked);
            } else if (isJoiningHyphen(chunk, i)) {
                marked += u'、';   // Wi-Fi, 090-1234: a short pause, not マイナス
                ++i;
            } else if (const QString wave = waveDashReading(chunk, i); !wave.isEmpty()) {
                marked += wave;
                ++i;
            } else {
                marked += chunk.at(i++);
            }
        }
        if (!m_tagger)
            return spellOut(marked);
        QString out;
        const QList<Morpheme> words = m_tagger->parse(marked);
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (const qsizetype used = readKanjiCount(words, i, out)) {
                i += used - 1;
                continue;
            }
            const Morpheme &w = words[i];
            const bool usable = !w.pronunciation.isEmpty() && allSpeakable(w.pronunciation)
                                && !w.surface.contains(kNumberMark)
                                && !(w.partOfSpeech == u"助詞" && !followsWord(words, i));
            out += usable ? w.pronunciation : spellOut(w.surface);
        }
        return out;
    }

private:
    // A number in kanji with a counter after it (一人, 三本, 四時): MeCab reads
    // them sign by sign (イチニン); they get the counter's reading instead.
    // Returns how many words were read, 0 when words[i] starts no such pair.
    static qsizetype readKanjiCount(const QList<Morpheme> &words, qsizetype i, QString &out)
    {
        QString numeral;
        qsizetype j = i;
        while (j < words.size() && words[j].partOfSpeech == u"名詞"
               && !kanjiNumeralDigits(words[j].surface).isEmpty())
            numeral += words[j++].surface;
        if (j == i || j == words.size())
            return 0;
        const QString &counter = words[j].surface;
        if (counterLengthAt(counter, 0) != counter.size())
            return 0;
        out += countedReading(kanjiNumeralDigits(numeral), counter, i > 0 && words[i - 1].surface.endsWith(u'月'));
        return j - i + 1;
    }

    // Puts the mark for the number at chunk[i] (n characters) and keeps its
    // reading, with the counter after it when that changes its sound.
    qsizetype markNumber(const QString &chunk, qsizetype i, qsizetype n, QString &marked)
    {
        const QStringView number = QStringView(chunk).mid(i, n);
        marked += kNumberMark;
        // Numbers joined by hyphens are a telephone or postal number.
        if (isJoiningHyphen(chunk, i - 1) || isJoiningHyphen(chunk, i + n)) {
            m_numbers << digitsReading(number);
            return n;
        }
        const qsizetype k = isWholeNumber(number) ? counterLengthAt(chunk, i + n) : 0;
        if (k == 0) {
            m_numbers << numberTextReading(number);
            return n;
        }
        QString digits = number.toString();
        digits.remove(u',');
        const bool afterMonth = i > 0 && chunk.at(i - 1) == u'月';
        m_numbers << countedReading(digits, QStringView(chunk).mid(i + n, k), afterMonth);
        return n + k;
    }

    // A word without a usable pronunciation, character by character.
    QString spellOut(const QString &surface)
    {
        QString out;
        for (char32_t c : surface.toUcs4())
            out += characterReading(c);
        return out;
    }

    QString characterReading(char32_t c)
    {
        if (c == kNumberMark.unicode() && !m_numbers.isEmpty())
            return m_numbers.takeFirst();
        if (QChar::requiresSurrogates(c))
            return kanjiReading(c);
        const QChar ch{char16_t(c)};
        if (isKana(ch))
            return QString(ch);
        if (const QString mark = clauseMark(ch); !mark.isEmpty())
            return mark;
        if (const QString name = letterName(baseLetter(ch)); !name.isEmpty())
            return name;
        if (const QString name = symbolName(ch); !name.isEmpty())
            return name;
        return kanjiReading(c);
    }

    // A kanji MeCab knows alone (橋 in an unknown 髙橋) keeps that reading.
    QString kanjiReading(char32_t c)
    {
        if (m_tagger && QChar::script(c) == QChar::Script_Han) {
            const QList<Morpheme> alone = m_tagger->parse(QString::fromUcs4(&c, 1));
            if (alone.size() == 1 && !alone[0].pronunciation.isEmpty()
                && allSpeakable(alone[0].pronunciation))
                return alone[0].pronunciation;
        }
        return unreadableCharacterWord(c);
    }

    const MecabTagger *m_tagger;
    QStringList m_numbers;
};

bool hasKana(const QString &s)
{
    for (QChar c : s)
        if (isKana(c))
            return true;
    return false;
}

// Marks alone ("？", "。。") would be silent: each is said by its name.
QString namesOf(const QString &text)
{
    QStringList names;
    for (char32_t c : text.toUcs4())
        if (!QChar::isSpace(c))
            names << characterName(c);
    return names.join(u' ');
}

} // namespace

QString messageReading(const QString &message, const MecabTagger *tagger)
{
    const QString text = prepareMessage(message);
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 1 && isKana(trimmed.at(0)))
        return keyReading(trimmed);
    ChunkReader reader(tagger);
    QStringList chunks;
    for (const QString &chunk : text.split(u' ', Qt::SkipEmptyParts))
        chunks << reader.read(chunk);
    QString reading = chunks.join(u' ');
    if (!hasKana(reading))
        reading = namesOf(QString(message).replace(u'_', u' '));
    return smoothForEspeak(reading);
}

} // namespace pelumo
