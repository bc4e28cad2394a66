#pragma once
// The highlight of switch scanning and the ring of dwell, drawn over a window.
// It is a child covering the whole window, passes every touch through, and
// goes to whichever window (the main window or a dialog) is being worked. It
// comes home to the window it was made on when a dialog it is on closes, so
// it never goes down with the dialog.
#include <QPointer>
#include <QRect>
#include <array>
#include <QWidget>

class QPainter;

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
    // Dwell's ring round target (window's coordinates), filled by fraction
    // 0..1; a negative fraction hides it. It runs along the target's two
    // shorter edges, inside them, where a caption leaves its margin, so it
    // hides no glyph.
    void showRing(QWidget *window, const QRect &target, double fraction, double scale);
    void hideAll();

    QRect frameRect() const { return m_frame; }   // empty when none
    double ringFraction() const { return m_ring; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void moveTo(QWidget *window);
    void goHome();
    // The two tracks the ring fills along, for a target at a scale.
    static std::array<QRect, 2> ringTracks(const QRect &target, double scale);
    void paintRing(QPainter &p) const;

    QPointer<QWidget> m_home;
    QRect m_frame;
    double m_frameScale = 1.0;
    QRect m_ringTarget;
    double m_ring = -1.0;
    double m_ringScale = 1.0;
};

} // namespace pelumo
