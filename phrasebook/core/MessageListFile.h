#pragma once
// One of our own lists of messages on disk (the spoken history, the quick
// phrases), in the line form of MessageLines.h: reading it, saying what is
// wrong with it, keeping a file that was not read aside before the next
// write (never over it), and writing it whole through a new file renamed
// over the old one. Nothing here shows a dialog: the notices come back in
// the results, the system's words apart for the log.
//
// A write changes only the lines of the messages that changed
// (MessageListLines.h); every other line keeps its bytes, and the file its
// encoding. A file with nothing in it yet is Shift_JIS when every line fits,
// else UTF-8. When a Shift_JIS file cannot hold a new line, a copy of it
// byte for byte is kept aside (`<name>-kept-N.txt`) before it is written as
// UTF-8, and the user is told.
#include "phrasebook/core/LineFileSave.h"
#include "platform/core/TextFile.h"
#include <QString>
#include <QStringList>

namespace pelumo {

// How the user knows the file, in the notices.
struct MessageListWords {
    QString file;          // 「話した文の履歴 history.txt」
    QString nextWrite;     // when it is next written: 「次に読み上げたとき」
    QString writeFailed;   // what a failed write means for the user
};

// What becomes of the messages beyond the limit, which the list does not
// show, when the file is written.
enum class LinesBeyond {
    WrittenBack,   // written back as they were, after the ones shown
    KeptAside,     // told at reading; the file is copied aside once, then written without them
};

struct MessageListLoad {
    QStringList messages;   // in file order, each once, at most the limit
    QString notice;         // what is wrong with the file, to show once; empty when nothing is
    QString errorDetail;    // the system's words, for the log
    int leftOut = 0;        // lines beyond the limit or repeated, for the log
};

struct MessageListSave : SaveReport {
    enum Status { Written, AsideFailed, WriteFailed };
    Status status = WriteFailed;
    QStringList messages;   // when Written: the list as the file now reads, at most the limit
    bool ok() const { return status == Written; }
};

// A save's outcome in the terms of a list's result, whose Status names the
// same failures.
template <typename Result>
void reportListSave(Result &result, const MessageListSave &save, typename Result::Status success)
{
    static_cast<SaveReport &>(result) = save;
    result.status = save.status == MessageListSave::Written           ? success
                  : save.status == MessageListSave::AsideFailed ? Result::AsideFailed
                                                                : Result::WriteFailed;
}

class MessageListFile {
public:
    MessageListFile(MessageListWords words, int limit, LinesBeyond beyond)
        : m_words(std::move(words)), m_limit(limit), m_beyond(beyond) {}

    // Reads the file at path; everything known of an earlier file is forgotten.
    MessageListLoad load(const QString &path);
    // Writes the file so that it reads as the messages, in their order;
    // nothing before a load.
    MessageListSave save(const QStringList &messages);

private:
    QString problemNotice(ReadProblem problem, const TextFileContent &content) const;
    QString beyondNotice() const;
    bool keepCopy(MessageListSave &save);
    bool write(const QStringList &lines, MessageListSave &save);

    MessageListWords m_words;
    int m_limit;
    LinesBeyond m_beyond;
    QString m_path;
    TextFileContent m_file;   // as last read or written: each line's bytes
    QString m_aside;          // the name the unread file goes to before the next write
    QString m_copy;           // a copy of the file as it stands, kept by a save that then failed
};

} // namespace pelumo
