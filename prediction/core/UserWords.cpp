#include "prediction/core/UserWords.h"
#include "prediction/core/KanaText.h"
#include <QHash>
#include <algorithm>
#include <cmath>

namespace pelumo {
namespace {

const QString kHeader = QStringLiteral("# Pelumo learnt words 1");

} // namespace

bool isLearnable(QStringView reading)
{
    if (reading.size() < 2)
        return false;
    return std::all_of(reading.begin(), reading.end(), isPredictedKana);
}


void UserWords::learn(const QStringList &readings, qint64 now)
{
    QHash<QString, size_t> index;
    for (size_t i = 0; i < m_words.size(); ++i)
        index.insert(m_words[i].reading, i);
    for (const QString &reading : readings) {
        if (!isLearnable(reading))
            continue;
        const auto it = index.constFind(reading);
        if (it == index.cend()) {
            index.insert(reading, m_words.size());
            m_words.push_back({reading, 1, now});
        } else {
            UserWord &w = m_words[*it];
            w = {reading, w.uses + 1, std::max(w.lastUsed, now)};
        }
    }
    if (int(m_words.size()) > kMaxWords)
        dropLightest(now);
}

double UserWords::weight(const UserWord &word, qint64 now) const
{
    const double age = double(std::max<qint64>(0, now - word.lastUsed));
    return word.uses * std::exp2(-age / double(kHalfLife));
}

void UserWords::dropLightest(qint64 now)
{
    std::stable_sort(m_words.begin(), m_words.end(), [&](const UserWord &a, const UserWord &b) {
        return weight(a, now) > weight(b, now);
    });
    m_words.resize(kMaxWords);
}

UserWords UserWords::fromText(QStringView text, int *skipped)
{
    UserWords out;
    int bad = 0;
    const QList<QStringView> lines = text.split(u'\n', Qt::SkipEmptyParts);
    for (int i = 0; i < lines.size(); ++i) {
        if (i == 0 && lines[i] == kHeader)
            continue;
        const QList<QStringView> f = lines[i].split(u'\t');
        bool usesOk = false, timeOk = false;
        const int uses = f.size() == 3 ? f[1].toInt(&usesOk) : 0;
        const qint64 last = f.size() == 3 ? f[2].toLongLong(&timeOk) : 0;
        if (!usesOk || !timeOk || uses <= 0 || !isLearnable(f[0])
            || int(out.m_words.size()) >= kMaxWords) {
            ++bad;
            continue;
        }
        out.m_words.push_back({f[0].toString(), uses, last});
    }
    if (skipped)
        *skipped = bad;
    return out;
}

QString UserWords::toText() const
{
    QString text = kHeader + u'\n';
    for (const UserWord &w : m_words)
        text += w.reading + u'\t' + QString::number(w.uses) + u'\t' + QString::number(w.lastUsed) + u'\n';
    return text;
}

} // namespace pelumo
