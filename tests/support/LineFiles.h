#pragma once
// Test files for the phrase book and the diary, made here byte by byte.
#include "platform/core/TextFile.h"
#include <QByteArray>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTest>

namespace pelumo::test {

// Each text as a quoted line, UTF-8, CR LF.
inline QByteArray quotedLines(const QStringList &texts)
{
    QByteArray out;
    for (const QString &t : texts)
        out += "\"" + t.toUtf8() + "\"\r\n";
    return out;
}

inline QByteArray shiftJis(const QByteArray &utf8)
{
    QStringEncoder sjis("Shift_JIS");
    return sjis(QString::fromUtf8(utf8));
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Restores file operations at the end of a test that made them fail.
struct FaultsOff {
    ~FaultsOff() { setFileFaultHook({}); }
};

} // namespace pelumo::test
