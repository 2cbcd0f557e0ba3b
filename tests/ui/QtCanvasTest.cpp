#include "ui/QtCanvas.h"
#include "ui/FontMap.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

QImage blank(int width = 10, int height = 10, QImage::Format format = QImage::Format_RGB32,
             Rgb color = Colors::White)
{
    QImage image(width, height, format);
    image.fill(QColor::fromRgb(color));
    return image;
}

Rgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// The pixels of one row (or column) from `first` to `last` inclusive, as colours.
std::vector<Rgb> row(const QImage &image, int y, int first, int last)
{
    std::vector<Rgb> out;
    for (int x = first; x <= last; ++x)
        out.push_back(at(image, x, y));
    return out;
}

int countOf(const QImage &image, Rgb color, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(image, x, y) == color;
    return n;
}

} // namespace

TEST(QtCanvas, AxisAlignedLinesStopShortOfTheEndPoint)
{
    struct Case
    {
        Point from, to;
        QRect drawn; // the pixels that must carry the pen colour
    };
    const Case cases[] = {
        {{2, 4}, {7, 4}, QRect(2, 4, 5, 1)}, // rightwards: 2..6
        {{7, 4}, {2, 4}, QRect(3, 4, 5, 1)}, // leftwards: 7..3
        {{4, 1}, {4, 8}, QRect(4, 1, 1, 7)}, // downwards
        {{4, 8}, {4, 1}, QRect(4, 2, 1, 7)}, // upwards
    };
    for (const Case &c : cases) {
        QImage image = blank();
        {
            QtCanvas canvas(image);
            PenScope pen(canvas, Pen{PenStyle::Solid, 1, Colors::Red});
            canvas.moveTo(c.from.x, c.from.y);
            canvas.lineTo(c.to.x, c.to.y);
            EXPECT_EQ(canvas.currentPosition(), c.to);
        }
        EXPECT_EQ(countOf(image, Colors::Red, c.drawn), c.drawn.width() * c.drawn.height());
        EXPECT_EQ(countOf(image, Colors::White, image.rect()),
                  100 - c.drawn.width() * c.drawn.height())
            << "from " << c.from.x << "," << c.from.y;
        EXPECT_EQ(at(image, c.to.x, c.to.y), Colors::White);
    }
}

TEST(QtCanvas, FillRectLeavesRightAndBottomEdgesAndKeepsTheBrush)
{
    QImage image = blank();
    {
        QtCanvas canvas(image);
        canvas.fillRect({2, 3, 6, 8}, Colors::Blue);
        canvas.fillRect({9, 9, 5, 5}, Colors::Red); // inverted: nothing
        EXPECT_EQ(canvas.brush(), Brush{});
    }
    EXPECT_EQ(countOf(image, Colors::Blue, QRect(2, 3, 4, 5)), 20);
    EXPECT_EQ(countOf(image, Colors::Blue, image.rect()), 20);
    EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 0);
}

TEST(QtCanvas, DottedPenLeavesGapsOnlyWhenOnePixelWideAndWidePensAreSolidAndCrisp)
{
    struct Case
    {
        Pen pen;
        int firstRow, lastRow; // the rows the line covers from x = 1 to x = 17
        int gaps;              // white pixels among them in row 5
    };
    const Case cases[] = {
        {Pen{PenStyle::Dot, 1, Colors::Black}, 5, 5, 8}, // three on, three off from the start
        {Pen{PenStyle::Dot, 2, Colors::Black}, 5, 5, 0},
        {Pen{PenStyle::Solid, 3, Colors::Black}, 4, 6, 0},
    };
    for (const Case &c : cases) {
        QImage image = blank(20, 10);
        {
            QtCanvas canvas(image);
            PenScope pen(canvas, c.pen);
            canvas.moveTo(1, 5);
            canvas.lineTo(19, 5);
        }
        const std::vector<Rgb> pixels = row(image, 5, 1, 17);
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Colors::White), c.gaps) << c.pen.width;
        EXPECT_EQ(pixels[0], Colors::Black);
        for (int y = c.firstRow; y <= c.lastRow && c.gaps == 0; ++y)
            EXPECT_EQ(row(image, y, 1, 17), std::vector<Rgb>(17, Colors::Black)) << y;
        EXPECT_EQ(countOf(image, Colors::White, QRect(0, 0, 20, c.firstRow - 1)),
                  20 * (c.firstRow - 1));
    }
}

