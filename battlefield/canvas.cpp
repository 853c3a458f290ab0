#include "battlefield/canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

// What one drawing operation touched, collected while it writes and added to the dirty
// area once at its end: a union per pixel would cost more than the pixel itself.
struct Canvas::Bounds {
    int x1 = INT_MAX;
    int y1 = INT_MAX;
    int x2 = INT_MIN;
    int y2 = INT_MIN;

    void add(int xa, int xb, int y)
    {
        x1 = std::min(x1, xa);
        x2 = std::max(x2, xb);
        y1 = std::min(y1, y);
        y2 = std::max(y2, y);
    }
};

// Direct access to the pixels for the length of one operation. Taken anew by every
// operation, because bits() is what detaches the image from a copy someone holds.
struct Canvas::Surface {
    QRgb* base;
    qsizetype stride;
    int w;
    int h;

    QRgb* row(int y) const { return base + stride * y; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Clips the columns x1..x2 of row y; false when nothing of it is on the picture.
    bool clip(int& x1, int& x2, int y) const
    {
        if (y < 0 || y >= h)
            return false;
        x1 = std::max(x1, 0);
        x2 = std::min(x2, w - 1);
        return x1 <= x2;
    }
    // A solid run of columns x1..x2 on row y.
    void span(int x1, int x2, int y, QRgb c, Bounds& b) const
    {
        if (!clip(x1, x2, y))
            return;
        std::fill(row(y) + x1, row(y) + x2 + 1, c);
        b.add(x1, x2, y);
    }
    void plot(int x, int y, QRgb c, Bounds& b) const
    {
        if (!inside(x, y))
            return;
        row(y)[x] = c;
        b.add(x, x, y);
    }
};

Canvas::Canvas(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(to_qrgb(clWhite));
}

Canvas::Surface Canvas::surface()
{
    QRgb* base = reinterpret_cast<QRgb*>(image_.bits());
    return Surface{base, image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)),
                   image_.width(), image_.height()};
}

void Canvas::mark(const Bounds& b)
{
    if (b.x1 > b.x2)
        return;
    dirty_ = dirty_.united(QRect(QPoint(b.x1, b.y1), QPoint(b.x2, b.y2)));
}

void Canvas::set_brush_pattern(const QImage* pattern)
{
    pattern_ = pattern;
    if (pattern && !pattern->isNull())
        pattern_pixels_ = pattern->convertToFormat(QImage::Format_RGB32);
    else
        pattern_pixels_ = QImage();
}

Color Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return 0;
    return from_qrgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

void Canvas::set_pixel(int x, int y, Color c)
{
    Surface s = surface();
    Bounds b;
    s.plot(x, y, to_qrgb(c), b);
    mark(b);
}

// One dot of the pen at (x, y). The disc of a width is the same every time, but widths
// are small (the widest the game uses is 8), so working it out per dot costs little.
void Canvas::dot(Surface& s, int x, int y, QRgb c, Bounds& b)
{
    const int w = pen_width_;
    if (w == 1) {
        s.plot(x, y, c, b);
        return;
    }
    const int lo = -(w / 2);
    const double r2 = (w / 2.0) * (w / 2.0) + 1e-9;
    const double mid = (w - 1) / 2.0;
    for (int i = 0; i < w; ++i) {
        const double cy = i - mid;
        // The disc's columns on this row: |j - mid| <= sqrt(r2 - cy^2).
        const double half = std::sqrt(std::max(0.0, r2 - cy * cy));
        const int j1 = std::max(0, static_cast<int>(std::ceil(mid - half)));
        const int j2 = std::min(w - 1, static_cast<int>(std::floor(mid + half)));
        if (j1 <= j2)
            s.span(x + lo + j1, x + lo + j2, y + lo + i, c, b);
    }
}

