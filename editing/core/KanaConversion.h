#pragma once
// 変換, one segment at a time: which kana is converted, what the list shows,
// and what a decided row does to the message. The segments Anthy cut stay
// with the message they were cut from: the next 変換 goes on with them only
// while the message is exactly as the last decision left it.
#include "editing/core/KanjiConverter.h"
#include "editing/core/Message.h"
#include <optional>

namespace pelumo {

// Hiragana and the long-vowel mark ー: what the engine reads.
bool isConvertibleKana(QChar c);

// Where the run of convertible kana that ends at `end` begins; `end` itself
// when the character before it is not kana.
int kanaRunStart(const QString &message, int end);

// A conversion under way.
struct ConversionSession {
    QString message;    // the message as the last step left it
    int at = 0;         // where the next segment's reading begins in it
    Conversion rest;    // the segments not decided yet, the next one first
};

// True when 変換 on `message` with the highlight (or caret) at `end` goes on
// with the session's next segment rather than converting afresh.
bool continuesSession(const ConversionSession &session, const QString &message, int end);

// The list of a segment: row 0 its kana as typed, then the candidates.
QStringList conversionRows(const ConvertedSegment &segment);

// The message with the reading at `at` replaced by `chosen`; the caret, at
// `end` before (the highlight 変換 was pressed with, after the whole run),
// stays after the run, so the highlight keeps its place and the next 変換
// finds the rest before it. Empty when the result would pass the message
// limit, or when the reading is no longer at `at`.
std::optional<Insertion> decideSegment(const QString &message, int at, const QString &reading,
                                       const QString &chosen, int end);

} // namespace pelumo
