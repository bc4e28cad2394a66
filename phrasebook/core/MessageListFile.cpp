#include "phrasebook/core/MessageListFile.h"
#include "phrasebook/core/MessageLines.h"
#include "phrasebook/core/MessageListLines.h"

namespace pelumo {

MessageListLoad MessageListFile::load(const QString &path)
{
    m_path = path;
    m_file = TextFileContent();
    m_aside.clear();
    m_copy.clear();
    MessageListLoad result;
    TextFileContent content = readTextLines(path);
    result.errorDetail = content.errorString;
    const std::optional<ReadProblem> problem = readProblem(content);
    // A file that was not read keeps its name aside, chosen now so that the
    // notice and the save agree on it.
    if (problem && content.status != TextFileContent::Ok)
        m_aside = freeAsideName(path);
    if (problem)
        result.notice = problemNotice(*problem, content);
    if (content.status == TextFileContent::Ok) {
        MessageReading reading = readMessageLines(content.lines, m_limit);
        result.messages = std::move(reading.messages);
        result.leftOut = reading.leftOut;
        if (reading.firstBeyond >= 0 && m_beyond == LinesBeyond::KeptAside)
            result.notice += beyondNotice();
        m_file = std::move(content);
    }
    return result;
}

MessageListSave MessageListFile::save(const QStringList &messages)
{
    MessageListSave save;
    save.notice = m_words.writeFailed;
    if (m_path.isEmpty()) {
        save.errorDetail = QStringLiteral("the list was saved before its file was read");
        return save;
    }
    if (!m_aside.isEmpty()) {
        const AsideMove moved = moveAside(m_path, m_aside);
        if (!moved.ok()) {
            m_aside = moved.name;
            save.status = MessageListSave::AsideFailed;
            save.notice = QStringLiteral("元の%1を %2 として残せないので、保存しませんでした。")
                              .arg(m_words.file, m_aside);
            save.errorDetail = moved.errorString;
            return save;
        }
        save.keptAs = moved.name;
        m_aside.clear();
    }
    QStringList lines = linesForMessages(m_file.lines, messages, m_limit);
    MessageReading reading = readMessageLines(lines, m_limit);
    const bool shortened = m_beyond == LinesBeyond::KeptAside && reading.firstBeyond >= 0;
    if (shortened)
        lines.resize(reading.firstBeyond);
    if (reading.messages.mid(0, messages.size()) != messages) {
        save.errorDetail = QStringLiteral("the lines of the list do not read back as the list");
        return save;
    }
    if ((shortened && !keepCopy(save)) || !write(lines, save))
        return save;
    save.status = MessageListSave::Written;
    save.messages = std::move(reading.messages);
    return save;
}

// A copy of the file as it stands, byte for byte, once: a save that failed
// after making it leaves the file as copied.
bool MessageListFile::keepCopy(MessageListSave &save)
{
    if (m_copy.isEmpty()) {
        const AsideCopy copy = copyAside(m_path);
        if (!copy.ok()) {
            save.status = MessageListSave::AsideFailed;
            save.notice = QStringLiteral("元の%1を別名で残せないので、保存しませんでした。").arg(m_words.file);
            save.errorDetail = copy.errorString;
            return false;
        }
        m_copy = copy.name;
    }
    save.keptAs = m_copy;
    return true;
}

// The lines in the file's encoding, or as UTF-8 once the file is copied
// aside when its encoding cannot hold them; told then.
bool MessageListFile::write(const QStringList &lines, MessageListSave &save)
{
    TextWriteResult written = writeTextLines(m_path, lines, messageFileBase(lines, m_file));
    const bool toUtf8 = written.status == TextWriteResult::NeedsOtherEncoding;
    if (toUtf8) {
        if (!keepCopy(save))
            return false;
        written = writeTextLines(m_path, lines, TextEncoding::Utf8);
    }
    if (written.status != TextWriteResult::Written) {
        save.errorDetail = written.status == TextWriteResult::NeedsOtherEncoding
            ? QStringLiteral("the lines do not read back as written") : written.errorString;
        return false;
    }
    m_file = std::move(written.written);
    m_copy.clear();
    save.notice = toUtf8 ? QStringLiteral("%1 は今の形式では書けない文字があるので、UTF-8 形式に変えて保存しました。"
                                          "元のファイルは %2 として残しました。").arg(m_words.file, save.keptAs)
                         : QString();
    return true;
}

QString MessageListFile::beyondNotice() const
{
    return QStringLiteral("%1 には %2 件より多くの文があるので、はじめの %2 件だけを使います。"
                          "元のファイルは%3に %4 として残します。")
        .arg(m_words.file).arg(m_limit).arg(m_words.nextWrite, freeAsideName(m_path));
}

QString MessageListFile::problemNotice(ReadProblem problem, const TextFileContent &content) const
{
    const QString kept = QStringLiteral("元のファイルは%1に %2 として残します。").arg(m_words.nextWrite, m_aside);
    switch (problem) {
    case ReadProblem::Unreadable:
        return QStringLiteral("%1 を読めませんでした。").arg(m_words.file) + kept;
    case ReadProblem::NotAFile:
        return QStringLiteral("%1 は普通のファイルではないので、読みませんでした。").arg(m_words.file) + kept;
    case ReadProblem::TooLarge:
        return QStringLiteral("%1 は大きすぎて（%2 MB）読みませんでした。")
                   .arg(m_words.file).arg((content.size + (1 << 20) - 1) >> 20) + kept;
    case ReadProblem::Damaged:
        return QStringLiteral("%1 の %2 行は文字が壊れていて、正しく表示できません。")
            .arg(m_words.file).arg(content.damagedLines);
    }
    return QString();
}

} // namespace pelumo
