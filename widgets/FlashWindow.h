#pragma once
// The screen-filling flash of a call for help: a window over everything,
// dialogs included, in one of two strong colours with 「呼んでいます」 across
// it, to be seen from the other side of a room. It shows the colour it is
// told; whoever shows it alternates the colours. Any touch, click or key on
// it is a dismissal, and reaches nothing beneath; so is closing it.
#include <QWidget>

class QScreen;

namespace pelumo {

class FlashWindow : public QWidget {
    Q_OBJECT
public:
    FlashWindow();

    // Covers the whole screen, in front of every window and dialog of the
    // program, and takes the input away from them.
    void showOver(QScreen *screen);
    // When a window or dialog has come in front since, it goes back on top.
    void keepInFront();
    void setPhase(int phase);   // 0 or 1: which of the two colours
    int phase() const { return m_phase; }
    QColor background() const;

    static const QString kText;

signals:
    void dismissed();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    int m_phase = 0;
};

} // namespace pelumo