void Canvas::line_to(int x, int y)
{
    int x0 = pen_x_;
    int y0 = pen_y_;
    pen_x_ = x;
    pen_y_ = y;
    Surface s = surface();
    Bounds b;
    const QRgb c = to_qrgb(pen_color_);
    if (x0 == x && y0 == y) {
        dot(s, x0, y0, c, b);
    } else if (pen_width_ == 1 && x0 == x) {
        // The ground and the craters are vertical lines: write the column directly.
        int ya = y0 < y ? y0 : y + 1;
        int yb = y0 < y ? y - 1 : y0;
        if (x >= 0 && x < s.w) {
            ya = std::max(ya, 0);
            yb = std::min(yb, s.h - 1);
            for (int r = ya; r <= yb; ++r)
                s.row(r)[x] = c;
            if (ya <= yb) {
                b.add(x, x, ya);
                b.add(x, x, yb);
            }
        }
    } else if (pen_width_ == 1 && y0 == y) {
        s.span(x0 < x ? x0 : x + 1, x0 < x ? x - 1 : x0, y, c, b);
    } else {
        // Bresenham, stopping before the end point.
        const int dx = std::abs(x - x0);
        const int dy = -std::abs(y - y0);
        const int sx = x0 < x ? 1 : -1;
        const int sy = y0 < y ? 1 : -1;
        int err = dx + dy;
        while (x0 != x || y0 != y) {
            dot(s, x0, y0, c, b);
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
    mark(b);
}

// Columns x1..x2 of row y in the brush: its colour, or the pattern row that falls there
// when the pattern repeats from the origin.
void Canvas::brush_span(Surface& s, int x1, int x2, int y, Bounds& b)
{
    if (pattern_pixels_.isNull()) {
        s.span(x1, x2, y, to_qrgb(brush_color_), b);
        return;
    }
    if (!s.clip(x1, x2, y))
        return;
    const int pw = pattern_pixels_.width();
    const QRgb* src = reinterpret_cast<const QRgb*>(
        pattern_pixels_.constScanLine(y % pattern_pixels_.height()));
    QRgb* dst = s.row(y);
    int x = x1;
    while (x <= x2) {
        const int px = x % pw;
        const int n = std::min(pw - px, x2 - x + 1);
        std::memcpy(dst + x, src + px, static_cast<std::size_t>(n) * sizeof(QRgb));
        x += n;
    }
    b.add(x1, x2, y);
}

void Canvas::fill_rect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x1 == x2)
        return;
    Surface s = surface();
    Bounds b;
    for (int y = std::max(y1, 0); y < std::min(y2, s.h); ++y)
        brush_span(s, x1, x2 - 1, y, b);
    mark(b);
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
    Surface s = surface();
    Bounds b;
    const QRgb c = to_qrgb(pen_color_);
    s.span(x1, x2 - 1, y1, c, b);
    s.span(x1, x2 - 1, y2 - 1, c, b);
    for (int y = std::max(y1, 0); y < std::min(y2, s.h); ++y) {
        s.plot(x1, y, c, b);
        s.plot(x2 - 1, y, c, b);
    }
    mark(b);
}

namespace {

// The ellipse inscribed in a box, as the columns of each row whose pixel centres lie in it.
struct EllipseRows {
    int x1, y1, x2, y2;
    double cx, cy, rx, ry;

    EllipseRows(int ax, int ay, int bx, int by)
        : x1(ax), y1(ay), x2(bx), y2(by), cx((ax + bx) / 2.0), cy((ay + by) / 2.0),
          rx((bx - ax) / 2.0), ry((by - ay) / 2.0)
    {
    }

    bool inside(int x, int y) const
    {
        const double nx = (x + 0.5 - cx) / rx;
        const double ny = (y + 0.5 - cy) / ry;
        return nx * nx + ny * ny <= 1.0 + 1e-9;
    }

    // Columns l..r of row y; l > r when the row misses the ellipse. The square root gives
    // the ends closely, the test itself settles the last pixel.
    void span(int y, int& l, int& r) const
    {
        l = 1;
        r = 0;
        if (y < y1 || y >= y2)
            return;
        const double ny = (y + 0.5 - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - ny * ny));
        l = std::max(x1, static_cast<int>(std::floor(cx - half - 0.5)));
        r = std::min(x2 - 1, static_cast<int>(std::ceil(cx + half - 0.5)));
        while (l <= r && !inside(l, y))
            ++l;
        while (l > x1 && inside(l - 1, y))
            --l;
        while (r >= l && !inside(r, y))
            --r;
        while (r < x2 - 1 && inside(r + 1, y))
            ++r;
    }
};

} // namespace

void Canvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    const EllipseRows e(x1, y1, x2, y2);
    Surface s = surface();
    Bounds b;
    const QRgb pen = to_qrgb(pen_color_);
    const int first = std::max(y1, 0);
    const int last = std::min(y2, s.h) - 1;
    int al = 1, ar = 0, l = 1, r = 0, bl = 1, br = 0;
    e.span(first - 1, al, ar);
    e.span(first, l, r);
    for (int y = first; y <= last; ++y) {
        e.span(y + 1, bl, br);
        if (l <= r) {
            brush_span(s, l, r, y, b);
            // A pixel is inside the outline when its neighbours left, right, above and
            // below are in the ellipse too; the spans are intervals, so that is a range.
            const int il = std::max({l + 1, al, bl});
            const int ir = std::min({r - 1, ar, br});
            if (il > ir) {
                s.span(l, r, y, pen, b);
            } else {
                s.span(l, il - 1, y, pen, b);
                s.span(ir + 1, r, y, pen, b);
            }
        }
        al = l;
        ar = r;
        l = bl;
        r = br;
    }
    mark(b);
}

void Canvas::draw_image(const QImage& source)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(src.width(), image_.width());
    const int h = std::min(src.height(), image_.height());
    if (w <= 0 || h <= 0)
        return;
    Surface s = surface();
    for (int y = 0; y < h; ++y)
        std::memcpy(s.row(y), src.constScanLine(y), static_cast<std::size_t>(w) * sizeof(QRgb));
    Bounds b;
    b.add(0, w - 1, 0);
    b.add(0, w - 1, h - 1);
    mark(b);
}

QRect Canvas::take_dirty()
{
    const QRect r = dirty_;
    dirty_ = QRect();
    return r;
}
