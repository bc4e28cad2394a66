#pragma once
// The balloon beside the speaking character: the text being said, wrapped,
// in a rounded frame whose tail points right, at the character. A window of
// its own, see-through and transparent for input like the character.
#include <QPainterPath>
#include <QWidget>

namespace pelumo {

class SpeechBalloon : public QWidget {
    Q_OBJECT
public:
    explicit SpeechBalloon(QWidget *parent = nullptr);
    void setText(const QString &text);   // resizes to fit, up to kMaxLines
    QString text() const { return m_text; }
    // Places the balloon so that its tail touches point (screen pixels), at
    // the balloon's right edge, keeping it on the screen.
    void pointAt(const QPoint &point);

    static constexpr int kMaxWidth = 420;
    static constexpr int kMaxLines = 6;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
    QPainterPath outline() const;
    QString m_text;
    QString m_shown;   // m_text, cut to fit
};

// The flags both character windows share: on top, no frame, no focus, no touch.
void makeOverlayWindow(QWidget *w);

} // namespace pelumo
