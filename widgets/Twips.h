#pragma once
// Geometry in twips, converted to pixels in one place. The main window's client
// area of 1018 x 741 pixels (15270 x 11115 twips at 15 twips a pixel) is drawn
// at one uniform scale s = min(w / 1018, h / 741), anchored at the top left.
#include "platform/core/DesignSize.h"
#include <QRect>
#include <QSize>
#include <QtMath>

namespace pelumo {
// The wide text layout measures against the form's outer height, which the
// layout counts with a title bar of 405 twips above the client area.
inline constexpr int kTitleBarTwips = 405;

class Scale {
public:
    Scale() = default;
    explicit Scale(double factor) : m_factor(factor) {}
    static Scale forClientSize(QSize size)
    {
        return Scale(qMin(size.width() / double(kDesignClientWidth),
                          size.height() / double(kDesignClientHeight)));
    }
    double factor() const { return m_factor; }
    int toPixels(double twips) const { return qRound(twips * m_factor / kTwipsPerPixel); }
    double toTwips(int pixels) const { return pixels * kTwipsPerPixel / m_factor; }
    QRect toPixels(const QRect &twips) const
    {
        const int l = toPixels(twips.left()), t = toPixels(twips.top());
        return QRect(l, t, toPixels(twips.left() + twips.width()) - l,
                     toPixels(twips.top() + twips.height()) - t);
    }
    // A font of p points is p x 20 twips high.
    int fontPixels(double points) const { return qMax(1, toPixels(points * 20)); }

private:
    double m_factor = 1.0;
};

} // namespace pelumo
