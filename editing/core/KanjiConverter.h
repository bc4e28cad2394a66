#pragma once
// Kana to kanji: what the program asks of a conversion engine. The message's
// kana is cut into segments (文節), each with its candidates in the engine's
// order; a choice, once made, is told back so the engine learns it. The
// engine is used from one thread only (ConversionService's).
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>
#include <memory>

namespace pelumo {

Q_DECLARE_LOGGING_CATEGORY(lcConvert)   // pelumo.convert

struct ConvertedSegment {
    QString reading;          // the kana this segment covers
    QStringList candidates;   // the engine's candidates, best first
    bool operator==(const ConvertedSegment &) const = default;
};
using Conversion = QList<ConvertedSegment>;

class KanjiConverter {
public:
    virtual ~KanjiConverter() = default;
    // Opens the engine, its learning kept in learningFolder. False when it
    // cannot be opened (no dictionary); conversions then come back empty.
    virtual bool open(const QString &learningFolder) = 0;
    // The kana cut into segments whose readings, joined, are the kana again.
    // Empty when the engine is not open or cannot convert it.
    virtual Conversion convert(const QString &kana) = 0;
    // The user chose `chosen` for the segment read `reading`.
    virtual void learn(const QString &reading, const QString &chosen) = 0;
};

// The real engine, Anthy; nullptr where the program was built without it.
std::unique_ptr<KanjiConverter> makeAnthyConverter();

} // namespace pelumo
