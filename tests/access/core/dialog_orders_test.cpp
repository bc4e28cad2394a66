// The options dialog's scan order from its facts.
#include "access/core/DialogOrders.h"
#include "support/ScanTables.h"
#include <QTest>

using namespace pelumo;
using pelumo::test::describe;
using pelumo::test::targetIds;

namespace {

OptionRowFacts stepper(const char *key, const char *caption, bool down = true, bool up = true)
{
    return {key, QString::fromUtf8(caption), false, down, up};
}

OptionRowFacts checkBox(const char *key, const char *caption)
{
    return {key, QString::fromUtf8(caption), true};
}

OptionsDialogFacts onSecondPage(std::vector<OptionRowFacts> rows, const QString &sheet = "操作の方法へ")
{
    OptionsDialogFacts facts;
    facts.secondPage = true;
    facts.rows = std::move(rows);
    facts.sheetCaption = sheet;
    return facts;
}

} // namespace

Q_DECLARE_METATYPE(OptionsDialogFacts)

class DialogOrdersTest : public QObject {
    Q_OBJECT
private slots:
    void firstPage()
    {
        OptionsDialogFacts facts;
        facts.sampleLength = "３";
        const ScanTable table = optionsDialogOrder(facts);
        QStringList top;
        for (const ScanItem &item : table)
            top << item.name;
        QCOMPARE(top.join(' '),
                 QString("１画面目 文字選択画面 声 例文 文字と音 その他の設定 確定 キャンセル"));
        // The option buttons as shown, top to bottom.
        QCOMPARE(targetIds({table[0]}),
                 QStringList({"Option1_2", "Option1_3", "Option1_0", "Option1_1"}));
        QCOMPARE(describe({table[3]}), QString("例文[例文を自動で表示する。 ３文字で例文を表示する。]"));
        QCOMPARE(targetIds(table).mid(10),
                 QStringList({"chkSamp", "cmbSample", "chkMaxC", "chkBeep", "chkMoji", "cmdMore",
                              "cmdOK_1", "cmdOK_0"}));
    }

    void secondPage_data()
    {
        QTest::addColumn<OptionsDialogFacts>("facts");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("a row of each kind")
            << onSecondPage({stepper("ScanTime", "スキャン間隔"), checkBox("ScanTick", "音を鳴らす")})
            << "スキャン間隔[− ＋] 音を鳴らす 操作の方法へ 戻る 確定 キャンセル"
            << QStringList({"ScanTime_minus", "ScanTime_plus", "ScanTick", "cmdSheet", "cmdBack",
                            "cmdOK_1", "cmdOK_0"});
        QTest::newRow("at the bottom: ＋ alone, named by its row")
            << onSecondPage({stepper("VoicePitch", "声の高さ", false, true)})
            << "声の高さ ＋ 操作の方法へ 戻る 確定 キャンセル"
            << QStringList({"VoicePitch_plus", "cmdSheet", "cmdBack", "cmdOK_1", "cmdOK_0"});
        QTest::newRow("at the top: − alone")
            << onSecondPage({stepper("VoiceVolume", "音量", true, false)})
            << "音量 − 操作の方法へ 戻る 確定 キャンセル"
            << QStringList({"VoiceVolume_minus", "cmdSheet", "cmdBack", "cmdOK_1", "cmdOK_0"});
        QTest::newRow("a row that cannot move is left out")
            << onSecondPage({stepper("ScanRounds", "繰り返し", false, false),
                             checkBox("ScanSpeak", "読み上げ")})
            << "読み上げ 操作の方法へ 戻る 確定 キャンセル"
            << QStringList({"ScanSpeak", "cmdSheet", "cmdBack", "cmdOK_1", "cmdOK_0"});
        QTest::newRow("one sheet: no sheet button")
            << onSecondPage({checkBox("FullScreen", "全画面")}, QString())
            << "全画面 戻る 確定 キャンセル"
            << QStringList({"FullScreen", "cmdBack", "cmdOK_1", "cmdOK_0"});
        OptionsDialogFacts withBackup = onSecondPage({checkBox("FullScreen", "全画面")});
        withBackup.backupCaption = "保存と復元";
        QTest::newRow("保存と復元 after the sheet button")
            << withBackup << "全画面 操作の方法へ 保存と復元 戻る 確定 キャンセル"
            << QStringList({"FullScreen", "cmdSheet", "cmdBackup", "cmdBack", "cmdOK_1", "cmdOK_0"});
    }
    void secondPage()
    {
        QFETCH(OptionsDialogFacts, facts);
        const ScanTable table = optionsDialogOrder(facts);
        QTEST(describe(table), "order");
        QTEST(targetIds(table), "ids");
    }
};

QTEST_APPLESS_MAIN(DialogOrdersTest)
#include "dialog_orders_test.moc"
