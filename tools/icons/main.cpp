// tessaryn-icons: writes the application icon as hicolor theme icons for installation: PNG files
// of the usual sizes and a scalable SVG, all drawn from the one 32 x 32 program icon.
//   tessaryn-icons OUTDIR NAME
// writes OUTDIR/hicolor/<n>x<n>/apps/NAME.png and OUTDIR/hicolor/scalable/apps/NAME.svg.

#include "resources/images/tessaryn.xpm"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <array>
#include <cstdio>

namespace {

constexpr std::array kPngSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// Whole multiples keep the pixel look of the icon; smaller sizes are averaged.
QImage scaled(const QImage &icon, int size)
{
    const Qt::TransformationMode mode =
        size % icon.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

// One rectangle per run of equal pixels of a row; transparent pixels are left out.
QString svgOf(const QImage &icon)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << icon.width() << "\" height=\""
        << icon.height() << "\" viewBox=\"0 0 " << icon.width() << ' ' << icon.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width();) {
            const QRgb pixel = icon.pixel(x, y);
            int end = x + 1;
            while (end < icon.width() && icon.pixel(end, y) == pixel)
                ++end;
            if (qAlpha(pixel) != 0) {
                out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(pixel).name() << "\"/>\n";
            }
            x = end;
        }
    }
    out << "</svg>\n";
    return svg;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: tessaryn-icons OUTDIR NAME\n", stderr);
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage icon = QImage(tessaryn_xpm).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) return 1;
    for (int size : kPngSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        if (!QDir().mkpath(dir) || !scaled(icon, size).save(dir + '/' + name + ".png")) {
            std::fprintf(stderr, "tessaryn-icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    const QString scalable = outDir + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable) ||
        !writeFile(scalable + '/' + name + ".svg", svgOf(icon).toUtf8())) {
        std::fprintf(stderr, "tessaryn-icons: cannot write %s\n", qPrintable(scalable));
        return 1;
    }
    return 0;
}
