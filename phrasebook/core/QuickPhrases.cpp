#include "phrasebook/core/QuickPhrases.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/MessageRules.h"

namespace pelumo {
namespace {

static_assert(kMaxQuickPhrases < 10, "the notice writes the limit as one full-width digit");

MessageListWords quickWords()
{
    return {QStringLiteral("よく使う文のファイル %1").arg(kQuickPhrasesFileName),
            QStringLiteral("次によく使う文を変えたとき"),
            QStringLiteral("よく使う文を保存できませんでした。しるしは前のままです。"
                           "ディスクの空きと書き込みの許可を確かめてください。")};
}

} // namespace

QString quickPhrasesFullNotice()
{
    return QStringLiteral("よく使う文は%1つまでです。ほかの文のしるしを外してから付けてください。")
        .arg(QChar(u'０' + kMaxQuickPhrases));
}

// The lines beyond the eight are the carer's own: written back as they were.
QuickPhrases::QuickPhrases() : m_file(quickWords(), kMaxQuickPhrases, LinesBeyond::WrittenBack) {}

MessageListLoad QuickPhrases::load(const QString &path)
{
    MessageListLoad loaded = m_file.load(path);
    m_phrases = loaded.messages;
    return loaded;
}

QuickToggle QuickPhrases::toggle(const QString &phrase)
{
    QuickToggle toggled;
    QStringList phrases = m_phrases;
    if (phrases.removeOne(phrase)) {
        toggled.status = QuickToggle::Unmarked;
    } else if (trimBlanks(phrase).isEmpty() || isPlaceholderRow(phrase)) {
        toggled.status = QuickToggle::NotAPhrase;
        return toggled;
    } else if (isFull()) {
        toggled.status = QuickToggle::Full;
        toggled.notice = quickPhrasesFullNotice();
        return toggled;
    } else {
        phrases << phrase;
        toggled.status = QuickToggle::Marked;
    }
    MessageListSave save = m_file.save(phrases);
    reportListSave(toggled, save, toggled.status);
    if (save.ok())
        m_phrases = std::move(save.messages);
    return toggled;
}

} // namespace pelumo
