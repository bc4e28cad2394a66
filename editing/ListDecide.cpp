// 決定: acts on the highlighted row of the shown list — a candidate or a phrase
// goes into the message, "日記" opens the diary list, a diary row opens that
// entry for revision.
#include "app/frmTalk.h"
#include "editing/core/Decide.h"

namespace pelumo {

namespace {

// A phrase that would take the message past its limit is not cut: the message
// stays as it was and the beep says the choice did not fit.
void applyOrRefuse(frmTalk &w, const std::optional<Insertion> &result)
{
    if (!result) {
        w.services.beeper.beep();
        return;
    }
    w.txtTalk->setText(result->text);
    w.txtTalk->setSelStart(result->caret);
}

} // namespace

void frmTalk::cmdDec_Click()
{
    setEnabled(false);
    const QString message = txtTalk->text();
    const int s = txtTalk->selStart();
    if (grdSp->isVisibleTo(this)) {
        state.WorkText = grdSp->textMatrix(state.ListCursorRow, 0);
        applyOrRefuse(*this, decideCandidate(message, s, trimBlanks(state.WorkText),
                                             state.PhraseMatchLength));
        fraRes->show();
        grdSp->hide();
        grdBoard->show();
    } else if (grdEx->isVisibleTo(this)) {
        state.WorkText = grdEx->textMatrix(state.ListCursorRow, 1);
        if (state.WorkText == QStringLiteral("日記")) {
            LoadDiaryList();
            SortDiaryList();
            cmdSamp->setCaption(QStringLiteral("日記終了"));
            cmdSampADD->hide();
            cmdSampDel->hide();
            grdEx->hide();
            setEnabled(true);
            txtTalk->setFocus();
            return;   // the list panel stays, for the diary list
        }
        applyOrRefuse(*this, decidePhrase(message, s, trimBlanks(state.WorkText)));
        fraRes->show();
        grdBoard->show();
        cmdSamp->setCaption(QStringLiteral("例文表示"));
        cmdSampDel->hide();
        cmdSampADD->show();
        grdEx->hide();
    } else if (grdDay->isVisibleTo(this)) {
        state.WorkText = grdDay->textMatrix(state.ListCursorRow, 1);
        const QString entry = trimBlanks(state.WorkText);
        txtTalk->setText(entry);
        txtTalk->setSelStart(int(entry.size()));
        state.DiaryEditRow = grdDay->row();
        fraDay->show();
        // Light green says the message is a diary entry under revision.
        txtTalk->setBackColor(colors::LightGreen);
        cmdWide->setCaption(QStringLiteral("狭める"));
        SetWideLayout();
        grdDay->hide();
    }
    endDecide();
}

void frmTalk::endDecide()
{
    fraTalk->hide();
    setEnabled(true);
    txtTalk->setFocus();
    if (txtTalk->selLength() == 0)
        txtTalk->sendKeys(QStringLiteral("+{RIGHT}"));
}

} // namespace pelumo
