#include "app/QuestionDialog.h"
#include "support/TestWindow.h"
#include <QApplication>

using namespace pelumo;
using namespace pelumo::test;

class QuestionDialogTest : public QObject {
    Q_OBJECT
private slots:
    void stylesAndAnswers_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("press");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("answer");
        QTest::newRow("notice") << 48 << 0 << QStringList{"ＯＫ"} << true;
        QTest::newRow("yes") << 36 << 0 << QStringList{"ＹＥＳ", "ＮＯ"} << true;
        QTest::newRow("no") << 36 << 1 << QStringList{"ＹＥＳ", "ＮＯ"} << false;
        QTest::newRow("ok-cancel, cancel") << 33 << 1 << QStringList{"ＯＫ", "キャンセル"} << false;
        QTest::newRow("other style") << 0 << 0 << QStringList{"OK", "キャンセル"} << true;
        QTest::newRow("closed by the frame") << 33 << -1 << QStringList{"ＯＫ", "キャンセル"} << false;
        QTest::newRow("notice closed by the frame") << 48 << -1 << QStringList{"ＯＫ"} << false;
    }
    void stylesAndAnswers()
    {
        QFETCH(int, style);
        QFETCH(int, press);
        QFETCH(QStringList, buttons);
        QFETCH(bool, answer);
        TestWindow w;
        w.start();
        w->ButtonHeld = true;
        auto seen = answerNextQuestion(press);
        w->AskQuestion(QStringLiteral("はじめからでよろしいですか？"), style, QStringLiteral("例文登録"));
        QVERIFY(seen->shown);
        QCOMPARE(seen->buttons, buttons);
        QCOMPARE(seen->title, QStringLiteral("例文登録"));
        QCOMPARE(seen->prompt, QStringLiteral("はじめからでよろしいですか？"));
        QCOMPARE(w->state.DialogAnswer, std::optional<bool>(answer));
        QVERIFY(!w->ButtonHeld);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Each question starts from the laid-out dialog: a notice hides the second
    // button and moves the first, the next question has both back in place.
    void everyQuestionStartsFromTheLayout()
    {
        TestWindow w;
        w.start();
        auto notice = answerNextQuestion(0);
        w->AskQuestion(QStringLiteral("同一文が登録されています"), 48, QStringLiteral("例文登録"));
        auto question = answerNextQuestion(1);
        w->AskQuestion(QStringLiteral("上記例文を削除してもいいですか？"), 33, QStringLiteral("例文の削除"));
        QCOMPARE(notice->buttons, QStringList{"ＯＫ"});
        QCOMPARE(question->buttons, (QStringList{"ＯＫ", "キャンセル"}));
    }

    void layoutAtTheWindowScale()
    {
        frmOK atOne(Scale(1.0), nullptr);
        QCOMPARE(atOne.size(), QSize(785, 303));
        QCOMPARE(atOne.cmdOK[1]->geometry(), QRect(448, 152, 323, 145));
        atOne.arrange(48);
        QCOMPARE(atOne.cmdOK[0]->geometry().left(), 233);   // centred: 3500 twips
        frmOK atTwo(Scale(2.0), nullptr);
        QCOMPARE(atTwo.size(), QSize(1570, 606));
    }

    // A long prompt (a file error in a notice) shrinks until it fits its label.
    void longPromptFitsItsLabel()
    {
        frmOK dialog(Scale(1.0), nullptr);
        const QString longText = QString(QStringLiteral("ファイルを書き込めませんでした。")).repeated(6);
        dialog.setPrompt(longText);
        QVERIFY(dialog.lblOK->font().pixelSize() < Scale(1.0).fontPixels(48));
        dialog.setPrompt(QStringLiteral("はい"));
        QCOMPARE(dialog.lblOK->font().pixelSize(), Scale(1.0).fontPixels(48));
    }
};

QTEST_MAIN(QuestionDialogTest)
#include "question_dialog_test.moc"
