#include "phrasebook/core/SpokenHistory.h"
#include "platform/core/MessageRules.h"

namespace pelumo {
namespace {

MessageListWords historyWords()
{
    return {QStringLiteral("話した文の履歴 %1").arg(kHistoryFileName), QStringLiteral("次に読み上げたとき"),
            QStringLiteral("話した文を履歴のファイルに保存できませんでした。履歴は終了するまで表示されます。"
                           "ディスクの空きと書き込みの許可を確かめてください。")};
}

} // namespace

SpokenHistory::SpokenHistory() : m_file(historyWords(), kMaxHistory, LinesBeyond::KeptAside) {}

MessageListLoad SpokenHistory::load(const QString &path)
{
    MessageListLoad loaded = m_file.load(path);
    m_entries = loaded.messages;
    m_failureTold = false;
    return loaded;
}

HistoryAdd SpokenHistory::add(const QString &message)
{
    HistoryAdd added;
    if (trimBlanks(message).isEmpty()) {
        added.status = HistoryAdd::NothingToAdd;
        return added;
    }
    m_entries.removeOne(message);
    m_entries.prepend(message);
    if (m_entries.size() > kMaxHistory)
        m_entries.resize(kMaxHistory);
    const MessageListSave save = m_file.save(m_entries);
    reportListSave(added, save, HistoryAdd::Saved);
    added.tell = save.ok() ? !added.notice.isEmpty() : !m_failureTold;
    m_failureTold = !save.ok();
    return added;
}

} // namespace pelumo
