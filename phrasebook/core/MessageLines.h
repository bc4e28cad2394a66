#pragma once
// The line form of our own lists of messages (the spoken history, the quick
// phrases): one message a line in double quotes, CR LF, the way Talk.txt
// lines are written, except that a message keeps every character.
//
// A message may hold what a phrase line cannot: line breaks, double quotes,
// blanks at either end. Inside the quotes a double quote starts an escape,
// which the phrase book's reader never meets since it drops every quote:
//   ""  a double quote      "n  a line feed      "r  a carriage return
//   "uXXXX  a lone surrogate (four hex digits), which no encoding can hold
// A message without any of these is written exactly as Talk.txt writes it.
//
// Reading is forgiving as the phrase book's is: a line not of this form (one
// edited by hand without its quotes) is read as a phrase line, and an escape
// that is none drops its quote.
#include "platform/core/TextFile.h"
#include <QString>
#include <QStringList>
#include <optional>

namespace pelumo {

QString messageLine(const QString &message);

// The message a line holds, or nothing for a line that holds none.
std::optional<QString> parseMessageLine(const QString &line);

// The messages of a file's lines in file order, each once (the first time it
// stands), at most limit of them.
struct MessageReading {
    QStringList messages;
    QList<qsizetype> lineOf;      // the line each message stands on
    qsizetype firstBeyond = -1;   // the first line of a message beyond the limit, or -1
    int leftOut = 0;   // lines beyond the limit or repeating one before, for the log
};
MessageReading readMessageLines(const QStringList &lines, int limit);

// The file to write lines over: the file as read, whose encoding it keeps
// and whose unchanged lines keep their bytes. A file with nothing in it yet
// is Shift_JIS when that holds every line, else UTF-8.
TextFileContent messageFileBase(const QStringList &lines, const TextFileContent &asRead);

} // namespace pelumo
