// The options dialog's controls and their layout, in twips at the main
// window's scale.
#include "app/OptionsDialog.h"
#include "app/frmTalk.h"
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>

namespace pelumo {
namespace {

const OleColor kDialogBack = rgb(192, 192, 255);
const FontSpec kControlFont{kPGothic, 15.75, true};
const FontSpec kButtonFont{kPGothic, 18, false};

constexpr int kButtonTop = 9240;
// The strip below the table: one wide button, kept a finger's width (300
// twips) below "キャンセル" and "確定" so that a shaky touch meant for one
// does not land on the other.
constexpr QRect kPageButton{480, 10155, 6135, 615};
constexpr int kClientHeight = 10155 + 615 + 150;
// On the second page the sheet button stands as far above "キャンセル" and
// "確定", and the sheets' frames end above it.
// It shares its strip with "保存と復元".
constexpr QRect kSheetButton{480, kButtonTop - 300 - 615, 3000, 615};
constexpr QRect kBackupButton{3615, kButtonTop - 300 - 615, 3000, 615};
constexpr QRect kSheetArea{0, 0, 6990, kSheetButton.top() - 105};

// Room for the title bar and borders that the window system adds outside the
// client area, in pixels.
constexpr int kFrameAllowance = 40;

Scale dialogScale(const frmTalk &main, QSize twips)
{
    double factor = main.layout.scale().factor();
    if (const QScreen *screen = main.screen()) {
        const QRect room = screen->availableGeometry();
        factor = qMin(factor, (room.height() - kFrameAllowance) * double(kTwipsPerPixel) / twips.height());
        factor = qMin(factor, room.width() * double(kTwipsPerPixel) / twips.width());
    }
    return Scale(factor);
}

} // namespace

QSize frmOPT::clientTwips() { return QSize(6990, kClientHeight); }

frmOPT::frmOPT(frmTalk &main) : QDialog(&main), m_main(main)
{
    setWindowTitle(QStringLiteral("オプション"));
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(kDialogBack));
    setPalette(p);
    setAutoFillBackground(true);
    layout.setScale(dialogScale(main, clientTwips()));
    setFixedSize(layout.scale().toPixels(QRect(QPoint(0, 0), clientTwips())).size());
    createControls();
    Form_Load();
}

void frmOPT::createControls()
{
    // Both pages cover the whole client area, so their controls are placed
    // in the dialog's own twips.
    const QRect whole(QPoint(0, 0), clientTwips());
    page1 = new QWidget(this);
    layout.place(page1, whole);
    page2 = new OwnSettingsPage(layout, kControlFont, kSheetArea, this);
    layout.place(page2, whole);
    page2->hide();
    connect(page2, &OwnSettingsPage::voiceChanged, this, &frmOPT::page2_voiceChanged);
    createGroups();
    createCheckBoxes();
    createPageButtons();
    const char16_t *captions[2] = {u"キャンセル", u"確定"};
    const int lefts[2] = {780, 3660};
    for (int i = 0; i < 2; ++i) {
        cmdOK[i] = new CommandButton(QString::fromUtf16(captions[i]), kDialogBack, this);
        cmdOK[i]->setObjectName(QStringLiteral("cmdOK_%1").arg(i));
        layout.place(cmdOK[i], {lefts[i], kButtonTop, 2475, 615}, kButtonFont);
        connect(cmdOK[i], &QAbstractButton::clicked, this, [this, i] { cmdOK_Click(i); });
    }
}

void frmOPT::createPageButtons()
{
    cmdMore = new CommandButton(QStringLiteral("その他の設定"), kDialogBack, page1);
    cmdMore->setObjectName(QStringLiteral("cmdMore"));
    layout.place(cmdMore, kPageButton, kButtonFont);
    connect(cmdMore, &QAbstractButton::clicked, this, &frmOPT::cmdMore_Click);
    cmdBack = new CommandButton(QStringLiteral("戻る"), kDialogBack, page2);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    layout.place(cmdBack, kPageButton, kButtonFont);
    connect(cmdBack, &QAbstractButton::clicked, this, &frmOPT::cmdBack_Click);
    cmdSheet = new CommandButton(QString(), kDialogBack, page2);
    cmdSheet->setObjectName(QStringLiteral("cmdSheet"));
    layout.place(cmdSheet, kSheetButton, kButtonFont);
    cmdSheet->setVisible(page2->sheetCount() > 1);
    connect(cmdSheet, &QAbstractButton::clicked, this, &frmOPT::cmdSheet_Click);
    cmdBackup = new CommandButton(QStringLiteral("保存と復元"), kDialogBack, page2);
    cmdBackup->setObjectName(QStringLiteral("cmdBackup"));
    layout.place(cmdBackup, kBackupButton, kButtonFont);
    connect(cmdBackup, &QAbstractButton::clicked, this, &frmOPT::cmdBackup_Click);
    createForgetButton();
    showSheet(0);
}

