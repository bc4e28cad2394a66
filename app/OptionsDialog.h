#pragma once
// frmOPT, the options dialog: the stored options in option buttons, check
// boxes and a list, written back to the settings store on "確定". It is
// created for one opening and discarded when closed; closing it by its frame
// is "キャンセル" and writes nothing.
//
// Two pages share the dialog. The first is the options table, every control
// where the table puts it; a strip added below it holds "その他の設定",
// which opens the second page with the program's own settings. There "戻る",
// in the same place, goes back. The second page holds more rows than fit
// above "キャンセル" and "確定" at a command button's height, so it shows
// them in sheets ("声と画面": the voice, full screen, the pointer; "操作の
// 方法": switches and dwell), one at a time; the sheet button, a finger's
// width above "キャンセル" and "確定", is named by the sheet it turns to.
// "キャンセル" and "確定" stand on both pages and act on both together.
//
// Every control has a name by which switch scanning finds it (the layout's
// names, "Option1_2" for an option button, "cmdOK_1"; a row of the second
// page by its key); scanTable() is the order in which it steps through them.
#include "access/core/ScanTargets.h"
#include "app/OwnSettingsPage.h"
#include "widgets/CommandButton.h"
#include "widgets/OptionButton.h"
#include "widgets/ScaledLayout.h"
#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;

namespace pelumo {

class frmTalk;

class frmOPT : public QDialog {
    Q_OBJECT
public:
    // The main window whose options are shown; the dialog is drawn at its
    // scale, or smaller when the screen could not hold it.
    explicit frmOPT(frmTalk &main);

    void Form_Load();
    void cmdOK_Click(int Index);   // 0 "キャンセル", 1 "確定"

    ScaledLayout layout;
    QGroupBox *frmOPT1, *frmOPT2, *frmVoice, *frmSample;
    std::array<OptionButton *, 4> Option1;
    std::array<OptionButton *, 2> Option2;
    std::array<OptionButton *, 4> Option3;
    CheckBox *chkSamp;
    QComboBox *cmbSample;
    QLabel *lblSample;
    CheckBox *chkMaxC, *chkBeep, *chkMoji;
    std::array<CommandButton *, 2> cmdOK;
    QWidget *page1;
    OwnSettingsPage *page2;
    CommandButton *cmdMore;   // "その他の設定", on the first page
    CommandButton *cmdBack;   // "戻る", on the second
    CommandButton *cmdSheet;  // on the second page: turns to its next sheet
    void cmdMore_Click();
    void cmdBack_Click();
    void cmdSheet_Click();
    CommandButton *cmdBackup;  // on the second page: 保存と復元
    void cmdBackup_Click();
    CommandButton *cmdForget = nullptr;  // on the sheet 予測: 学習をリセット
    void cmdForget_Click();

    // The scan order of the page (and sheet) shown now.
    ScanTable scanTable() const;

    // Client area in twips: the laid-out 6990 x 10005 and the strip below.
    static QSize clientTwips();

protected:
    void done(int result) override;

private:
    void createControls();
    void createPageButtons();
    void showSheet(int index);
    QString sheetButtonCaption() const;
    void createForgetButton();
    void page2_voiceChanged();
    void createGroups();
    void createCheckBoxes();
    QGroupBox *createFrame(const QString &caption, const QRect &twips);
    struct OptionRow {
        int index;
        const char16_t *caption;
        QRect twips;
    };
    template <std::size_t N>
    void createOptions(std::array<OptionButton *, N> &group, const char *name, QWidget *frame,
                       std::initializer_list<OptionRow> rows);
    CheckBox *createCheckBox(QWidget *container, const char *name, const QString &caption,
                             const QRect &twips);
    bool writeOptions();   // false when a value could not be stored

    frmTalk &m_main;
    bool m_voiceTried = false;   // the character spoke in a voice not yet stored
};

} // namespace pelumo
