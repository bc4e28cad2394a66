// Phrases offered while typing: after an entry at the end of the message, the
// saved phrases that begin with the last characters typed replace the board.
#include "phrasebook/PhraseCommands.h"
#include "phrasebook/core/PhraseCandidates.h"
#include "platform/Devices.h"
#include "platform/core/MessageRules.h"

namespace pelumo {

void PhraseCommands::CheckAutoPhrases(const QString &text, int caret)
{
    if (!m_options.AutoPhrases || text.isEmpty())
        return;
    setScreenMousePointer(11);
    if (const std::optional<QString> key = candidateKey(text, caret, m_options.PhraseMatchLength))
        ShowPhraseCandidates(*key);
    setScreenMousePointer(0);
}

void PhraseCommands::ShowPhraseCandidates(const QString &key)
{
    if (key.isEmpty() || !m_loaded)
        return;
    const QStringList found = m_book.lookup(key);
    if (found.isEmpty())
        return;
    m_candidates = QStringList{trimBlanks(key)} + found;
    FlexGrid *g = c.grdSp;
    g->setRedraw(false);
    m_layout.setGeometry(g, m_layout.geometry(c.grdBoard));
    g->setColWidth(-1, int(m_layout.scale().toTwips(c.grdBoard->window()->width())));
    g->setRows(0);
    g->setCols(1);
    g->setRows(int(m_candidates.size()));
    for (int i = 0; i < m_candidates.size(); ++i)
        g->setTextMatrix(i, 0, m_candidates.at(i));
    emit rowHighlighted(Screen::Candidates, 0);
    g->setTopRow(0);
    g->setRedraw(true);
    emit screenWanted(Screen::Candidates);
}

QString PhraseCommands::candidate(int row) const
{
    return row >= 0 && row < m_candidates.size() ? m_candidates.at(row) : QString();
}

} // namespace pelumo
