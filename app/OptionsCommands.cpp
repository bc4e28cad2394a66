// The options dialog's handlers: filling it from the store, its two
// buttons, the page and sheet turns, and its scan order.
#include "app/OptionsDialog.h"
#include "app/BackupDialog.h"
#include "access/core/DialogOrders.h"
#include "platform/core/Options.h"
#include "app/frmTalk.h"
#include <QComboBox>

namespace pelumo {
namespace {

template <std::size_t N>
int firstSelected(const std::array<OptionButton *, N> &group)
{
    for (std::size_t i = 0; i < N; ++i)
        if (group[i]->isChecked())
            return int(i);
    return -1;
}

template <std::size_t N>
void selectIndex(const std::array<OptionButton *, N> &group, int index)
{
    if (index >= 0 && index < int(N))
        group[index]->setChecked(true);
}

} // namespace

void frmOPT::Form_Load()
{
    m_main.LoadOptions();
    const ProgramState &s = m_main.state;
    selectIndex(Option1, int(s.FirstScreenMode));
    selectIndex(Option2, int(s.SelectScreenMode));
    selectIndex(Option3, int(s.VoiceMode));
    chkBeep->setValue(s.KeyBeep);
    chkMoji->setValue(s.LargeLetters);
    chkSamp->setValue(s.AutoPhrases);
    chkMaxC->setChecked(s.BoardLastColumn != 9);
    cmbSample->setCurrentIndex(s.PhraseMatchLength - 1);
    page2->load([this](const QString &key, const QString &fallback) {
        return m_main.services.settings.read(key, fallback);
    });
}

void frmOPT::cmdMore_Click()
{
    page1->hide();
    page2->show();
}

void frmOPT::cmdBack_Click()
{
    page2->hide();
    page1->show();
}

void frmOPT::cmdSheet_Click()
{
    showSheet((page2->sheet() + 1) % page2->sheetCount());
}

// A restore replaced Talk.ini too: the dialog closes without writing over it.
void frmOPT::cmdBackup_Click()
{
    frmBackup dialog(m_main, this);
    dialog.exec();
    if (dialog.restored())
        reject();
}

// The words learnt from the user's writing forgotten, after a question;
// the lexicon's words stay.
void frmOPT::cmdForget_Click()
{
    if (m_main.AskQuestion(QStringLiteral("予測が覚えた言葉をすべて忘れます。よろしいですか？"), 36,
                           QStringLiteral("学習をリセット")))
        m_main.forgetLearntWords();
}

void frmOPT::showSheet(int index)
{
    page2->showSheet(index);
    cmdSheet->setCaption(sheetButtonCaption());
}

// The sheet button names the sheet it turns to; with one sheet there is none.
QString frmOPT::sheetButtonCaption() const
{
    if (page2->sheetCount() < 2)
        return {};
    return page2->sheetName((page2->sheet() + 1) % page2->sheetCount()) + QStringLiteral("へ");
}

ScanTable frmOPT::scanTable() const
{
    OptionsDialogFacts facts;
    facts.secondPage = !page2->isHidden();
    facts.sampleLength = cmbSample->currentText();
    if (facts.secondPage) {
        facts.rows = page2->shownRows();
        facts.sheetCaption = sheetButtonCaption();
        facts.backupCaption = cmdBackup->caption();
        if (cmdForget && page2->sheet() == page2->sheetIndex(QStringLiteral("予測")))
            facts.forgetCaption = cmdForget->caption();
    }
    return optionsDialogOrder(facts);
}

// A voice is easier heard than imagined: each touch of − or ＋ lets the
// character say a few words in the voice as it now stands.
void frmOPT::page2_voiceChanged()
{
    AgentCharacter &character = m_main.services.agent;
    character.setVoice(page2->voice());
    const QString sample = QStringLiteral("これで はなします");
    character.speak(sample, sample, SpeechKind::Key);
    m_voiceTried = true;
}

void frmOPT::done(int result)
{
    // Leaving without "確定" leaves the stored voice, also in the character.
    if (result != Accepted && m_voiceTried)
        m_main.ApplyVoice();
    QDialog::done(result);
}

void frmOPT::cmdOK_Click(int Index)
{
    if (Index == 0) {
        reject();
        return;
    }
    const bool stored = writeOptions();
    m_main.LoadOptions();
    m_main.ApplyTextSize();
    m_main.ApplyVoice();
    accept();
    // The board comes back as the kind shown at start-up, with the columns
    // just chosen.
    m_main.board->showKind(BoardKind::Hiragana);
    if (m_main.isVisible())
        m_main.showAsConfigured();
    if (!stored)
        m_main.AskQuestion(QStringLiteral("設定を保存できませんでした。\n"
                                          "次に起動したときは前の設定に戻ります。"),
                           48, QStringLiteral("オプション"));
}

bool frmOPT::writeOptions()
{
    SettingsStore &store = m_main.services.settings;
    bool ok = true;
    auto put = [&](const OptionKey &key, int value) {
        ok = store.write(QString::fromLatin1(key.key), QString::number(qint16(value))) && ok;
    };
    // The eight keys in the order older installations wrote them, then the
    // program's own settings.
    if (const int i = firstSelected(Option1); i >= 0)
        put(keys::FirstScreen, i);
    if (const int i = firstSelected(Option2); i >= 0)
        put(keys::SelectScreen, i);
    if (const int i = firstSelected(Option3); i >= 0)
        put(keys::Voice, i);
    put(keys::AutoPhrases, chkSamp->value());
    put(keys::PhraseMatchLength, cmbSample->currentIndex() + 1);
    put(keys::Beep, chkBeep->value());
    put(keys::LargeLetters, chkMoji->value());
    put(keys::BoardLastColumn, chkMaxC->isChecked() ? 14 : 9);
    return page2->write(store) && ok;
}

} // namespace pelumo
