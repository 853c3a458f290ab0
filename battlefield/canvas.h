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
    }
    // The picture repeats from the canvas origin; the canvas does not own it.
    void set_brush_pattern(const QImage* pattern) { pattern_ = pattern; }
    Color brush_color() const { return brush_color_; }
    const QImage* brush_pattern() const { return pattern_; }

    void move_to(int x, int y)
    {
        pen_x_ = x;
        pen_y_ = y;
    }
    // From the pen position to (x, y), without (x, y); the pen then stands at (x, y).
    // A zero-length line draws one dot of the pen's width.
    void line_to(int x, int y);
    void line(int x1, int y1, int x2, int y2)
    {
        move_to(x1, y1);
        line_to(x2, y2);
    }

    // Pen outline and brush fill; corners in either order, larger x and y left out.
    void rectangle(int x1, int y1, int x2, int y2);
    // Brush only.
    void fill_rect(int x1, int y1, int x2, int y2);
    // The ellipse inside the bounding box, filled with the brush and outlined with the pen.
    void ellipse(int x1, int y1, int x2, int y2);

    // Copies a whole picture onto the canvas at the origin.
    void draw_image(const QImage& source);

    Color pixel(int x, int y) const;
    void set_pixel(int x, int y, Color c);

    // The area changed since the last call, and forgets it.
    QRect take_dirty();
    QRect dirty() const { return dirty_; }

private:
    void plot(int x, int y, Color c);
    void stamp(int x, int y);
    void fill_span(int x1, int x2, int y);
    Color brush_at(int x, int y) const;

    QImage image_;
    QRect dirty_;
    Color pen_color_ = clBlack;
    int pen_width_ = 1;
    Color brush_color_ = clWhite;
    const QImage* pattern_ = nullptr;
    int pen_x_ = 0;
    int pen_y_ = 0;
};

// 0x00BBGGRR <-> Qt's 0xAARRGGBB.
QRgb to_qrgb(Color c);
Color from_qrgb(QRgb c);
