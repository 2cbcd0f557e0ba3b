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

QImage &ChildSurface::image(qreal ratio)
{
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(pixels, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(Qt::white);
    }
    return m_image;
}

void ChildSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // At the ratio the window last drew it with; never drawn yet, blank at the screen's.
    painter.drawImage(QPointF(0, 0),
                      image(m_image.isNull() ? devicePixelRatioF() : m_image.devicePixelRatio()));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
