#include "backup/core/OlderFiles.h"
#include "phrasebook/core/DiaryFile.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/core/RegularFile.h"
#include "platform/core/TextFile.h"
#include <QDir>
#include <QHash>
#include <QSet>

namespace pelumo {

namespace {

const QString kTalk = QStringLiteral("Talk.txt");

TextFileContent contentOf(const QList<NamedBytes> &files, const QString &name)
{
    for (const NamedBytes &file : files)
        if (file.name == name)
            return decodeTextLines(file.bytes);
    TextFileContent none;
    none.encoding = TextEncoding::ShiftJis;   // what an older installation reads
    return none;
}

QStringList phrasesToAdd(const QStringList &ours, const QStringList &theirs)
{
    QSet<QString> held;
    for (const QString &phrase : parsePhraseLines(ours).phrases)
        held.insert(phrase);
    int room = kMaxPhrases - int(held.size());
    QStringList lines;
    for (const QString &phrase : parsePhraseLines(theirs).phrases) {
        if (isPlaceholderRow(phrase) || held.contains(phrase) || room <= 0)
            continue;
        held.insert(phrase);
        lines.append(u'"' + phrase + u'"');
        --room;
    }
    return lines;
}

QStringList daysToAdd(const QStringList &ours, const QStringList &theirs, QStringList &kept)
{
    QHash<QString, QString> held;
    DiaryEntry entry;
    for (const QString &line : ours)
        if (parseDiaryLine(line, entry))
            held.insert(entry.date, entry.text);
    QStringList lines;
    for (const QString &line : theirs) {
        if (!parseDiaryLine(line, entry))
            continue;
        if (const auto ourText = held.constFind(entry.date); ourText != held.cend()) {
            if (*ourText != entry.text && !kept.contains(entry.date))
                kept.append(entry.date);
            continue;
        }
        held.insert(entry.date, entry.text);
        lines.append(diaryLine(entry.date, entry.text));
    }
    return lines;
}

} // namespace

bool holdsOlderFiles(const QString &folder)
{
    const QDir dir(folder);
    return !QFileInfo::exists(dir.filePath(kManifestName))
        && (QFileInfo(dir.filePath(kTalk)).isFile() || QFileInfo(dir.filePath(kDiaryFileName)).isFile());
}

QList<NamedBytes> readOlderFiles(const QString &folder)
{
    QList<NamedBytes> files;
    for (const QString &name : {kTalk, kDiaryFileName}) {
        const FileBytes file = readRegularFile(QDir(folder).filePath(name), kMaxLineFileBytes);
        if (file.status == FileBytes::Ok)
            files.append({name, file.bytes});
    }
    return files;
}

OlderMerge mergeOlderFiles(const QList<NamedBytes> &ours, const QList<NamedBytes> &theirs)
{
    OlderMerge merge;
    merge.before = countsOf(ours);
    const TextFileContent talk = contentOf(ours, kTalk), day = contentOf(ours, kDiaryFileName);
    const QStringList addedPhrases = phrasesToAdd(talk.lines, contentOf(theirs, kTalk).lines);
    const QStringList addedDays =
        daysToAdd(day.lines, contentOf(theirs, kDiaryFileName).lines, merge.keptDays);
    const EncodedLines newTalk = encodeTextLines(talk.lines + addedPhrases, talk);
    const EncodedLines newDay = encodeTextLines(day.lines + addedDays, day);
    if (newTalk.status != EncodedLines::Ok || newDay.status != EncodedLines::Ok) {
        merge.status = OlderMerge::NeedsOtherEncoding;
        return merge;
    }
    merge.files = {{kTalk, newTalk.content.bytes}, {kDiaryFileName, newDay.content.bytes}};
    merge.after = countsOf(merge.files);
    return merge;
}

} // namespace pelumo
