// The phrase-book buttons and the phrase list.
#include "phrasebook/PhraseCommands.h"
#include "phrasebook/core/PhraseFile.h"
#include "platform/Devices.h"
#include "platform/Logging.h"
#include "platform/core/MessageRules.h"

namespace pelumo {
namespace {
const OleColor kSampPressed = 0xC00000;
const OleColor kSampReleased = 0xFFC0C0;
const QString kNoticeTitle = QStringLiteral("例文ファイル");
}

PhraseCommands::PhraseCommands(const PhraseControls &controls, const Options &options,
                               ScaledLayout &layout, FileQuestions &questions, QObject *parent)
    : QObject(parent), c(controls), m_options(options), m_layout(layout), m_questions(questions)
{
}

void PhraseCommands::load()
{
    const PhraseBookLoad read = m_book.load();
    m_loaded = true;
    if (!read.errorDetail.isEmpty())
        qCWarning(lcFiles) << "cannot read" << m_book.path() << read.errorDetail;
    qCDebug(lcFiles) << "read" << m_book.path() << m_book.phrases().size() << "phrases" << read.notice;
    if (read.tell)
        m_questions.notice(read.notice, kNoticeTitle);
}

void PhraseCommands::loadOnce()
{
    if (!m_loaded)
        load();
}

void PhraseCommands::tell(const PhraseBookEdit &edit)
{
    if (!edit.errorDetail.isEmpty())
        qCWarning(lcFiles) << "cannot write" << m_book.path() << edit.errorDetail;
    if (!edit.notice.isEmpty())
        m_questions.notice(edit.notice, kNoticeTitle);
}

QString PhraseCommands::phraseRow(int row) const
{
    // Row 0 holds the placeholder, which the list shows as the diary.
    if (row == 0)
        return kDiaryRowText;
    return row > 0 && row < m_book.rows().size() ? m_book.rows().at(row) : QString();
}

// The list in the board's place, filled once from the book: labels in
// column 0, phrases in column 1.
void PhraseCommands::fillPhraseList(int labelWidth, int spare)
{
    FlexGrid *g = c.grdEx;
    m_layout.setGeometry(g, m_layout.geometry(c.grdBoard));
    g->setColWidth(0, labelWidth);
    g->setColWidth(1, m_layout.geometry(g).width() - labelWidth - spare);
    QStringList texts = m_book.rows();
    if (!texts.isEmpty())
        texts[0] = kDiaryRowText;
    g->setRows(0);
    g->setCols(2);
    g->setRows(int(texts.size()));
    g->setColumnTexts(0, m_book.labels());
    g->setColumnTexts(1, texts);
}

void PhraseCommands::showPhraseList()
{
    c.grdEx->setRedraw(false);
    load();
    fillPhraseList(2400, 338);
    emit rowHighlighted(Screen::PhraseList, 0);
    c.grdEx->setTopRow(0);
    c.grdEx->setRedraw(true);
    emit screenWanted(Screen::PhraseList);
}

void PhraseCommands::cmdSamp_MouseDown()
{
    c.cmdSamp->setBackColor(kSampPressed);
}

void PhraseCommands::cmdSamp_MouseUp()
{
    c.cmdSamp->setBackColor(kSampReleased);
}

void PhraseCommands::cmdSampADD_Click(const QString &message)
{
    if (trimBlanks(message).isEmpty())
        return;
    setScreenMousePointer(11);
    // The book stores the phrase as a reading of the file will give it.
    const QString phrase = message.endsWith(kEndMarker) ? message.chopped(1) : message;
    // The book is written with the new phrase in its sorted place, so the
    // file keeps the order the list shows, and the list changes only once
    // the file holds the phrase.
    const std::optional<PhraseBookEdit> added = m_questions.write<PhraseBookEdit>(
        LineFileKind::PhraseBook, [this, &phrase](WriteMode mode) { return m_book.add(phrase, mode); });
    if (added && added->status == PhraseBookEdit::Duplicate) {
        m_questions.ask(added->notice, 48, QStringLiteral("例文登録"));
        return;
    }
    // Nothing to add (a message of the end marker alone) still shows the
    // list, with no row highlighted.
    const bool nothing = added && added->status == PhraseBookEdit::NothingToAdd;
    if (!added || (!added->ok() && !nothing)) {
        if (added)
            tell(*added);
        setScreenMousePointer(0);
        return;
    }
    c.grdEx->setRedraw(false);
    fillPhraseList(2500, 0);
    if (!nothing) {
        emit rowHighlighted(Screen::PhraseList, added->row);
        c.grdEx->setTopRow(added->row);
    }
    c.grdEx->setRedraw(true);
    emit screenWanted(Screen::PhraseList);
    setScreenMousePointer(0);
}

void PhraseCommands::cmdSampDel_Click(int row)
{
    const QString text = phraseRow(row);
    // The diary's row cannot be deleted, and an emptied row has nothing left.
    if (isPlaceholderRow(text) || trimBlanks(text).isEmpty())
        return;
    if (!m_questions.ask(QStringLiteral("上記例文を削除してもいいですか？"), 33,
                         QStringLiteral("例文の削除")))
        return;
    const std::optional<PhraseBookEdit> emptied = m_questions.write<PhraseBookEdit>(
        LineFileKind::PhraseBook, [this, row](WriteMode mode) { return m_book.emptyRow(row, mode); });
    if (!emptied || !emptied->ok()) {
        if (emptied)
            tell(*emptied);
        return;
    }
    c.grdEx->setRedraw(false);
    c.grdEx->setTextMatrix(row, 1, QString());
    c.grdEx->setRedraw(true);
}

} // namespace pelumo
