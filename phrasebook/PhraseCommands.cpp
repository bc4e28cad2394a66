// The phrase-book buttons and the touches on the list grids.
#include "app/frmTalk.h"
#include "editing/core/Message.h"
#include "phrasebook/core/PhraseFile.h"

namespace pelumo {

namespace {
const QString kShowPhrases = QStringLiteral("例文表示");
const QString kEndPhrases = QStringLiteral("例文終了");
const QString kEndDiary = QStringLiteral("日記終了");
const OleColor kSampPressed = 0xC00000;
const OleColor kSampReleased = 0xFFC0C0;

// Where a new phrase goes among rows in list order: before the first phrase
// that sorts after it. The diary's row and emptied rows keep their places.
qsizetype sortedPlace(const QStringList &rows, const QString &phrase)
{
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString &t = rows.at(r);
        if (!isPlaceholderRow(t) && !trimBlanks(t).isEmpty() && phrase < t)
            return r;
    }
    return rows.size();
}
}

void frmTalk::cmdSamp_Click()
{
    setScreenMousePointer(11);
    setEnabled(false);
    SetNarrowLayout();
    const QString mode = cmdSamp->caption();
    if (mode == kShowPhrases)
        showPhraseList();
    else if (mode == kEndPhrases)
        hidePhraseList();
    else if (mode == kEndDiary)
        EndDiary();
    setEnabled(true);
    txtTalk->setFocus();
    const QString message = txtTalk->text();
    if (!message.endsWith(kEndMarker)) {
        const int caret = txtTalk->selStart();
        txtTalk->setText(message + kEndMarker);
        txtTalk->setSelStart(caret);
    }
    setScreenMousePointer(0);
}

void frmTalk::highlightPhraseRow(int row)
{
    grdEx->setRow(row);
    grdEx->setCol(1);
    grdEx->setColSel(grdEx->cols() - 1);
    grdEx->setCellBackColor(colors::LightGreen);
}

void frmTalk::showPhraseList()
{
    grdEx->setRedraw(false);
    layout.setGeometry(grdEx, layout.geometry(grdBoard));
    grdEx->setColWidth(0, 2400);
    grdEx->setColWidth(1, layout.geometry(grdEx).width() - 2400 - 338);
    LoadPhrases();
    BuildPhraseIndex();
    grdEx->setTextMatrix(0, 1, kDiaryRowText);
    highlightPhraseRow(0);
    grdEx->setTopRow(0);
    state.ListCursorRow = 0;
    grdEx->setRedraw(true);
    enterPhraseListMode();
}

void frmTalk::enterPhraseListMode()
{
    grdBoard->hide();
    grdEx->show();
    grdSp->hide();
    grdDay->hide();
    cmdSamp->setCaption(kEndPhrases);
    cmdSampDel->show();
    cmdSampADD->hide();
    fraRes->hide();
    fraTalk->show();
}

void frmTalk::hidePhraseList()
{
    txtTalk->setBackColor(colors::White);
    grdBoard->show();
    grdEx->hide();
    grdSp->hide();
    grdDay->hide();
    cmdSamp->setCaption(kShowPhrases);
    cmdSampDel->hide();
    cmdSampADD->show();
    fraTalk->hide();
    fraRes->show();
}

void frmTalk::cmdSamp_MouseDown()
{
    cmdSamp->setBackColor(kSampPressed);
}

void frmTalk::cmdSamp_MouseUp()
{
    cmdSamp->setBackColor(kSampReleased);
}

void frmTalk::cmdSampADD_Click()
{
    const QString message = txtTalk->text();
    if (trimBlanks(message).isEmpty())
        return;
    setScreenMousePointer(11);
    const QString phrase = phraseAsRead(message.endsWith(kEndMarker) ? message.chopped(1) : message);
    for (int r = 0; r < grdEx->rows(); ++r) {
        if (trimBlanks(grdEx->textMatrix(r, 1)) == phrase) {
            AskQuestion(QStringLiteral("同一文が登録されています"), 48, QStringLiteral("例文登録"));
            return;
        }
    }
    // The rows are written with the new phrase in its sorted place, so the
    // file keeps the order the list shows; the list itself changes only once
    // the file holds the phrase.
    QStringList rows = phraseRows();
    rows.insert(sortedPlace(rows, phrase), phrase);
    if (!savePhraseRows(rows)) {
        setScreenMousePointer(0);
        return;
    }
    grdEx->setRedraw(false);
    // Placed first: how far the list can scroll depends on its size, and a
    // short list must still show from its top.
    layout.setGeometry(grdEx, layout.geometry(grdBoard));
    grdEx->setColWidth(0, 2500);
    grdEx->setColWidth(1, layout.geometry(grdEx).width() - 2500);
    LoadPhrases();
    BuildPhraseIndex();
    grdEx->setTextMatrix(0, 1, kDiaryRowText);
    for (int r = 0; r < grdEx->rows(); ++r) {
        if (trimBlanks(grdEx->textMatrix(r, 1)) == phrase) {
            highlightPhraseRow(r);
            state.ListCursorRow = r;
            grdEx->setTopRow(r);
            break;
        }
    }
    grdEx->setRedraw(true);
    enterPhraseListMode();
    setScreenMousePointer(0);
}

void frmTalk::cmdSampDel_Click()
{
    const int row = state.ListCursorRow;
    const QString text = grdEx->textMatrix(row, 1);
    // The diary's row cannot be deleted, and an emptied row has nothing left.
    if (isPlaceholderRow(text) || trimBlanks(text).isEmpty())
        return;
    AskQuestion(QStringLiteral("上記例文を削除してもいいですか？"), 33, QStringLiteral("例文の削除"));
    if (!state.DialogAnswer.value_or(false))
        return;
    QStringList rows = phraseRows();
    rows[row] = QString();
    if (!savePhraseRows(rows))
        return;
    grdEx->setRedraw(false);
    grdEx->setTextMatrix(row, 1, QString());
    grdEx->setRedraw(true);
    // A phrase the user has just deleted must not be offered again.
    if (state.PhraseList) {
        state.PhraseList->removeOne(text);
        m_phraseIndex.rebuild(*state.PhraseList);
    }
}

void frmTalk::cmdStart_Click()
{
    AskQuestion(QStringLiteral("はじめからでよろしいですか？"), 33, QStringLiteral("例文登録"));
    if (!state.DialogAnswer.value_or(false))
        return;
    txtTalk->setText(QString());
    grdBoard->setRedraw(false);
    for (int i = 0; i <= state.BoardLastColumn; ++i) {
        for (int j = 0; j <= 4; ++j) {
            grdBoard->setRow(j);
            grdBoard->setCol(i);
            grdBoard->setColSel(grdBoard->cols() - 1);
            grdBoard->setCellBackColor(colors::White);
        }
    }
    grdBoard->setRedraw(true);
}

void frmTalk::pickListRow(FlexGrid *grid, int keyCol)
{
    beepIfWanted();
    const int row = grid->mouseRow();
    grid->setRow(state.ListCursorRow);
    grid->setCol(keyCol);
    grid->setColSel(grid->cols() - 1);
    grid->setCellBackColor(colors::White);
    grid->setRow(row);
    grid->setCol(keyCol);
    grid->setColSel(grid->cols() - 1);
    grid->setCellBackColor(colors::LightGreen);
    state.ListCursorRow = row;
    txtTalk->setFocus();
}

void frmTalk::grdEx_Click() { pickListRow(grdEx, 1); }
void frmTalk::grdSp_Click() { pickListRow(grdSp, 0); }
void frmTalk::grdDay_Click() { pickListRow(grdDay, 1); }

} // namespace pelumo
