// Prediction on the real window: the word buttons, a word touched, and the
// words learnt from the messages read aloud.
#include "support/TestWindow.h"
#include "app/OptionsDialog.h"
#include "app/QuestionDialog.h"
#include "platform/AppPaths.h"
#include "prediction/PredictionFiles.h"
#include "prediction/core/KanaText.h"
#include <QFileInfo>

using namespace pelumo;
using namespace pelumo::test;

namespace {

// お and は on the hiragana board, each by way of its selection screen.
void typeOha(frmTalk &w)
{
    for (const auto &[row, col] : {std::pair{4, 9}, std::pair{0, 4}}) {
        TestWindow::press(w.grdBoard, row, col);
        TestWindow::press(w.grdBoard2, 1, 1);
    }
}

QStringList shownWords(frmTalk &w)
{
    QStringList out;
    for (CommandButton *b : w.cmdWord)
        if (b->isVisible())
            out << b->caption();
    return out;
}

// The user's own words, as a file from an earlier run, so that nothing
// hangs on the lexicon that is read in the background.
void putLearnt(TestWindow &t, const QStringList &words)
{
    QDir().mkpath(userDataFolder());
    UserWords learnt;
    learnt.learn(words, QDateTime::currentSecsSinceEpoch());
    QString error;
    if (!writeLearntWords(learntWordsPath(), learnt, &error))
        qFatal("cannot write the learnt words");
    Q_UNUSED(t);
}

// A switch press and release (Enter selects, Space steps), then what it selected.
void hit(frmTalk &w, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(&w, key);
        QCoreApplication::processEvents();
    }
}

QString highlighted(frmTalk &w)
{
    const ScanItem *item = w.scanning->scanner().highlighted();
    return item ? item->name : QString();
}

// The cells of the hiragana board that are not white.
QStringList tinted(frmTalk &w)
{
    QStringList out;
    for (int row = 0; row < w.grdBoard->rows(); ++row)
        for (int col = 0; col < w.grdBoard->cols(); ++col)
            if (w.grdBoard->cellBackColor(row, col) != colors::White)
                out << w.grdBoard->textMatrix(row, col);
    return out;
}

} // namespace

class WordPredictTest : public QObject {
    Q_OBJECT
private slots:
    // Faults: buttons shown with the setting off or without the panel; the
    // user's word not first; the quick phrases left under the words.
    void wordButtons_data()
    {
        QTest::addColumn<QString>("wordPredict");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("shown");
        QTest::newRow("off: as before") << "0" << QSize(1920, 1080) << false;
        QTest::newRow("on, with the panel") << "1" << QSize(1920, 1080) << true;
        QTest::newRow("on, no room for the panel") << "1" << QSize(1018, 741) << false;
    }
    void wordButtons()
    {
        QFETCH(QString, wordPredict);
        QFETCH(QSize, size);
        QFETCH(bool, shown);
        TestWindow t({{"WordPredict", wordPredict}});
        t.putPhrases({});
        putLearnt(t, {"おはよう", "おはよう"});
        frmTalk &w = t.start();
        w.resize(size);
        QCoreApplication::processEvents();
        typeOha(w);
        QCOMPARE(w.message->text(), QStringLiteral("おは_"));
        const QStringList words = shownWords(w);
        QCOMPARE(!words.isEmpty(), shown);
        if (shown) {
            QCOMPARE(words.front(), QStringLiteral("おはよう"));
            QVERIFY(!w.panel->cmdQuick[0]->isVisible());
            // Beside the board and the message, never over them.
            const QRect button(w.cmdWord[0]->mapTo(&w, QPoint()), w.cmdWord[0]->size());
            QVERIFY(button.left() > w.grdBoard->geometry().right());
            QVERIFY(!button.intersects(w.fraText->geometry()));
        }
    }