TEST(QtCanvas, RectangleOutlinesTheBoxAndFillsInside)
{
    for (bool hollow : {false, true}) {
        QImage image = blank();
        {
            QtCanvas canvas(image);
            PenScope pen(canvas, Pen{PenStyle::Solid, 1, Colors::Red});
            BrushScope brush(canvas, hollow ? Brush::none() : Brush::solid(Colors::Blue));
            canvas.rectangle(2, 2, 8, 7);
        }
        const Rgb inside = hollow ? Colors::White : Colors::Blue;
        EXPECT_EQ(row(image, 2, 2, 7), std::vector<Rgb>(6, Colors::Red));
        EXPECT_EQ(row(image, 6, 2, 7), std::vector<Rgb>(6, Colors::Red));
        EXPECT_EQ(row(image, 4, 1, 8),
                  (std::vector<Rgb>{Colors::White, Colors::Red, inside, inside, inside, inside,
                                    Colors::Red, Colors::White}));
        EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 2 * 6 + 2 * 3);
        EXPECT_EQ(countOf(image, Colors::White, QRect(0, 7, 10, 3)), 30);
    }
}

TEST(QtCanvas, NullPenDrawsNoOutline)
{
    QImage image = blank();
    {
        QtCanvas canvas(image);
        PenScope pen(canvas, Pen{PenStyle::Null, 1, Colors::Red});
        BrushScope brush(canvas, Brush::solid(Colors::Blue));
        canvas.moveTo(0, 0);
        canvas.lineTo(9, 9);
        canvas.rectangle(1, 1, 4, 4);
        const Point square[] = {{5, 5}, {9, 5}, {9, 8}, {5, 8}};
        canvas.polygon(square);
    }
    EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 0);
    EXPECT_EQ(countOf(image, Colors::Blue, QRect(1, 1, 3, 3)), 9);
    // Without an outline a polygon fills exactly the pixels inside its corners.
    EXPECT_EQ(countOf(image, Colors::Blue, QRect(5, 5, 4, 3)), 12);
    EXPECT_EQ(countOf(image, Colors::Blue, image.rect()), 9 + 12);
}

TEST(QtCanvas, EllipseAndRoundRectStayInsideTheirBox)
{
    QImage image = blank(20, 20);
    {
        QtCanvas canvas(image);
        PenScope pen(canvas, Pen{PenStyle::Solid, 1, Colors::Black});
        BrushScope brush(canvas, Brush::solid(Colors::Blue));
        canvas.ellipse(0, 0, 10, 10);
        canvas.roundRect(10, 10, 20, 20);
    }
    EXPECT_EQ(at(image, 5, 5), Colors::Blue);
    EXPECT_NE(at(image, 0, 5), Colors::White); // the outline touches the left edge of the box
    EXPECT_NE(at(image, 5, 9), Colors::White); // and the last row inside it
    EXPECT_EQ(row(image, 10, 0, 9), std::vector<Rgb>(10, Colors::White));
    EXPECT_EQ(at(image, 15, 15), Colors::Blue);
    EXPECT_EQ(at(image, 15, 10), Colors::Black);
    EXPECT_EQ(at(image, 19, 15), Colors::Black);
    EXPECT_GT(qGray(image.pixel(10, 10)), 128); // the corner is cut off
}

TEST(QtCanvas, ArcFollowsRaysOnANonCircularEllipse)
{
    // Ellipse through pixel centres with half axes 20 and 10 about (20.5, 10.5).
    QImage image = blank(41, 21);
    {
        QtCanvas canvas(image);
        // From the ray at 45 degrees counter-clockwise to the ray pointing left.
        canvas.arc(0, 0, 41, 21, 31, 0, 0, 10);
    }
    auto inked = [&](int x0, int y0, int x1, int y1) {
        return countOf(image, Colors::White, QRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1)) <
               (x1 - x0 + 1) * (y1 - y0 + 1);
    };
    EXPECT_TRUE(inked(19, 0, 21, 1));   // the top of the ellipse
    EXPECT_TRUE(inked(0, 9, 1, 11));    // the left end
    EXPECT_TRUE(inked(27, 0, 29, 2));   // where the 45-degree ray meets the ellipse
    EXPECT_FALSE(inked(33, 2, 36, 4));  // beyond it (where parameter 45 degrees would be)
    EXPECT_FALSE(inked(38, 6, 40, 14)); // the right end
    EXPECT_FALSE(inked(5, 14, 35, 20)); // the lower half
}

