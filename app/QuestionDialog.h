#pragma once
// frmOK, the question dialog: a prompt and one or two large buttons. It is made
// afresh for every question, so each starts from its laid-out captions and
// positions, and it is drawn at the main window's scale.
#include "access/core/ScanTargets.h"
#include "widgets/CommandButton.h"
#include "widgets/ScaledLayout.h"
#include <QDialog>
#include <array>

class QLabel;

namespace pelumo {

class frmOK : public QDialog {
    Q_OBJECT
public:
    frmOK(Scale scale, QWidget *parent);

    // Captions and placement of the buttons for a style code: 48 a notice with
    // one centred "ＯＫ", 36 "ＹＥＳ"/"ＮＯ", 33 "ＯＫ"/"キャンセル", any other as laid out.
    void arrange(int style);
    void setPrompt(const QString &prompt);
    void cmdOK_Click(int Index);

    bool answer() const { return m_answer; }
    // The buttons in switch-scanning order: the negative answer first.
    ScanTable scanTable() const;
    double scale() const { return m_layout.scale().factor(); }

    QLabel *lblOK;
    std::array<CommandButton *, 2> cmdOK;

private:
    void fitPrompt();

    ScaledLayout m_layout;
    bool m_answer = false;   // closing by the frame leaves it false
    int m_style = 0;         // as arranged
};

} // namespace pelumo
