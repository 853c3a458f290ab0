#include "battlefield/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

QRgb to_qrgb(Color c)
{
    return qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

Color from_qrgb(QRgb c)
{
    return static_cast<Color>(qRed(c)) | (static_cast<Color>(qGreen(c)) << 8)
        | (static_cast<Color>(qBlue(c)) << 16);
}

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(to_qrgb(clWhite));
}

Color Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return 0;
    return from_qrgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Canvas::set_pixel(int x, int y, Color c) { plot(x, y, c); }

void Canvas::plot(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = to_qrgb(c);
    dirty_ = dirty_.united(QRect(x, y, 1, 1));
}

// A dot of the pen's width centred on (x, y): a width-w dot covers the offsets
// -w/2 .. w - 1 - w/2 in each direction, trimmed to a disc.
void Canvas::stamp(int x, int y)
{
    const int w = pen_width_;
    if (w == 1) {
        plot(x, y, pen_color_);
        return;
    }
    const int lo = -(w / 2);
    const double r2 = (w / 2.0) * (w / 2.0);
    for (int dy = lo; dy < lo + w; ++dy) {
        for (int dx = lo; dx < lo + w; ++dx) {
            const double cx = dx - lo - (w - 1) / 2.0;
            const double cy = dy - lo - (w - 1) / 2.0;
            if (cx * cx + cy * cy <= r2 + 1e-9)
                plot(x + dx, y + dy, pen_color_);
        }
    }
}

void Canvas::line_to(int x, int y)
{
    int x0 = pen_x_;
    int y0 = pen_y_;
    pen_x_ = x;
    pen_y_ = y;
    if (x0 == x && y0 == y) {
        stamp(x0, y0);
        return;
    }
    // Bresenham, stopping before the end point.
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        stamp(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

Color Canvas::brush_at(int x, int y) const
{
    if (!pattern_ || pattern_->isNull())
        return brush_color_;
    const int px = x % pattern_->width();
    const int py = y % pattern_->height();
    return from_qrgb(pattern_->pixel(px < 0 ? px + pattern_->width() : px,
                                     py < 0 ? py + pattern_->height() : py));
}

void Canvas::fill_span(int x1, int x2, int y)
{
    if (y < 0 || y >= image_.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, image_.width() - 1);
    for (int x = x1; x <= x2; ++x)
        plot(x, y, brush_at(x, y));
}

void Canvas::fill_rect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    for (int y = y1; y < y2; ++y)
        fill_span(x1, x2 - 1, y);
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    fill_rect(x1, y1, x2, y2);
    const int w = pen_width_;
    pen_width_ = 1;
    for (int x = x1; x < x2; ++x) {
        plot(x, y1, pen_color_);
        plot(x, y2 - 1, pen_color_);
    }
    for (int y = y1; y < y2; ++y) {
        plot(x1, y, pen_color_);
        plot(x2 - 1, y, pen_color_);
    }
    pen_width_ = w;
}

// Pixels whose centres lie inside the ellipse inscribed in the box are filled; the ones
// on its rim, with a neighbour outside, take the pen.
void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0;
    const double ry = (y2 - y1) / 2.0;
    auto inside = [&](int x, int y) {
        const double nx = (x + 0.5 - cx) / rx;
        const double ny = (y + 0.5 - cy) / ry;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    };
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (!inside(x, y))
                continue;
            const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1)
                || !inside(x, y + 1);
            plot(x, y, rim ? pen_color_ : brush_at(x, y));
        }
    }
}

void Canvas::draw_image(const QImage& source)
{
    const int w = std::min(source.width(), image_.width());
    const int h = std::min(source.height(), image_.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            plot(x, y, from_qrgb(source.pixel(x, y)));
}

QRect Canvas::take_dirty()
{
    const QRect r = dirty_;
    dirty_ = QRect();
    return r;
}