TEST(QtCanvas, ClipRestrictsPaintingAndPixelWrites)
{
    QImage image = blank();
    {
        QtCanvas canvas(image);
        {
            ClipScope clip(canvas, Rect{2, 2, 5, 5});
            canvas.fillRect({0, 0, 10, 10}, Colors::Blue);
            canvas.setPixel(7, 7, Colors::Red);
            BrushScope brush(canvas, Brush::solid(Colors::Red));
            canvas.ellipse(-20, -20, 30, 30);
        }
        canvas.setPixel(8, 8, Colors::Red);
    }
    EXPECT_EQ(countOf(image, Colors::Red, QRect(2, 2, 3, 3)), 9);
    EXPECT_EQ(countOf(image, Colors::White, image.rect()), 100 - 9 - 1);
    EXPECT_EQ(at(image, 8, 8), Colors::Red);
}

TEST(QtCanvas, PixelRunsHonourClipAndBoundsOnEverySurface)
{
    const std::vector<Rgb> colors(30, Colors::Red);
    enum class Surface
    {
        Rgb32,
        Argb32Premultiplied,
        Rgb888,
        BorrowedPainter
    };
    for (Surface surface : {Surface::Rgb32, Surface::Argb32Premultiplied, Surface::Rgb888,
                            Surface::BorrowedPainter}) {
        QImage image =
            blank(10, 10,
                  surface == Surface::Rgb888                ? QImage::Format_RGB888
                  : surface == Surface::Argb32Premultiplied ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
        auto draw = [&](Canvas &canvas) {
            canvas.setPixelRun(-20, -1, colors);
            canvas.setPixelRun(-20, 10, colors);
            canvas.setPixelRun(-5, 0, colors); // clipped by the image: 0..9
            ClipScope clip(canvas, Rect{3, 0, 6, 10});
            canvas.setPixelRun(-5, 4, colors); // clipped by the clip: 3..5
            canvas.setPixelRun(1, 6, std::span(colors).first(3));
            canvas.setPixel(7, 4, Colors::Blue);
        };
        if (surface == Surface::BorrowedPainter) {
            QPainter painter(&image);
            QtCanvas canvas(painter, Size{10, 10});
            draw(canvas);
        } else {
            QtCanvas canvas(image);
            draw(canvas);
        }
        const int kind = static_cast<int>(surface);
        EXPECT_EQ(countOf(image, Colors::Red, QRect(0, 0, 10, 1)), 10) << kind;
        EXPECT_EQ(countOf(image, Colors::Red, QRect(3, 4, 3, 1)), 3) << kind;
        EXPECT_EQ(at(image, 3, 6), Colors::Red) << kind;
        EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 14) << kind;
        EXPECT_EQ(countOf(image, Colors::Blue, image.rect()), 0) << kind;
    }
}

