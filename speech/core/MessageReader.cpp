#include "speech/core/MessageReader.h"
#include "speech/core/MessageReading.h"
#include <utility>

namespace pelumo {

MessageReader::MessageReader(QString dictionaryDir) : m_dictionaryDir(std::move(dictionaryDir)) {}
MessageReader::~MessageReader() = default;

void MessageReader::prepare()
{
    if (m_tried)
        return;
    m_tried = true;
    m_tagger = MecabTagger::open(m_dictionaryDir, &m_problem);
}

QString MessageReader::read(const QString &message)
{
    prepare();
    return messageReading(message, m_tagger.get());
}

QString MessageReader::takeProblem()
{
    return std::exchange(m_problem, QString());
}

} // namespace pelumo
