#include "game/landscape_image.h"

#include <QMouseEvent>
#include <QPainter>

LandscapeImage::LandscapeImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(canvas_.width(), canvas_.height());
}

void LandscapeImage::show_now()
{
    const QRect r = canvas_.take_dirty();
    if (!r.isEmpty() && isVisible())
        repaint(r);
}

void LandscapeImage::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.drawImage(e->rect(), canvas_.image(), e->rect());
}

void LandscapeImage::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    emit mouseUp(e->button(), e->modifiers(), pos.x(), pos.y());
}