TEST(QtCanvas, FarReachingCoordinatesAreCutToTheSurfaceOnEveryPath)
{
    constexpr int kFar = 2'000'000'000;
    const std::vector<Rgb> colors(40, Colors::Red);
    for (bool direct : {true, false}) {
        QImage image = blank(20, 20, direct ? QImage::Format_RGB32 : QImage::Format_RGB888);
        {
            QtCanvas canvas(image);
            canvas.moveTo(-kFar, 2);
            canvas.lineTo(kFar, 2);
            {
                PenScope pen(canvas, Pen{PenStyle::Dot, 1, Colors::Black});
                canvas.moveTo(4, kFar);
                canvas.lineTo(4, -kFar); // upwards from far below: ends in the dot pattern
            }
            canvas.setPixelRun(kFar - 5, 6, colors);
            canvas.setPixelRun(-kFar, 7, colors);
            canvas.setPixelRun(-30, 8, colors); // x = 0..9
            ClipScope clip(canvas, Rect{-kFar, 10, kFar, 12});
            canvas.fillRect({-kFar, -kFar, kFar, kFar}, Colors::Blue);
            BrushScope hollow(canvas, Brush::none());
            canvas.ellipse(-kFar, -kFar, kFar, kFar);
            canvas.arc(-kFar, 0, kFar, 20, kFar, 0, -kFar, 0);
        }
        EXPECT_EQ(row(image, 2, 0, 19), std::vector<Rgb>(20, Colors::Black)) << direct;
        int dots = 0;
        for (int y = 3; y < 20; ++y)
            dots += at(image, 4, y) == Colors::Black;
        EXPECT_GT(dots, 3);
        EXPECT_LT(dots, 14);
        EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 10);
        EXPECT_EQ(countOf(image, Colors::Red, QRect(0, 8, 10, 1)), 10);
        EXPECT_EQ(countOf(image, Colors::Blue, QRect(0, 10, 20, 2)), 40);
        EXPECT_EQ(countOf(image, Colors::Blue, image.rect()), 40);
    }
}

TEST(QtCanvas, DirectPixelWritesAndPainterShareTheImageEvenWhenItWasShared)
{
    QImage image = blank();
    const QImage earlierCopy = image;
    {
        QtCanvas canvas(image);
        canvas.setPixel(1, 1, Colors::Red);
        BrushScope brush(canvas, Brush::solid(Colors::Blue));
        PenScope pen(canvas, Pen{PenStyle::Solid, 2, Colors::Blue});
        canvas.ellipse(4, 4, 10, 10);
        canvas.setPixel(2, 1, Colors::Red);
    }
    EXPECT_EQ(at(image, 1, 1), Colors::Red);
    EXPECT_EQ(at(image, 2, 1), Colors::Red);
    EXPECT_EQ(at(image, 7, 7), Colors::Blue);
    EXPECT_EQ(countOf(earlierCopy, Colors::White, earlierCopy.rect()), 100);
}

TEST(QtCanvas, BorrowedPainterScalesEverythingAndGetsItsStateBack)
{
    QImage image = blank(20, 20);
    QPainter painter(&image);
    painter.scale(2, 2);
    const QPen before(Qt::green);
    painter.setPen(before);
    {
        QtCanvas canvas(painter, Size{10, 10});
        EXPECT_EQ(canvas.size(), (Size{10, 10}));
        canvas.setPixel(1, 1, Colors::Red);
        canvas.setClip(Rect{0, 0, 1, 1});
    }
    EXPECT_EQ(painter.pen(), before);
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(countOf(image, Colors::Red, QRect(2, 2, 2, 2)), 4);
    EXPECT_EQ(countOf(image, Colors::Red, image.rect()), 4);
}

TEST(QtCanvas, TextSitsBelowItsTopLeftAndFillsItsCellOnlyWhenOpaque)
{
    for (BkMode mode : {BkMode::Opaque, BkMode::Transparent}) {
        QImage image = blank(60, 30, QImage::Format_RGB32, Colors::Yellow);
        Size extent;
        {
            QtCanvas canvas(image);
            canvas.setBkMode(mode);
            FontScope font(canvas, Font{16, 0, 128, u"MS Serif"});
            extent = canvas.textExtent(u"Ax");
            canvas.textOut(5, 8, u"Ax");
        }
        ASSERT_GT(extent.cx, 0);
        const QRect cell(5, 8, extent.cx, extent.cy);
        const int whites = countOf(image, Colors::White, cell);
        if (mode == BkMode::Opaque)
            EXPECT_GT(whites, cell.width() * cell.height() / 2);
        else
            EXPECT_EQ(whites, 0);
        // Nothing lands above or to the left of the cell.
        EXPECT_EQ(countOf(image, Colors::Yellow, QRect(0, 0, 60, 8)), 60 * 8);
        EXPECT_EQ(countOf(image, Colors::Yellow, QRect(0, 0, 5, 30)), 5 * 30);
        EXPECT_LT(countOf(image, Colors::Yellow, cell), cell.width() * cell.height());
    }
}

