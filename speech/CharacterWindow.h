#pragma once
// The speaking character: a small figure of our own, painted with QPainter in
// a frameless, always-on-top, see-through window that lets every touch pass
// to the window below and never takes the focus. While it speaks its mouth
// moves and a balloon beside it shows the text.
//
// It repaints only on its timer, and the timer runs only while something
// moves (the greeting, the talking mouth); at rest it costs nothing.
//
// The window's shape is the figure's outline at rest and never changes: the
// arms and the mouth move inside it. A window whose shape changed with every
// frame would make the main window below redraw what each frame uncovers,
// and would cut the main window's own repaints near it into thin strips.
#include <QPainterPath>
#include <QTimer>
#include <QWidget>

namespace pelumo {

class SpeechBalloon;

class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    explicit CharacterWindow(QWidget *parent = nullptr);
    ~CharacterWindow() override;

    // "greet" waves once; other names are ignored.
    void play(const QString &animation);
    // Shows text in the balloon; the mouth moves while talking is true.
    void showBalloon(const QString &text);
    void setTalking(bool talking);
    // Mouth at rest; the balloon stays lingerMs to be read to the end, or
    // goes at once for 0.
    void rest(int lingerMs);

    bool isAnimating() const { return m_timer.isActive(); }
    bool isTalking() const { return m_talking; }
    bool balloonShown() const;
    QString balloonText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void tick();
    void updateTimer();
    void placeBalloon();
    static bool coversDialog(const QRect &area);
    void keepOnTop();
    static QPainterPath leftArm();
    static QPainterPath rightArm(qreal angle);
    qreal rightArmAngle() const;
    // The figure's outline: the window's shape, so that without a
    // compositing window manager no black box shows around it. Every pixel
    // inside it is painted in every frame.
    static QPainterPath outline();
    void paintBody(QPainter &p);
    void paintFace(QPainter &p);

    QTimer m_timer;
    QTimer m_linger;
    SpeechBalloon *m_balloon;
    int m_frame = 0;
    int m_greetFramesLeft = 0;
    bool m_talking = false;
};

} // namespace pelumo
