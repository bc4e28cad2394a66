#pragma once
// What the user is told about the phrase book and the diary files, in the
// program's own words. The system's own message (errorString) never reaches
// the user: it goes to the pelumo.files log.
#include "platform/core/TextFile.h"
#include <QString>
#include <optional>

namespace pelumo {

enum class LineFileKind { PhraseBook, Diary };

// Why a file that exists was not read, or was read with damaged lines.
enum class ReadProblem { Unreadable, NotAFile, TooLarge, Damaged };

// The problem a reading shows, if any.
std::optional<ReadProblem> readProblem(const TextFileContent &content);

// The notice for a problem. aside is the name the file will be kept under
// before the next write; count the damaged lines; size the file's bytes.
QString readProblemNotice(LineFileKind kind, ReadProblem problem, const QString &aside,
                          int count = 0, qint64 size = 0);

// Phrase-book lines beyond the limits of older installations, left out of
// the list; and a save refused for the same limits (nothing written).
QString linesLeftOutNotice(int count, const QString &aside);
QString tooManyPhrasesNotice();
QString phraseTooLongNotice();

// The file that was not read could not be moved to its name aside: nothing
// written.
QString renameAsideFailedNotice(LineFileKind kind, const QString &aside);

// A missing file that could not be made.
QString cannotCreateNotice(LineFileKind kind);

// A write that failed: nothing changed on disk.
QString writeFailedNotice(LineFileKind kind);

// The question before the file changes format, and the notice when the copy
// of the old file could not be made (nothing written then).
QString formatChangeQuestion(LineFileKind kind, TextEncoding from);
QString asideFailedNotice(LineFileKind kind);

} // namespace pelumo