TEST(FontMap, CellHeightIsAscentPlusDescentAtOrJustBelowTheRequest)
{
    for (const char16_t *face :
         {u"MS Serif", u"ＭＳ 明朝", u"ＭＳ　ゴシック", u"system", u"Unknown"}) {
        for (int height : {8, 12, 14, 16, 21, 32}) {
            for (int weight : {0, 700}) {
                const QFont font = qtFont(Font{height, weight, 128, face});
                const QFontMetrics metrics(font);
                EXPECT_LE(metrics.ascent() + metrics.descent(), height) << height;
                QFont larger = font;
                larger.setPixelSize(font.pixelSize() + 1);
                const QFontMetrics largerMetrics(larger);
                EXPECT_GT(largerMetrics.ascent() + largerMetrics.descent(), height) << height;
                EXPECT_EQ(font.bold(), weight == 700);
            }
        }
    }
    QImage image = blank();
    QtCanvas canvas(image);
    canvas.select(Font{20, 0, 0, u"MS Serif"});
    const TextMetrics tm = canvas.textMetrics();
    EXPECT_EQ(tm.height, canvas.textExtent(u"x").cy);
    EXPECT_LE(tm.height, 20);
    EXPECT_GT(tm.ascent, tm.height / 2);
    EXPECT_GT(tm.aveCharWidth, 0);
}

#ifndef _WIN32
TEST(FontMap, ClassicFacesMapToLatinThenJapaneseFamilies)
{
    struct Case
    {
        std::u16string_view face;
        QStringList families;
    };
    const Case cases[] = {
        {u"MS Serif", {"Liberation Serif", "IPAPMincho"}},
        {u"ＭＳ 明朝", {"IPAMincho"}},
        {u"ＭＳ　ゴシック", {"IPAGothic"}},
        {u"ＭＳ ゴシック", {"IPAPGothic"}}, // an ordinary space is another face
        {u"ＭＳ Ｐゴシック", {"IPAPGothic"}},
        {u"MS UI Gothic", {"IPAPGothic"}},
        {u"system", {"IPAPGothic"}},
        {u"", {"IPAPGothic"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fontFamilies(c.face), c.families) << c.families.join(',').toStdString();
    EXPECT_EQ(dialogFont(u"system", 10).pixelSize(), 13);
    EXPECT_EQ(dialogFont(u"MS UI Gothic", 12).pixelSize(), 16);
    EXPECT_EQ(dialogFont(u"ＭＳ Ｐゴシック", 9).pixelSize(), 12);
}
#endif

TEST(QtCanvas, IconsAreDrawnIntoTheirThirtyTwoPixelSquare)
{
    for (StockIcon icon : {StockIcon::Application, StockIcon::Warning, StockIcon::Question}) {
        QImage image = blank(40, 40);
        {
            QtCanvas canvas(image);
            canvas.drawIcon(4, 4, icon);
        }
        EXPECT_LT(countOf(image, Colors::White, QRect(4, 4, 32, 32)), 32 * 32 - 100)
            << static_cast<int>(icon);
        EXPECT_EQ(countOf(image, Colors::White, image.rect()) -
                      countOf(image, Colors::White, QRect(4, 4, 32, 32)),
                  40 * 40 - 32 * 32);
    }
}

TEST(QtCanvas, BitmapIsAndedOntoTheSurface)
{
    QImage image = blank(40, 40, QImage::Format_RGB32, Colors::Cyan);
    {
        QtCanvas canvas(image);
        canvas.drawBitmap(0, 0, 999); // unknown: nothing
    }
    ASSERT_EQ(countOf(image, Colors::Cyan, image.rect()), 40 * 40);

    const QImage marker(QStringLiteral(":/images/marker114.xpm"));
    if (marker.isNull()) GTEST_SKIP() << "marker bitmap 114 is not in the resources yet";
    {
        QtCanvas canvas(image);
        canvas.drawBitmap(2, 3, 114);
    }
    const QImage source = marker.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(source.height(), 37); ++y) {
        for (int x = 0; x < std::min(source.width(), 38); ++x) {
            const QRgb s = source.pixel(x, y);
            const Rgb expected = qAlpha(s) == 0 ? Colors::Cyan : (s & Colors::Cyan);
            ASSERT_EQ(at(image, x + 2, y + 3), expected) << x << "," << y;
        }
    }
}
