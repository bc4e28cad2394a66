// Which texts the voice keeps waiting, and how voice settings reach espeak-ng.
#include "speech/core/SpeechQueue.h"
#include "speech/core/VoiceParameters.h"
#include <QTest>

using namespace pelumo;

namespace {
// A script of texts: "k" a key echo, "m" a message, each followed by its
// letter, e.g. "kあ" or "mこんにちは"; separated by spaces.
QList<SpeechItem> itemsOf(const QString &script)
{
    QList<SpeechItem> items;
    quint64 id = 0;
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        const SpeechKind kind = word.startsWith(u'k') ? SpeechKind::Key : SpeechKind::Message;
        items << SpeechItem{++id, word.mid(1), word.mid(1), kind};
    }
    return items;
}
QString waiting(const SpeechQueue &q)
{
    QStringList out;
    for (const SpeechItem &i : q.items())
        out << QString(i.kind == SpeechKind::Key ? "k" : "m") + i.reading;
    return out.join(u' ');
}
} // namespace

Q_DECLARE_METATYPE(std::optional<pelumo::SpeechKind>)

class VoiceRulesTest : public QObject {
    Q_OBJECT
private slots:
    void newTextsReplaceWaitingKeys_data()
    {
        QTest::addColumn<std::optional<SpeechKind>>("saying");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("waits");
        QTest::addColumn<bool>("cutsLast");   // whether the last text cuts off the one being said
        const std::optional<SpeechKind> idle, key = SpeechKind::Key, message = SpeechKind::Message;
        QTest::newRow("idle, one key") << idle << "kか" << "kか" << false;
        QTest::newRow("keys replace keys") << idle << "kか kき kく" << "kく" << false;
        QTest::newRow("a key cuts a key") << key << "kか" << "kか" << true;
        QTest::newRow("a key waits for a message") << message << "kか" << "kか" << false;
        QTest::newRow("a message cuts a key") << key << "mこんにちは" << "mこんにちは" << true;
        QTest::newRow("messages queue whole") << message << "mあ mい" << "mあ mい" << false;
        QTest::newRow("a key waits behind messages") << message << "mあ kか mい kき" << "mあ mい kき" << false;
        QTest::newRow("a message drops waiting keys") << idle << "kか kき mあ" << "mあ" << false;
    }
    void newTextsReplaceWaitingKeys()
    {
        QFETCH(std::optional<SpeechKind>, saying);
        QFETCH(QString, added);
        QFETCH(QString, waits);
        QFETCH(bool, cutsLast);
        SpeechQueue q;
        bool cut = false;
        for (const SpeechItem &item : itemsOf(added))
            cut = q.add(item, saying);
        QCOMPARE(waiting(q), waits);
        QCOMPARE(cut, cutsLast);
    }

    void takenInOrderWithWrittenText()
    {
        SpeechQueue q;
        q.add({1, "今日_", "キョー ", SpeechKind::Message}, std::nullopt);
        q.add({2, "か", "か", SpeechKind::Key}, std::nullopt);
        const auto first = q.takeNext();
        QVERIFY(first);
        QCOMPARE(first->id, quint64(1));
        QCOMPARE(first->text, QString("今日_"));
        QCOMPARE(first->reading, QString("キョー "));
        QCOMPARE(q.takeNext()->id, quint64(2));
        QVERIFY(!q.takeNext());
        q.add({3, "あ", "あ", SpeechKind::Message}, std::nullopt);
        q.clear();
        QVERIFY(!q.takeNext());
    }

    void voiceParameters_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("espeakPitch");
        QTest::addColumn<int>("espeakVolume");
        QTest::newRow("defaults are the voice's own") << 100 << 50 << 100 << 175 << 50 << 100;
        QTest::newRow("faster") << 150 << 50 << 100 << 263 << 50 << 100;
        QTest::newRow("slower") << 60 << 50 << 100 << 105 << 50 << 100;
        QTest::newRow("too slow stops at 80") << 10 << 50 << 100 << 80 << 50 << 100;
        QTest::newRow("too fast stops at 450") << 400 << 50 << 100 << 450 << 50 << 100;
        QTest::newRow("negative speed") << -5 << 50 << 100 << 80 << 50 << 100;
        QTest::newRow("high and loud") << 100 << 80 << 150 << 175 << 80 << 150;
        QTest::newRow("pitch out of range") << 100 << 130 << 100 << 175 << 100 << 100;
        QTest::newRow("pitch below 0") << 100 << -1 << 100 << 175 << 0 << 100;
        QTest::newRow("silent") << 100 << 50 << 0 << 175 << 50 << 0;
        QTest::newRow("too loud stops at 200") << 100 << 50 << 500 << 175 << 50 << 200;
    }
    void voiceParameters()
    {
        QFETCH(int, speed);
        QFETCH(int, pitch);
        QFETCH(int, volume);
        const EspeakParameters normal{175, 50, 100};
        const EspeakParameters p = espeakParameters({speed, pitch, volume}, normal);
        QTEST(p.rate, "rate");
        QTEST(p.pitch, "espeakPitch");
        QTEST(p.volume, "espeakVolume");
    }
};

QTEST_GUILESS_MAIN(VoiceRulesTest)
#include "voice_rules_test.moc"