    // The user's writing, read in the background: a phrase of the book
    // offers its words and phrases after their first kana, by touch and
    // under scanning alike (a user's own word is always worth a step).
    // Faults: the book not read, or not handed to the predictor; the words
    // learnt without the particles after them; the user's words hidden
    // under scanning.
    void writingOffered_data()
    {
        QTest::addColumn<QString>("inputMode");
        QTest::newRow("touch") << "0";
        QTest::newRow("two switches") << "2";
    }
    void writingOffered()
    {
        QFETCH(QString, inputMode);
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}, {"InputMode", inputMode}});
        t.putPhrases({QStringLiteral("きょうはおむすびがたべたい")});
        frmTalk &w = t.start();
        QTRY_VERIFY_WITH_TIMEOUT(!w.wordPredictor().predict(u"おむす", 0).words.isEmpty(), 20000);
        if (inputMode == "0") {
            TestWindow::press(w.grdBoard, 4, 9);
            TestWindow::press(w.grdBoard2, 1, 1);
        } else {   // into あ行, on to お, its selection screen, お
            hit(w, Qt::Key_Return);
            hit(w, Qt::Key_Space, 4);
            hit(w, Qt::Key_Return, 2);
        }
        QCOMPARE(w.message->text(), QStringLiteral("お_"));
        const QStringList words = shownWords(w);
        QCOMPARE(words.mid(0, 2), (QStringList{"おむすび", "おむすびが"}));
    }

    // A touch on a word, then on a word offered after it. Faults: the typed
    // kana kept beside the word; the end marker lost or the highlight
    // elsewhere; more than one step for 元に戻す; a tail of the chosen word
    // completed in place of the words after it; a next word put in place
    // of kana, or not at the caret, or without the space that sets it apart
    // from the word before.
    void touchReplacesTheKana()
    {
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}});
        t.putPhrases({});
        putLearnt(t, {"おはよう"});
        frmTalk &w = t.start();
        const TypedText afterOhayou{{}, QStringLiteral("おはよう")};
        // Built without libkkc-data there are no next words to wait for.
        const bool nextWords = !lexiconPath().isEmpty() && QFileInfo::exists(nextWordsPath(lexiconPath()));
        if (nextWords)
            QTRY_VERIFY_WITH_TIMEOUT(!w.wordPredictor().predict(afterOhayou, 0).words.isEmpty(), 20000);
        typeOha(w);
        QCOMPARE(w.cmdWord[0]->caption(), QStringLiteral("おはよう"));
        TestWindow::tap(w.cmdWord[0]);
        QCOMPARE(w.message->text(), QStringLiteral("おはよう_"));
        QCOMPARE(w.message->selStart(), 4);
        QCOMPARE(w.message->selLength(), 1);
        QStringList next;
        for (const Completion &c : w.wordPredictor().predict(afterOhayou, 0).words)
            next << c.word;
        QCOMPARE(shownWords(w), next);
        if (!nextWords) {
            TestWindow::tap(w.panel->cmdUndo);
            QCOMPARE(w.message->text(), QStringLiteral("おは_"));
            return;
        }
        const QString word = next.front();
        TestWindow::tap(w.cmdWord[0]);
        QCOMPARE(w.message->text(), QStringLiteral("おはよう\u3000") + word + u'_');
        QCOMPARE(w.message->selStart(), 5 + word.size());
        QCOMPARE(w.message->selLength(), 1);
        TestWindow::tap(w.panel->cmdUndo);
        QCOMPARE(w.message->text(), QStringLiteral("おはよう_"));
        TestWindow::tap(w.panel->cmdUndo);
        QCOMPARE(w.message->text(), QStringLiteral("おは_"));
    }

    // Faults: a space, which is an entry, leaving the completions of the
    // kana before it on the buttons (a touch on them only beeps) instead of
    // the phrases likely after them.
    void aSpaceOffersWhatFollows()
    {
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}});
        t.putPhrases({});
        putLearnt(t, {"おはよう"});
        frmTalk &w = t.start();
        typeOha(w);
        QCOMPARE(shownWords(w).value(0), QStringLiteral("おはよう"));
        TestWindow::press(w.grdBoard, 4, 9);
        TestWindow::tap(w.cmdspace);
        TestWindow::tap(w.cmdEnd2);   // back on the board, where the words are shown
        const QString text = w.message->text();
        QCOMPARE(text, QStringLiteral("おは\u3000_"));
        QStringList expected;
        for (const Completion &c : w.wordPredictor().predict(typedText(text, w.message->selStart()), 0).words)
            expected << c.word;
        QCOMPARE(shownWords(w), expected);
        QVERIFY(!shownWords(w).contains(QStringLiteral("おはよう")));
    }

    // Faults: after ＢＳ, ← or 元に戻す the words for the text before the
    // edit stay (a touch on them only beeps); words left up when the caret
    // has moved away from the end.
    void anEditOffersWhatNowStandsBeforeTheCaret_data()
    {
        QTest::addColumn<int>("key");   // an editing key, or -1 for 元に戻す
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("offered");
        QTest::newRow("ＢＳ") << 1 << "お_" << true;
        QTest::newRow("← leaves the end") << 2 << "おか_" << false;
        QTest::newRow("元に戻す") << -1 << "お_" << true;
    }
    void anEditOffersWhatNowStandsBeforeTheCaret()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, offered);
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}});
        t.putPhrases({});
        putLearnt(t, {"おはよう", "おかゆ"});
        frmTalk &w = t.start();
        for (const auto &[row, col] : {std::pair{4, 9}, std::pair{0, 8}}) {   // お, か
            TestWindow::press(w.grdBoard, row, col);
            TestWindow::press(w.grdBoard2, 1, 1);
        }
        QCOMPARE(shownWords(w), QStringList{"おかゆ"});
        TestWindow::tap(key < 0 ? w.panel->cmdUndo : w.cmdRes[size_t(key)]);
        QCOMPARE(w.message->text(), text);
        QStringList expected;
        if (offered)
            for (const Completion &c : w.wordPredictor().predict(typedText(text, w.message->selStart()), 0).words)
                expected << c.word;
        QCOMPARE(shownWords(w), expected);
        QCOMPARE(shownWords(w).contains(QStringLiteral("おはよう")), offered);
    }

    // Faults: tints with the setting off; the likely kana's cell left white,
    // or other cells tinted; the old tints left when the prediction moves
    // on; 予測 not first under scanning, or there while off.
    void tintsAndScanning_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QStringList>("afterO");
        QTest::addColumn<QString>("first");
        QTest::newRow("off: the board as before") << "0" << QStringList() << "あ行";
        QTest::newRow("on") << "1" << QStringList{"か"} << "予測";
    }
    void tintsAndScanning()
    {
        QFETCH(QString, colour);
        QFETCH(QStringList, afterO);
        QFETCH(QString, first);
        TestWindow t({{"PredictColour", colour}, {"InputMode", "2"}});
        t.putPhrases({});
        putLearnt(t, {"おかゆ"});
        frmTalk &w = t.start();
        // お by two switches: into あ行, on to お, its selection screen, お.
        hit(w, Qt::Key_Return);
        hit(w, Qt::Key_Space, 4);
        hit(w, Qt::Key_Return);
        hit(w, Qt::Key_Return);
        QCOMPARE(w.message->text(), QStringLiteral("お_"));
        // お's cell keeps the entered key's colour; the rest as predicted.
        // The lexicon may have come in by now: the learnt word's kana is
        // among the three, whatever else is.
        QStringList cells = tinted(w);
        cells.removeAll(QStringLiteral("お"));
        QVERIFY(cells.size() <= Predictor::kMaxNext);
        for (const QString &kana : afterO)
            QVERIFY(cells.contains(kana));
        QCOMPARE(cells.isEmpty(), afterO.isEmpty());
        QTRY_COMPARE(highlighted(w), first);
        // か from its column (after 予測 and あ行 when on): into か行, か, か.
        hit(w, Qt::Key_Space, colour == "1" ? 2 : 1);
        hit(w, Qt::Key_Return, 3);
        QCOMPARE(w.message->text(), QStringLiteral("おか_"));
        cells = tinted(w);
        cells.removeAll(QStringLiteral("か"));
        QCOMPARE(cells.contains(QStringLiteral("ゆ")), colour == "1");
        QCOMPARE(cells.isEmpty(), colour != "1");
    }

    // 学習をリセット on the sheet 予測: the learnt words go only when the
    // question is answered yes. Faults: forgetting without asking, or on
    // いいえ; the file left as it was, so the words come back at the next start.
    void resetAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("forgotten");
        QTest::newRow("はい") << 0 << true;
        QTest::newRow("いいえ") << 1 << false;
    }
    void resetAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, forgotten);
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}});
        t.putPhrases({});
        putLearnt(t, {"おはなし"});
        frmTalk &w = t.start();
        bool asked = false, acting = false;   // the taps below process events: no second run
        QTimer poll;
        poll.setInterval(5);
        // Each step is taken from the event loop: a question opened from
        // inside this timer's own tick could not be answered by it.
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *front = QApplication::activeModalWidget();
            auto *options = qobject_cast<frmOPT *>(front);
            if (auto *question = qobject_cast<frmOK *>(front)) {
                asked = true;
                QTest::mouseClick(question->findChild<QAbstractButton *>(QStringLiteral("cmdOK%1").arg(answer)),
                                  Qt::LeftButton);
            } else if (options && options->isVisible() && asked) {
                poll.stop();
                options->reject();
            } else if (options && options->isVisible() && !acting) {
                acting = true;
                TestWindow::tap(options->cmdMore);
                for (int i = 0; i < options->page2->sheetCount() && !options->cmdForget->isVisible(); ++i)
                    TestWindow::tap(options->cmdSheet);
                QVERIFY(options->cmdForget->isVisible());
                QTimer::singleShot(0, options->cmdForget,
                                   [button = options->cmdForget] { QTest::mouseClick(button, Qt::LeftButton); });
            }
        });
        poll.start();
        TestWindow::tap(w.cmdOpt);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(asked);
        QCOMPARE(readLearntWords(learntWordsPath()).words.words().empty(), forgotten);
        typeOha(w);
        QCOMPARE(shownWords(w).contains(QStringLiteral("おはなし")), !forgotten);
    }

    // A word read aloud twice is offered after its first two kana, by the
    // window that read it and from the file after a restart.
    void learntFromReadingAloud()
    {
        TestWindow t({{"WordPredict", "1"}, {"SidePanel", "1"}});
        t.putPhrases({});
        frmTalk &w = t.start();
        for (int i = 0; i < 2; ++i) {
            w.message->setText(QStringLiteral("おかゆが たべたい_"), 0);
            TestWindow::tap(w.cmdRead);   // 読む
            QCoreApplication::processEvents();
            TestWindow::tap(w.cmdRead);   // ♪: the reading stopped
        }
        QTRY_VERIFY(!readLearntWords(learntWordsPath()).words.words().empty()
                    && readLearntWords(learntWordsPath()).words.words().front().uses == 2);
        const UserWords learnt = readLearntWords(learntWordsPath()).words;
        const auto okayu = std::find_if(learnt.words().begin(), learnt.words().end(),
                                        [](const UserWord &u) { return u.reading == u"おかゆ"; });
        QVERIFY(okayu != learnt.words().end());
        QCOMPARE(okayu->uses, 2);
        Predictor restarted;
        restarted.setUserWords(learnt);
        QCOMPARE(restarted.predict(u"おか", QDateTime::currentSecsSinceEpoch()).words.front().word,
                 QStringLiteral("おかゆ"));
    }
};

QTEST_MAIN(WordPredictTest)
#include "word_predict_test.moc"
