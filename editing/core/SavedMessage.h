#pragma once
// The message in progress as it is kept on disk, so that a crash, a kill or a
// power cut never costs the user a message that took minutes to write.
//
// The file is ours: UTF-8 JSON with a version, for example
//   {"version":1,"text":"こんにちは_","anchor":5,"position":6,"wide":false}
// anchor and position are the highlight's two ends in UTF-16 code units, as
// the text box counts them (position is where the caret is). A file that is
// damaged, too large, or of another version is not restored.
#include <QByteArray>
#include <QString>
#include <optional>

namespace pelumo {

struct SavedMessage {
    QString text;
    int anchor = 0;
    int position = 0;
    bool wide = false;   // the wide text layout was shown
    bool operator==(const SavedMessage &) const = default;
};

QByteArray savedMessageBytes(const SavedMessage &message);
// Empty when the bytes are not a message of this version. The highlight is
// kept inside the text and never between the halves of a surrogate pair.
std::optional<SavedMessage> parseSavedMessage(const QByteArray &bytes);

struct SavedMessageRead {
    enum Status { Ok, Missing, Damaged, Unreadable };
    Status status = Missing;
    SavedMessage message;
    QString errorString;   // for the log
    bool empty = false;    // the file was there but held nothing
};
// When the file is missing or empty, its safe copy (see syncSavedMessage).
SavedMessageRead readSavedMessage(const QString &path);

// Written whole or not at all (a new file swapped with the old one), into
// the page cache: from its return on, a kill or a crash cannot take the
// message. The folder is made when missing. Empty on success, otherwise why
// it failed.
QString writeSavedMessage(const QString &path, const SavedMessage &message);
// Puts the file and its folder's entry on the disk, against a power cut,
// and keeps it under a second name (message.json.safe) until the next sync,
// whatever is written meanwhile. Empty on success or when there is no file.
QString syncSavedMessage(const QString &path);

// Removes the kept message and its safe copy. Empty on success or when there was none.
QString removeSavedMessage(const QString &path);

} // namespace pelumo
