#pragma once
// A graphical command button: a caption on a background colour, wrapped
// character by character when it is narrower than its caption (the tall thin
// buttons at the window's edges read top to bottom). It takes no keyboard
// focus, so the caret always stays in the message.
#include "widgets/Colors.h"
#include <QAbstractButton>

namespace pelumo {

class CommandButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString &caption, OleColor back, QWidget *parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    OleColor backColor() const { return m_back; }
    void setBackColor(OleColor color);
    void setForeColor(OleColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    OleColor m_back;
    OleColor m_fore = colors::Black;
};

// A panel that holds other controls, with a background colour and an
// optional etched border. It clips its children.
class Frame : public QWidget {
    Q_OBJECT
public:
    Frame(OleColor back, bool border, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    OleColor m_back;
    bool m_border;
};

} // namespace pelumo
