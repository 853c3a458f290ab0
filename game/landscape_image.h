#pragma once
// The control that shows the battlefield picture. It owns the canvas the game draws on
// and, asked to show a change at once, repaints only the area the canvas changed.
#include "battlefield/canvas.h"

#include <QWidget>

class LandscapeImage : public QWidget {
    Q_OBJECT
public:
    explicit LandscapeImage(QWidget* parent = nullptr);

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

    // Puts what changed on the screen before returning (the image's immediate update).
    void show_now();

signals:
    // Any button released over the picture; x and y in picture pixels.
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Canvas canvas_;
};
