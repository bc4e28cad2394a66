#include "widgets/ScaledLayout.h"
#include "widgets/FlexGrid.h"
#include <QWidget>

namespace pelumo {

void ScaledLayout::place(QWidget *widget, const QRect &twips, const FontSpec &font)
{
    Item &item = m_items[widget];
    item.twips = twips;
    item.font = font;
    apply(widget, item);
}

void ScaledLayout::setGeometry(QWidget *widget, const QRect &twips)
{
    Item &item = m_items[widget];
    item.twips = twips;
    widget->setGeometry(m_scale.toPixels(twips));
}

void ScaledLayout::setLeftTop(QWidget *widget, int left, int top)
{
    QRect r = geometry(widget);
    r.moveTo(left, top);
    setGeometry(widget, r);
}

void ScaledLayout::setHeight(QWidget *widget, int heightTwips)
{
    QRect r = geometry(widget);
    r.setHeight(heightTwips);
    setGeometry(widget, r);
}

void ScaledLayout::setFontPoints(QWidget *widget, double points)
{
    Item &item = m_items[widget];
    item.font.points = points;
    apply(widget, item);
}

QRect ScaledLayout::geometry(QWidget *widget) const
{
    return m_items.value(widget).twips;
}

double ScaledLayout::fontPoints(QWidget *widget) const
{
    return m_items.value(widget).font.points;
}

void ScaledLayout::setScale(Scale scale)
{
    m_scale = scale;
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        apply(it.key(), it.value());
}

void ScaledLayout::apply(QWidget *widget, const Item &item) const
{
    if (auto *grid = qobject_cast<FlexGrid *>(widget))
        grid->setScale(m_scale);
    widget->setGeometry(m_scale.toPixels(item.twips));
    if (item.font.points > 0) {
        QFont f = widget->font();
        if (!item.font.face.isEmpty())
            f.setFamily(item.font.face);
        f.setPixelSize(m_scale.fontPixels(item.font.points));
        f.setBold(item.font.bold);
        widget->setFont(f);
    }
}

} // namespace pelumo
