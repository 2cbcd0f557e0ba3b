#include "ui/ChildSurface.h"

#include <QPainter>

#include <algorithm>

void eraseImage(QImage &image, Rgb color)
{
    Q_ASSERT(image.depth() == 32);
    const QRgb pixel = 0xFF000000u | color;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::fill_n(line, image.width(), pixel);
    }
}

QImage &ChildSurface::image()
{
    if (m_image.size() != size()) {
        m_image = QImage(size(), QImage::Format_RGB32);
        m_image.fill(Qt::white);
    }
    return m_image;
}

void ChildSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image());
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
