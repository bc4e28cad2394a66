#pragma once
// Reads messages with the dictionary, opening it on first need: making the
// tagger takes a few milliseconds and maps a ~50 MB dictionary, which has no
// place before the window's first paint.
#include "speech/core/MecabTagger.h"
#include <QString>
#include <memory>

namespace pelumo {

class MessageReader {
public:
    explicit MessageReader(QString dictionaryDir = QString::fromLatin1(kIpadicUtf8Dir));
    ~MessageReader();

    // Opens the dictionary now, if that has not been tried yet.
    void prepare();
    // The reading of a message (see messageReading); without a dictionary,
    // its kana as written.
    QString read(const QString &message);

    bool hasDictionary() const { return m_tagger != nullptr; }
    // Why the dictionary could not be opened; given once, then empty, so a
    // caller that logs it logs it once.
    QString takeProblem();

private:
    QString m_dictionaryDir;
    std::unique_ptr<MecabTagger> m_tagger;
    bool m_tried = false;
    QString m_problem;
};

} // namespace pelumo
