#include "app/QuestionDialog.h"
#include "phrasebook/core/FileNotices.h"
#include "support/TestWindow.h"
#include <QApplication>
#include <QLabel>

namespace {

// Every notice about the files, with the longest values it can carry.
QStringList fileNotices()
{
    using namespace pelumo;
    QStringList texts;
    for (LineFileKind kind : {LineFileKind::PhraseBook, LineFileKind::Diary}) {
        for (ReadProblem problem : {ReadProblem::Unreadable, ReadProblem::NotAFile,
                                    ReadProblem::TooLarge, ReadProblem::Damaged})
            texts << readProblemNotice(kind, problem, QStringLiteral("Talk-kept-99999.txt"), 32767,
                                       qint64(1) << 40);
        texts << cannotCreateNotice(kind) << writeFailedNotice(kind) << asideFailedNotice(kind)
              << formatChangeQuestion(kind, TextEncoding::ShiftJis)
              << renameAsideFailedNotice(kind, QStringLiteral("Talk-kept-99999.txt"));
    }
    texts << linesLeftOutNotice(32767, QStringLiteral("Talk-kept-99999.txt")) << tooManyPhrasesNotice()
          << phraseTooLongNotice();
    // Texts of other parts, and the kind that was once cut off: words that
    // cannot break inside, and a line break of the text's own.
    texts << QStringLiteral("日記を登録できません（Short write）。書いた文はそのまま残っています。")
          << QStringLiteral("設定を保存できませんでした。\n次に起動したときは前の設定に戻ります。");
    return texts;
}

// The lowest row of the label where its text leaves ink, drawn in a label
// as tall as the text may need: it must lie inside the label's real height.
int inkBottom(QLabel *label)
{
    const QSize size = label->size();
    label->resize(size.width(), size.height() * 10);
    const QImage image = label->grab().toImage();
    label->resize(size);
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return y;
    return -1;
}

} // namespace

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
        auto seen = answerNextQuestion(press);
        const bool answered = w->AskQuestion(QStringLiteral("はじめからでよろしいですか？"), style,
                                             QStringLiteral("例文登録"));
        QVERIFY(seen->shown);
        QCOMPARE(seen->buttons, buttons);
        QCOMPARE(seen->title, QStringLiteral("例文登録"));
        QCOMPARE(seen->prompt, QStringLiteral("はじめからでよろしいですか？"));
        QCOMPARE(answered, answer);
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

    // Every notice shows whole, at the window's scales from small to large:
    // drawn as tall as it needs, its text ends inside the label.
    void everyFileNoticeFitsItsLabel_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("text");
        const QStringList texts = fileNotices();
        for (double scale : {0.75, 1.0, 1.875})
            for (int i = 0; i < texts.size(); ++i)
                QTest::addRow("%.3g, %d", scale, i) << scale << texts.at(i);
    }
    void everyFileNoticeFitsItsLabel()
    {
        QFETCH(double, scale);
        QFETCH(QString, text);
        installFontSubstitutions();
        frmOK dialog{Scale(scale), nullptr};
        dialog.arrange(48);
        dialog.setPrompt(text);
        const int bottom = inkBottom(dialog.lblOK);
        QVERIFY2(bottom >= 0, "nothing drawn");
        QVERIFY2(bottom < dialog.lblOK->height(),
                 qPrintable(QStringLiteral("ink to %1 of %2 at %3 points").arg(bottom)
                                .arg(dialog.lblOK->height()).arg(dialog.lblOK->font().pointSizeF())));
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
