#pragma once

#include "ui/Canvas.h"

#include <QImage>
#include <QWidget>

/// Fills a 32-bit image with one colour by plain stores. QImage::fill runs a vectorised routine
/// that leaves the upper halves of the AVX registers dirty, which makes the scalar floating point
/// of the paint handler that follows it about twice as slow (measured on the escape-time figures).
void eraseImage(QImage &image, Rgb color);

/// The child drawing surface of a black-frame static: an image of its own, framed in black.
class ChildSurface : public QWidget
{
public:
    explicit ChildSurface(QWidget *parent) : QWidget(parent) {}

    /// The surface's image, as large as the control at `ratio` image pixels per control pixel (the
    /// device pixel ratio); new pixels are white.
    QImage &image(qreal ratio);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
