// Phrases offered while typing: after an entry at the end of the message, the
// saved phrases that begin with the last characters typed replace the board.
#include "app/frmTalk.h"
#include "phrasebook/core/PhraseCandidates.h"
#include "editing/core/Message.h"

namespace pelumo {

void frmTalk::CheckAutoPhrases(const QString &text)
{
    if (optionNumber(state.AutoPhrases) == 0 || text.isEmpty())
        return;
    setScreenMousePointer(11);
    // text is the message as the box holds it, so the caret of the box tells
    // whether the entry was made at its end.
    if (const std::optional<QString> key = candidateKey(text, txtTalk->selStart(), state.PhraseMatchLength))
        ShowPhraseCandidates(*key);
    setScreenMousePointer(0);
}

void frmTalk::ShowPhraseCandidates()
{
    const std::optional<QString> key =
        candidateKey(txtTalk->text(), txtTalk->selStart(), state.PhraseMatchLength);
    if (key)
        ShowPhraseCandidates(*key);
}

void frmTalk::ShowPhraseCandidates(const QString &key)
{
    if (key.isEmpty())
        return;
    grdSp->setRedraw(false);
    layout.setGeometry(grdSp, layout.geometry(grdBoard));
    grdSp->setColWidth(-1, int(layout.scale().toTwips(width())));
    grdSp->setRows(0);
    grdSp->setCols(1);
    grdSp->setRows(1);
    grdSp->setTextMatrix(0, 0, trimBlanks(key));
    QStringList found;
    if (state.PhraseList) {
        if (!m_phraseIndex.isBuiltFrom(*state.PhraseList))
            m_phraseIndex.rebuild(*state.PhraseList);
        found = m_phraseIndex.lookup(key);
    }
    if (found.isEmpty()) {
        grdSp->setRedraw(true);
        grdBoard->show();
        fraRes->show();
        grdSp->hide();
    } else {
        grdSp->setRows(int(found.size()) + 1);
        for (int i = 0; i < found.size(); ++i)
            grdSp->setTextMatrix(i + 1, 0, found.at(i));
        grdSp->setRow(0);
        grdSp->setCol(0);
        grdSp->setColSel(grdSp->cols() - 1);
        grdSp->setCellBackColor(colors::LightGreen);
        grdSp->setTopRow(0);
        grdSp->setRedraw(true);
        grdSp->show();
        grdBoard->hide();
        fraRes->hide();
        fraSet->hide();
        fraTalk->show();
    }
    state.ListCursorRow = grdSp->row();
}

} // namespace pelumo
