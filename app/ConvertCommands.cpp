// 変換: the kana before the highlight converted to kanji by the engine (Anthy),
// one segment at a time, through the candidates' list. The engine runs on a
// thread of its own, opened after the first paint once KanjiConvert is on;
// with the setting off it is never opened and the button is not shown.
#include "app/frmTalk.h"
#include "app/core/SidePanelGeometry.h"
#include "access/core/ScanTargets.h"
#include "platform/AppPaths.h"

namespace pelumo {
namespace {

const QString kConvertCaption = QStringLiteral("変換");

// In the side panel, in its last row: ★ has that row on the phrase list
// only, where there is nothing to convert. The layout itself has no spare
// room (its keys fill the width and the foot of the window), so with
// KanjiConvert on the panel is shown, the layout drawn smaller where the
// screen leaves no room beside it, as with SidePanel=1.
QRect convertButtonTwips()
{
    return panelCell(0, kPanelRows - 1, 2);
}

} // namespace

bool frmTalk::convertShown() const
{
    return state.KanjiConvert && m_panelShown && state.screen.shown == Screen::Board;
}

void frmTalk::createConversion()
{
    cmdConvert = new CommandButton(kConvertCaption, rgb(255, 224, 255), panel);
    cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    layout.place(cmdConvert, convertButtonTwips(), {kPGothic, 27, true});
    cmdConvert->hide();
    connect(cmdConvert, &QAbstractButton::clicked, this, [this] { cmdConvert_Click(); });
}

// After the first paint, after the options dialog and whenever the panel
// comes or goes: the button on the board only, the engine opened once.
void frmTalk::applyConversion()
{
    cmdConvert->setVisible(convertShown());
    if (!state.KanjiConvert || !m_phraseBookQueued || conversion)
        return;
    auto make = services.converter ? services.converter : ConversionService::Factory(makeAnthyConverter);
    // Anthy keeps what it learns beside our own files, in "<data>/.anthy/".
    conversion = new ConversionService(make, userDataFolder(), this);
    connect(conversion, &ConversionService::converted, this, &frmTalk::converted);
    conversion->open();
}

void frmTalk::addConvertKey(ScanTable &table) const
{
    if (!convertShown())
        return;
    // Right after 読む: the next thing to do with what was just typed.
    auto read = std::find_if(table.begin(), table.end(), [](const ScanItem &i) { return i.name == u"読む"; });
    const auto at = read == table.end() ? table.end() : read + 1;
    table.insert(at, ScanItem::of(kConvertCaption, ScanTarget::control(QStringLiteral("cmdConvert"))));
}

// The next segment of the conversion under way, or the kana run before the
// highlight sent to the engine; its answer shows the list (converted()).
void frmTalk::cmdConvert_Click()
{
    if (!conversion || !convertShown())
        return;
    const QString text = message->text();
    const int end = message->selStart();
    if (continuesSession(m_conversion, text, end)) {
        showConversion();
        return;
    }
    m_conversion = {};
    const int start = kanaRunStart(text, end);
    if (start == end) {
        services.beeper.beep();   // no kana before the highlight
        return;
    }
    m_asked = {conversion->convert(text.mid(start, end - start)), text, start, end};
}

void frmTalk::converted(int ticket, const Conversion &result)
{
    if (ticket != m_asked.ticket)
        return;   // an answer to an earlier 変換
    const AskedConversion asked = std::exchange(m_asked, {});
    if (state.screen.shown != Screen::Board || message->text() != asked.message
        || message->selStart() != asked.end)
        return;   // the user went on meanwhile: the answer no longer fits
    if (result.isEmpty()) {
        qCWarning(lcConvert) << "nothing converted";
        services.beeper.beep();
        return;
    }
    m_conversion = {asked.message, asked.start, result};
    showConversion();
}

// The next segment's list where the board stands, as the phrase candidates
// are shown: row 0 the kana as typed, highlighted.
void frmTalk::showConversion()
{
    const QStringList rows = conversionRows(m_conversion.rest.first());
    FlexGrid *g = grdSp;
    g->setRedraw(false);
    layout.setGeometry(g, layout.geometry(grdBoard));
    g->setColWidth(-1, int(layout.scale().toTwips(width())));
    g->setRows(0);
    g->setCols(1);
    g->setRows(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        g->setTextMatrix(i, 0, rows.at(i));
    lists->highlight(Screen::Conversion, 0);
    g->setTopRow(0);
    g->setRedraw(true);
    showScreen(Screen::Conversion);
}

// 決定: the segment's kana replaced by the row chosen (row 0 keeps it), the
// end marker where it was; the engine learns a candidate chosen.
void frmTalk::decideConversion(int row)
{
    if (m_conversion.rest.isEmpty())
        return;
    const ConvertedSegment segment = m_conversion.rest.first();
    const QString chosen = conversionRows(segment).value(row, segment.reading);
    const auto decided
        = decideSegment(message->text(), m_conversion.at, segment.reading, chosen, message->selStart());
    if (!decided) {
        m_conversion = {};
        services.beeper.beep();
        return;
    }
    qCDebug(lcConvert).noquote() << QStringLiteral("Convert \"%1\" → \"%2\"").arg(segment.reading, chosen);
    message->setText(decided->text, decided->caret);
    if (row > 0 && conversion)
        conversion->learn(segment.reading, chosen);
    m_conversion.rest.removeFirst();
    m_conversion.message = decided->text;
    m_conversion.at += int(chosen.size());
}

} // namespace pelumo
