// The chime's phrase, measured from its samples at the rates a device may ask.
#include "speech/core/ChimeSound.h"
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace pelumo;

namespace {
using Samples = std::vector<qint16>;

int loudest(const Samples &s, double from, double to, int rate)
{
    int peak = 0;
    for (auto i = size_t(from * rate); i < size_t(to * rate) && i < s.size(); ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

// The frequency of the strongest tone over the window, from its sign changes.
double frequency(const Samples &s, double from, double to, int rate)
{
    int changes = 0;
    for (auto i = size_t(from * rate) + 1; i < size_t(to * rate); ++i)
        changes += (s[i - 1] < 0) != (s[i] < 0);
    return changes / 2.0 / (to - from);
}
} // namespace

class ChimeSoundTest : public QObject {
    Q_OBJECT
private slots:
    void phrase_data()
    {
        QTest::addColumn<int>("rate");
        QTest::newRow("espeak-ng's rate") << 22050;
        QTest::newRow("CD") << 44100;
        QTest::newRow("device") << 48000;
        QTest::newRow("low") << 16000;
    }
    void phrase()
    {
        QFETCH(int, rate);
        using S = ChimeShape;
        const Samples s = chimePhrase(rate);
        QCOMPARE(qint64(s.size()), std::llround(S::phraseSeconds * rate));

        const int full = 32767;
        const int peak = loudest(s, 0, S::phraseSeconds, rate);
        QVERIFY2(std::abs(peak - S::peak * full) <= full / 200, qPrintable(QString::number(peak)));
        QVERIFY(std::none_of(s.begin(), s.end(), [](qint16 v) { return v == -32768; }));

        // From silence, and back to it: a repeat must not click.
        QCOMPARE(s.front(), qint16(0));
        QVERIFY(loudest(s, 0, 0.001, rate) < peak / 5);
        QVERIFY(loudest(s, S::soundSeconds - 0.002, S::soundSeconds, rate) < peak / 50);
        QCOMPARE(loudest(s, S::soundSeconds, S::phraseSeconds, rate), 0);

        // Each note heard at its own pitch, the first one higher, and the
        // second as loud as a call needs.
        const auto &[high, low] = S::notes;
        const double first = frequency(s, 0.05, low.startSeconds - 0.02, rate);
        const double second = frequency(s, low.startSeconds + 0.1, S::soundSeconds - 0.05, rate);
        QVERIFY2(std::abs(first - high.hz) < high.hz * 0.02, qPrintable(QString::number(first)));
        QVERIFY2(std::abs(second - low.hz) < low.hz * 0.02, qPrintable(QString::number(second)));
        QVERIFY(loudest(s, low.startSeconds, low.startSeconds + 0.05, rate) > peak / 2);
    }
};

QTEST_APPLESS_MAIN(ChimeSoundTest)
#include "chime_sound_test.moc"
