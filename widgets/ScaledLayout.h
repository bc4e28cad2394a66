#pragma once
// Places widgets by twips rectangles and point sizes and keeps them at the
// window's current scale. Every position, size and font of a laid-out form
// goes through here; the handlers read and set heights in twips as the layout
// tables give them.
#include "widgets/Twips.h"
#include <QHash>
#include <QString>

class QWidget;

namespace pelumo {

struct FontSpec {
    QString face;       // "ＭＳ ゴシック" or "ＭＳ Ｐゴシック"; substituted in Fonts.cpp
    double points = 0;  // 0: keep the widget's font
    bool bold = false;
};

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

class ScaledLayout {
public:
    void place(QWidget *widget, const QRect &twips, const FontSpec &font = {});
    void setGeometry(QWidget *widget, const QRect &twips);
    void setLeftTop(QWidget *widget, int left, int top);
    void setHeight(QWidget *widget, int heightTwips);
    void setFontPoints(QWidget *widget, double points);

    QRect geometry(QWidget *widget) const;
    double fontPoints(QWidget *widget) const;

    void setScale(Scale scale);
    Scale scale() const { return m_scale; }

private:
    struct Item {
        QRect twips;
        FontSpec font;
    };
    void apply(QWidget *widget, const Item &item) const;

    QHash<QWidget *, Item> m_items;
    Scale m_scale;
};

} // namespace pelumo
