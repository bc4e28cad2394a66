// The reading step alone: what 読む does before the voice is given anything,
// for a 100-character message, once the dictionary's tagger is made. Its
// floor is MeCab's own parse of the same text.
#include "Stats.h"
#include "speech/core/MecabTagger.h"
#include "speech/core/MessageReader.h"
#include <QElapsedTimer>

namespace bench {
namespace {

constexpr int kRounds = 200;

// Kanji, kana, particles, numbers with counters, a Latin word and marks.
QString hundredCharacterMessage()
{
    const QString sentence = QStringLiteral(
        "今日は2026年12月8日です。病院へ3時に行きたいので、タクシーを呼んでください。"
        "ありがとう！TVの音を少し小さくしてほしい。");
    QString text;
    while (text.size() < 100)
        text += sentence;
    return text.left(99) + u'_';
}

template <typename F>
Samples timed(F &&step)
{
    Samples s;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer t;
        t.start();
        step();
        s.add(t.nsecsElapsed() / 1e6);
    }
    return s;
}

} // namespace

std::vector<Row> measureReadings()
{
    const QString message = hundredCharacterMessage();
    pelumo::MessageReader reader;
    reader.prepare();
    QString error;
    const auto tagger = pelumo::MecabTagger::open(QString::fromLatin1(pelumo::kIpadicUtf8Dir), &error);
    qsizetype sink = 0;
    Row r;
    r.figure = "reading of a 100-character message";
    r.value = timed([&] { sink += reader.read(message).size(); });
    if (tagger)
        r.floor = timed([&] { sink += tagger->parse(message).size(); });
    r.goal = reader.hasDictionary() ? "median < 1 ms" : "median < 1 ms (NO DICTIONARY)";
    r.met = reader.hasDictionary() && r.value.median() < 1.0 && sink > 0;
    return {r};
}

} // namespace bench
