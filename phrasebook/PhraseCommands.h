#pragma once
// The phrase book on screen: 例文表示 and 例文終了, 例文追加, 例文削除, and
// the phrases offered while typing. The book itself is the PhraseBook
// model; the grids are filled from it and never read back.
#include "phrasebook/FileQuestions.h"
#include "phrasebook/core/PhraseBook.h"
#include "platform/core/Options.h"
#include "platform/core/Screen.h"
#include "widgets/CommandButton.h"
#include "widgets/FlexGrid.h"
#include "widgets/ScaledLayout.h"
#include <QObject>

namespace pelumo {

struct PhraseControls {
    FlexGrid *grdBoard;   // the lists take its place
    FlexGrid *grdEx, *grdSp;
    CommandButton *cmdSamp;
};

class PhraseCommands : public QObject {
    Q_OBJECT
public:
    PhraseCommands(const PhraseControls &controls, const Options &options, ScaledLayout &layout,
                   FileQuestions &questions, QObject *parent = nullptr);

    PhraseBook &book() { return m_book; }
    void setPath(const QString &path) { m_book.setPath(path); }
    void loadOnce();                 // start-up's reading, after the first paint
    void reload() { load(); }        // after the file was replaced (a restore)
    bool isLoaded() const { return m_loaded; }

    void showPhraseList();           // 例文表示
    void cmdSampADD_Click(const QString &message);
    void cmdSampDel_Click(int row);
    void cmdSamp_MouseDown();
    void cmdSamp_MouseUp();

    // After an entry at the caret: the phrases that begin with the last
    // characters typed replace the board.
    void CheckAutoPhrases(const QString &text, int caret);
    void ShowPhraseCandidates(const QString &key);
    QString candidate(int row) const;   // the text of a row of the candidate list
    QString phraseRow(int row) const;   // the text of a row of the phrase list

signals:
    void screenWanted(Screen screen);
    void rowHighlighted(Screen list, int row);

private:
    void load();
    void fillPhraseList(int labelWidth, int spare);
    void tell(const PhraseBookEdit &edit);

    PhraseControls c;
    const Options &m_options;
    ScaledLayout &m_layout;
    FileQuestions &m_questions;
    PhraseBook m_book;
    QStringList m_candidates;   // the candidate list as shown, key row first
    bool m_loaded = false;
};

} // namespace pelumo
