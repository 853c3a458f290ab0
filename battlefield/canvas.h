#pragma once
// The drawing surface of the battlefield picture, with the conventions the game's drawing
// is written for: lines leave out their end point, filled rectangles leave out their right
// column and bottom row, a pattern brush is anchored at the origin, and a wide pen draws
// round dots. It remembers which area it changed, so that showing a change repaints only
// that area.
#include "game/colors.h"

#include <QImage>
#include <QRect>

class Canvas {
public:
    Canvas(int width = 800, int height = 424);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    const QImage& image() const { return image_; }

    void set_pen_color(Color c) { pen_color_ = c; }
    void set_pen_width(int w) { pen_width_ = w < 1 ? 1 : w; }
    Color pen_color() const { return pen_color_; }
    int pen_width() const { return pen_width_; }

    // A colour drops any pattern: every later fill is solid again.
    void set_brush_color(Color c)
    {
        brush_color_ = c;
        pattern_ = nullptr;
        pattern_pixels_ = QImage();
    }
    // The picture repeats from the canvas origin. The canvas keeps its own shared copy of
    // the pixels, so releasing the picture while it is still the brush cannot leave the
    // canvas reading freed memory; brush_pattern() only tells which picture was set.
    void set_brush_pattern(const QImage* pattern);
    Color brush_color() const { return brush_color_; }
    const QImage* brush_pattern() const { return pattern_; }

    void move_to(int x, int y)
    {
        pen_x_ = x;
        pen_y_ = y;
    }
    // From the pen position to (x, y), without (x, y); the pen then stands at (x, y).
    // A zero-length line draws one dot of the pen's width. A wide pen puts a dot on every
    // point of the line; a width-w dot covers the offsets -w/2 .. w-1-w/2 in each
    // direction, trimmed to a disc.
    void line_to(int x, int y);
    void line(int x1, int y1, int x2, int y2)
    {
        move_to(x1, y1);
        line_to(x2, y2);
    }

    // Pen outline (one pixel) and brush fill; corners in either order, larger x and y
    // left out.
    void rectangle(int x1, int y1, int x2, int y2);
    // Brush only.
    void fill_rect(int x1, int y1, int x2, int y2);
    // The ellipse inside the bounding box (larger x and y left out), filled with the brush
    // and outlined with the pen: pixels whose centres lie inside it are painted, and those
    // of them with a neighbour outside take the pen.
    void ellipse(int x1, int y1, int x2, int y2);

    // Copies a whole picture onto the canvas at the origin.
    void draw_image(const QImage& source);

    Color pixel(int x, int y) const;
    void set_pixel(int x, int y, Color c);

    // The area changed since the last call, and forgets it.
    QRect take_dirty();
    QRect dirty() const { return dirty_; }

private:
    struct Bounds;
    struct Surface;

    Surface surface();
    void mark(const Bounds& b);
    void dot(Surface& s, int x, int y, QRgb c, Bounds& b);
    void brush_span(Surface& s, int x1, int x2, int y, Bounds& b);

    QImage image_;
    QRect dirty_;
    Color pen_color_ = clBlack;
    int pen_width_ = 1;
    Color brush_color_ = clWhite;
    const QImage* pattern_ = nullptr;
    QImage pattern_pixels_;
    int pen_x_ = 0;
    int pen_y_ = 0;
};

// 0x00BBGGRR <-> Qt's 0xAARRGGBB.
QRgb to_qrgb(Color c);
Color from_qrgb(QRgb c);
