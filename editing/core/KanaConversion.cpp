#include "editing/core/KanaConversion.h"

namespace pelumo {

bool isConvertibleKana(QChar c)
{
    return (c >= u'\u3041' && c <= u'\u3096') || c == u'ー';
}

int kanaRunStart(const QString &message, int end)
{
    int start = qBound(0, end, int(message.size()));
    while (start > 0 && isConvertibleKana(message.at(start - 1)))
        --start;
    return start;
}

bool continuesSession(const ConversionSession &session, const QString &message, int end)
{
    if (session.rest.isEmpty() || message != session.message)
        return false;
    QString rest;
    for (const ConvertedSegment &segment : session.rest)
        rest += segment.reading;
    return end - session.at == rest.size() && message.mid(session.at, rest.size()) == rest;
}

QStringList conversionRows(const ConvertedSegment &segment)
{
    return QStringList{segment.reading} + segment.candidates;
}

std::optional<Insertion> decideSegment(const QString &message, int at, const QString &reading,
                                       const QString &chosen, int end)
{
    if (at < 0 || message.mid(at, reading.size()) != reading)
        return std::nullopt;
    const QString text = message.left(at) + chosen + message.mid(at + reading.size());
    if (text.size() > kMaxMessageLength)
        return std::nullopt;
    const int runEnd = qMax(end, at + int(reading.size()));
    return Insertion{text, runEnd + int(chosen.size() - reading.size())};
}

} // namespace pelumo
