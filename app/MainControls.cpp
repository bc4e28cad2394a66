// The main window's controls, created and placed as the layout tables give
// them: positions in twips, fonts in points, at the window's one scale.
#include "app/MainControls.h"

namespace pelumo {

void MainControls::createControls(QWidget *window, ScaledLayout &layout)
{
    // Creation order is stacking order: the list grids lie above the board,
    // the message area above both (widened, it covers them), the editing
    // panel above the list and diary panels, and the selection screen above
    // everything it covers.
    createBoards(window, layout);
    createTextArea(window, layout);
    createButtons(window, layout);
    createPanels(window, layout);
    cmdRead = new CommandButton(QStringLiteral("読む"), rgb(192, 192, 255), window);
    layout.place(cmdRead, {12870, 8370, 2295, 1200}, {kPGothic, 36});
    cmdKey = new CommandButton(QStringLiteral("英数"), rgb(192, 255, 192), window);
    layout.place(cmdKey, {12870, 9990, 2295, 1065}, {kPGothic, 36});
    txtHide = new QLabel(window);
    txtHide->setAutoFillBackground(true);
    QPalette hideColours = txtHide->palette();
    hideColours.setColor(QPalette::Window, toQColor(rgb(255, 128, 128)));
    txtHide->setPalette(hideColours);
    layout.place(txtHide, {0, 0, 1215, 1575});
    txtHide->hide();
    createSelectionScreen(window, layout);
    nameControls();
}

void MainControls::createTextArea(QWidget *window, ScaledLayout &layout)
{
    fraText = new Frame(kWindowBlue, false, window);
    layout.place(fraText, {0, 0, 15330, 2355});
    txtTalk = new TextBox(fraText);
    layout.place(txtTalk, {0, 0, 14325, 2295}, {kGothic, 36, true});
    cmdWide = new CommandButton(QStringLiteral("広げる"), rgb(192, 192, 255), fraText);
    layout.place(cmdWide, {14415, 150, 855, 2175}, {kPGothic, 27.75});
    // Copy and paste lie below the narrow frame's edge and show only when the
    // text area is widened.
    cmdCopy = new CommandButton(QStringLiteral("コピ"), rgb(145, 131, 201), fraText);
    layout.place(cmdCopy, {14415, 2670, 855, 2235}, {kPGothic, 24, true});
    cmdPaste = new CommandButton(QStringLiteral("貼る"), rgb(145, 131, 201), fraText);
    layout.place(cmdPaste, {14415, 5280, 855, 2235}, {kPGothic, 24, true});
}

void MainControls::createBoards(QWidget *window, ScaledLayout &layout)
{
    grdBoard = new FlexGrid(window);
    layout.place(grdBoard, {0, 2400, 15345, 5715}, {kGothic, 54.75});
    grdSp = new FlexGrid(window);
    layout.place(grdSp, {10380, 2460, 4425, 2025}, {kGothic, 54.75});
    grdEx = new FlexGrid(window);
    layout.place(grdEx, {10050, 3600, 4425, 2025}, {kGothic, 54.75});
    grdHis = new FlexGrid(window);
    layout.place(grdHis, {0, 2400, 15345, 5715}, {kGothic, 36});
    grdDay = new FlexGrid(window);
    layout.place(grdDay, {9600, 4800, 4425, 2025}, {kGothic, 54.75});
    grdSp->hide();
    grdEx->hide();
    grdDay->hide();
}

void MainControls::createButtons(QWidget *window, ScaledLayout &layout)
{
    const FontSpec small{kPGothic, 15.75, true};
    cmdOpt = new CommandButton(QStringLiteral("設定"), kWindowBlue, window);
    layout.place(cmdOpt, {0, 8280, 405, 1065}, small);
    cmdEnd = new CommandButton(QStringLiteral("終了"), kWindowBlue, window);
    layout.place(cmdEnd, {0, 9840, 405, 1065}, small);
    cmdSamp = new CommandButton(QString(), rgb(192, 192, 255), window);   // captioned by its screen
    layout.place(cmdSamp, {600, 8280, 3345, 1245}, {kPGothic, 36});
    cmdSampADD = new CommandButton(QStringLiteral("例文追加"), rgb(192, 255, 192), window);
    layout.place(cmdSampADD, {600, 9810, 3345, 1185}, {kPGothic, 36});
    cmdSampDel = new CommandButton(QStringLiteral("例文削除"), rgb(255, 192, 192), window);
    layout.place(cmdSampDel, {600, 9840, 3345, 720}, {kPGothic, 36});
    cmdSampDel->hide();
}

void MainControls::createPanels(QWidget *window, ScaledLayout &layout)
{
    const FontSpec big{kPGothic, 48, true}, bold{kPGothic, 36, true}, plain{kPGothic, 36};
    fraDay = new Frame(kWindowBlue, true, window);
    layout.place(fraDay, {4020, 8100, 8475, 2955});
    cmdRevise = new CommandButton(QStringLiteral("修正する"), rgb(192, 192, 255), fraDay);
    layout.place(cmdRevise, {480, 240, 3135, 2655}, plain);
    cmdBack = new CommandButton(QStringLiteral("戻る"), rgb(255, 192, 192), fraDay);
    layout.place(cmdBack, {4920, 240, 3135, 2655}, plain);
    fraDay->hide();

    fraTalk = new Frame(kWindowBlue, true, window);
    layout.place(fraTalk, {4020, 8100, 8475, 2955});
    cmdUp = new CommandButton(QStringLiteral("△"), rgb(192, 255, 192), fraTalk);
    layout.place(cmdUp, {480, 240, 1935, 2655}, big);
    cmdDown = new CommandButton(QStringLiteral("▽"), rgb(128, 255, 128), fraTalk);
    layout.place(cmdDown, {3360, 240, 1935, 2655}, big);
    cmdDec = new CommandButton(QStringLiteral("決定"), rgb(192, 192, 255), fraTalk);
    layout.place(cmdDec, {6360, 240, 1695, 2655}, plain);
    fraTalk->hide();

    fraRes = new Frame(kWindowBlue, true, window);
    layout.place(fraRes, {4020, 8100, 8475, 3015});
    struct Key { const char16_t *caption; OleColor back; QRect at; FontSpec font; };
    const Key keys[5] = {
        {u"→", colors::White, {4380, 180, 1275, 2715}, big},
        {u"ＢＳ", rgb(255, 224, 192), {6060, 180, 2265, 1305}, bold},
        {u"←", colors::White, {360, 180, 1275, 2715}, big},
        {u"↓", rgb(128, 255, 128), {2220, 1740, 1545, 1155}, bold},
        {u"↑", rgb(192, 255, 192), {2220, 180, 1545, 1155}, bold},
    };
    for (int i = 0; i < 5; ++i) {
        cmdRes[i] = new CommandButton(QString::fromUtf16(keys[i].caption), keys[i].back, fraRes);
        layout.place(cmdRes[i], keys[i].at, keys[i].font);
    }
    cmdStart = new CommandButton(QStringLiteral("始め"), rgb(255, 192, 192), fraRes);
    layout.place(cmdStart, {6060, 1800, 2265, 1155}, plain);
}

void MainControls::createSelectionScreen(QWidget *window, ScaledLayout &layout)
{
    fraSet = new Frame(kWindowBlue, false, window);
    layout.place(fraSet, {14640, 2400, 16245, 8895});
    grdBoard2 = new FlexGrid(fraSet);
    layout.place(grdBoard2, {30, 30, 15285, 7035}, {kGothic, 114.75});
    cmdspace = new CommandButton(QStringLiteral("スペース"), colors::CaptionText, fraSet);
    layout.place(cmdspace, {120, 7200, 5775, 1560}, {kPGothic, 48});
    cmdEnd2 = new CommandButton(QStringLiteral("戻る"), rgb(255, 192, 192), fraSet);
    layout.place(cmdEnd2, {6120, 7200, 9075, 1560}, {kPGothic, 48, true});
    fraSet->hide();
}

// Switch scanning and dwell find the controls by these names.
void MainControls::nameControls()
{
    const std::pair<QWidget *, const char *> named[] = {
        {fraText, "fraText"}, {txtTalk, "txtTalk"}, {cmdWide, "cmdWide"}, {cmdCopy, "cmdCopy"},
        {cmdPaste, "cmdPaste"}, {grdBoard, "grdBoard"}, {grdSp, "grdSp"}, {grdEx, "grdEx"},
        {grdDay, "grdDay"}, {grdHis, "grdHis"}, {cmdOpt, "cmdOpt"}, {cmdEnd, "cmdEnd"}, {cmdSamp, "cmdSamp"},
        {cmdSampADD, "cmdSampADD"}, {cmdSampDel, "cmdSampDel"}, {fraDay, "fraDay"},
        {fraTalk, "fraTalk"}, {fraRes, "fraRes"}, {cmdStart, "cmdStart"}, {cmdUp, "cmdUp"},
        {cmdDown, "cmdDown"}, {cmdDec, "cmdDec"}, {cmdRevise, "cmdRevise"}, {cmdBack, "cmdBack"},
        {cmdRead, "cmdRead"}, {cmdKey, "cmdKey"}, {fraSet, "fraSet"}, {grdBoard2, "grdBoard2"},
        {cmdspace, "cmdspace"}, {cmdEnd2, "cmdEnd2"},
    };
    for (const auto &[control, name] : named)
        control->setObjectName(QString::fromLatin1(name));
    for (std::size_t i = 0; i < cmdRes.size(); ++i)
        cmdRes[i]->setObjectName(QStringLiteral("cmdRes%1").arg(i));
}

} // namespace pelumo