// 学習をリセット, under the frame of the sheet 予測 (two rows high).
void frmOPT::createForgetButton()
{
    const int sheet = page2->sheetIndex(QStringLiteral("予測"));
    if (sheet < 0)
        return;
    cmdForget = new CommandButton(QStringLiteral("学習をリセット"), kDialogBack, page2->sheetWidget(sheet));
    cmdForget->setObjectName(QStringLiteral("cmdForget"));
    layout.place(cmdForget, {480, 2100, 6135, 615}, kButtonFont);
    connect(cmdForget, &QAbstractButton::clicked, this, &frmOPT::cmdForget_Click);
}

void frmOPT::createGroups()
{
    // Rows top to bottom as they are shown; the index is the stored value.
    frmOPT1 = createFrame(QStringLiteral("１画面目の設定"), {480, 120, 6135, 2055});
    createOptions(Option1, "Option1", frmOPT1,
                  {{2, u"１回クリックで文字入力", {360, 315, 5655, 315}},
                   {3, u"２回クリックで文字入力", {360, 750, 5655, 315}},
                   {0, u"１回クリックで文字選択画面へ", {360, 1170, 5655, 315}},
                   {1, u"２回クリックで文字選択画面へ", {360, 1605, 5655, 315}}});
    frmOPT2 = createFrame(QStringLiteral("文字選択画面の設定（拡大画面）"), {480, 2280, 6135, 1215});
    createOptions(Option2, "Option2", frmOPT2,
                  {{0, u"１回クリックで文字入力", {360, 360, 5535, 315}},
                   {1, u"２回クリックで文字入力", {360, 765, 5535, 315}}});
    frmVoice = createFrame(QStringLiteral("声の設定"), {480, 3600, 6135, 2295});
    createOptions(Option3, "Option3", frmVoice,
                  {{0, u"毎回声を出す", {360, 360, 5535, 360}},
                   {1, u"文字選択での時に声を出す　（毎回）", {360, 840, 5535, 360}},
                   {2, u"文字入力の時に声を出す　　（最後）", {360, 1320, 5535, 360}},
                   {3, u"声を出さない", {360, 1800, 5535, 360}}});

    frmSample = createFrame(QStringLiteral("例文の設定"), {480, 6000, 6135, 1575});
    chkSamp = createCheckBox(frmSample, "chkSamp", QStringLiteral("例文を自動で表示する。"),
                             {360, 360, 4845, 360});
    cmbSample = new QComboBox(frmSample);
    cmbSample->setObjectName(QStringLiteral("cmbSample"));
    for (const char16_t *item : {u"１", u"２", u"３", u"４", u"５"})
        cmbSample->addItem(QString::fromUtf16(item));
    cmbSample->setPalette(QApplication::palette(cmbSample));   // the list keeps the default colours
    layout.place(cmbSample, {360, 900, 615, 435}, kControlFont);
    lblSample = new QLabel(QStringLiteral("文字で例文を表示する。"), frmSample);
    layout.place(lblSample, {1140, 960, 3315, 375}, kControlFont);
}

void frmOPT::createCheckBoxes()
{
    chkMaxC = createCheckBox(page1, "chkMaxC", QStringLiteral("濁点表示文字"),
                             {780, 7680, 5475, 375});
    chkBeep = createCheckBox(page1, "chkBeep", QStringLiteral("キー確認音を出す。"),
                             {780, 8205, 5505, 315});
    chkMoji = createCheckBox(page1, "chkMoji", QStringLiteral("文字を拡大する。"),
                             {780, 8655, 5505, 315});
}

QGroupBox *frmOPT::createFrame(const QString &caption, const QRect &twips)
{
    auto *frame = new OptionFrame(caption, page1);
    layout.place(frame, twips, kControlFont);
    return frame;
}

// Each button is named for switch scanning by its group and index, "Option1_2".
template <std::size_t N>
void frmOPT::createOptions(std::array<OptionButton *, N> &group, const char *name, QWidget *frame,
                           std::initializer_list<OptionRow> rows)
{
    for (const OptionRow &row : rows) {
        group[row.index] = new OptionButton(QString::fromUtf16(row.caption), frame);
        group[row.index]->setObjectName(QLatin1String(name) + u'_' + QString::number(row.index));
        layout.place(group[row.index], row.twips, kControlFont);
    }
}

CheckBox *frmOPT::createCheckBox(QWidget *container, const char *name, const QString &caption,
                                 const QRect &twips)
{
    auto *box = new CheckBox(caption, container);
    box->setObjectName(QLatin1String(name));
    layout.place(box, twips, kControlFont);
    return box;
}

} // namespace pelumo
