#pragma once
// Numbers with a counter after them change their sound: 3本 さんぼん,
// 1分 いっぷん, 4時 よじ, 2人 ふたり, 8日 ようか.
#include <QString>
#include <QStringView>

namespace pelumo {

// The length of the counter that begins at text[pos], 0 when none of the
// counters with such changes stands there. The longest one wins (時間 over 時).
qsizetype counterLengthAt(QStringView text, qsizetype pos);

// The reading of a whole number followed by such a counter. afterMonth: the
// number follows 月, so 1日 is ついたち rather than いちにち.
QString countedReading(QStringView digits, QStringView counter, bool afterMonth);

} // namespace pelumo
