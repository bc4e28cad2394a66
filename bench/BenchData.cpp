#include "BenchData.h"
#include <QDate>
#include <QDir>
#include <QSaveFile>
#include <random>

namespace bench {
namespace {
const QString kKana = QStringLiteral(
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    "がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽゃゅょっー、。");

bool writeLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += '"' + line.toUtf8() + "\"\r\n";
    return file.write(bytes) == bytes.size() && file.commit();
}
}

QStringList makePhrases(int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> length(5, 40), kana(0, int(kKana.size()) - 1);
    QStringList phrases;
    phrases.reserve(count);
    while (phrases.size() < count) {
        QString p;
        const int n = length(rng);
        for (int i = 0; i < n; ++i)
            p += kKana.at(kana(rng));
        phrases << p;
    }
    return phrases;
}

bool writePhraseBook(const QString &folder, const QStringList &phrases)
{
    QStringList lines{QStringLiteral("ああああ日記ダミー消さないでね！")};
    lines += phrases;
    return QDir().mkpath(folder) && writeLines(folder + "/Talk.txt", lines);
}

bool writeDiary(const QString &folder, int days)
{
    const QStringList texts = makePhrases(days, 7);
    QStringList lines;
    const QDate today = QDate::currentDate();
    for (int i = 0; i < days; ++i)
        lines << today.addDays(-i - 1).toString("yy.MM.dd") + ' ' + texts[i] + '_';
    return QDir().mkpath(folder) && writeLines(folder + "/day.txt", lines);
}

} // namespace bench
