#pragma once
// The highlight of switch scanning and the ring of dwell, drawn over a window.
// It is a child covering the whole window, passes every touch through, and
// goes to whichever window (the main window or a dialog) is being worked. It
// comes home to the window it was made on when a dialog it is on closes, so
// it never goes down with the dialog.
#include <QPointer>
#include <QWidget>

namespace pelumo {

class ScanFrame : public QWidget {
    Q_OBJECT
public:
    explicit ScanFrame(QWidget *home);

    // The frame's colour: orange, with a dark line either side so that it
    // shows on every background, the orange keys included.
    static QColor colour() { return QColor(255, 102, 0); }
    // The orange band's width, at least 6 px; its two dark lines lie beside
    // it, all three inside the framed item.
    static int thickness(double scale);

    // Frames rect (in window's coordinates) on window, at the given scale of
    // its layout. An empty rect hides the frame.
    void showFrame(QWidget *window, const QRect &rect, double scale);
    // The dwell ring at pos (window's coordinates), filled by fraction 0..1;
    // a negative fraction hides it.
    void showRing(QWidget *window, const QPoint &pos, double fraction, double scale);
    void hideAll();

    QRect frameRect() const { return m_frame; }   // empty when none
    double ringFraction() const { return m_ring; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QWidget *window);
    void goHome();

    QPointer<QWidget> m_home;
    QRect m_frame;
    double m_frameScale = 1.0;
    QPoint m_ringAt;
    double m_ring = -1.0;
    double m_ringScale = 1.0;
};

} // namespace pelumo
