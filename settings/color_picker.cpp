#include "settings/color_picker.h"

#include <QPainter>
#include <QPixmap>

namespace {

QColor na_qcolor(Color c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QPixmap vzorek(Color c)
{
    QPixmap p(16, 12);
    p.fill(na_qcolor(c));
    QPainter g(&p);
    g.setPen(Qt::black);
    g.drawRect(0, 0, p.width() - 1, p.height() - 1);
    return p;
}

} // namespace

ColorPicker::ColorPicker(QWidget* parent) : QComboBox(parent)
{
    setIconSize(QSize(16, 12));
    for (const NamedColor& b : barvy_vyberu)
        addItem(QIcon(vzorek(b.value)), QString::fromLatin1(b.name), QVariant::fromValue(b.value));
}

Color ColorPicker::selected() const { return currentData().value<Color>(); }

void ColorPicker::select(Color c)
{
    const int i = findData(QVariant::fromValue(c));
    if (i >= 0)
        setCurrentIndex(i);
}
