// The scan-line walk of QtCanvas: solid lines up to 3 pixels wide written straight into the image.
#include "ui/QtCanvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage blank(int width, int height, qreal ratio = 1.0)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

void drawLine(QImage &image, Point from, Point to, int width,
              std::optional<Rect> clip = std::nullopt)
{
    QtCanvas canvas(image);
    canvas.setAntialiasedLines(false);
    canvas.setClip(clip);
    PenScope pen(canvas, Pen{PenStyle::Solid, width, Colors::Black});
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

Pixels blackPixels(const QImage &image, int dx = 0, int dy = 0)
{
    Pixels out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == 0) out.insert({x + dx, y + dy});
    return out;
}

// Width x width blocks with their top-left corner width / 2 above and left of each point.
Pixels blocks(const Pixels &points, int width)
{
    Pixels out;
    for (auto [x, y] : points)
        for (int j = 0; j < width; ++j)
            for (int i = 0; i < width; ++i)
                out.insert({x - width / 2 + i, y - width / 2 + j});
    return out;
}

} // namespace

TEST(QtCanvasLine, WalksEveryOctantAndLeavesTheEndPoint)
{
    // From (10, 10), five steps along the longer axis and two along the shorter one: the shorter
    // coordinate follows the ideal line rounded (0, 0.4, 0.8, 1.2, 1.6 -> 0, 0, 1, 1, 2).
    struct Case
    {
        Point to;
        Pixels drawn;
    };
    const Case cases[] = {
        {{15, 12}, {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}}},
        {{12, 15}, {{10, 10}, {10, 11}, {11, 12}, {11, 13}, {12, 14}}},
        {{8, 15}, {{10, 10}, {10, 11}, {9, 12}, {9, 13}, {8, 14}}},
        {{5, 12}, {{10, 10}, {9, 10}, {8, 11}, {7, 11}, {6, 12}}},
        {{5, 8}, {{10, 10}, {9, 10}, {8, 9}, {7, 9}, {6, 8}}},
        {{8, 5}, {{10, 10}, {10, 9}, {9, 8}, {9, 7}, {8, 6}}},
        {{12, 5}, {{10, 10}, {10, 9}, {11, 8}, {11, 7}, {12, 6}}},
        {{15, 8}, {{10, 10}, {11, 10}, {12, 9}, {13, 9}, {14, 8}}},
        {{14, 14}, {{10, 10}, {11, 11}, {12, 12}, {13, 13}}}, // the diagonal
        {{10, 10}, {}},                                       // zero length: nothing
    };
    for (const Case &c : cases) {
        QImage image = blank(20, 20);
        drawLine(image, {10, 10}, c.to, 1);
        EXPECT_EQ(blackPixels(image), c.drawn) << "to " << c.to.x << "," << c.to.y;
    }
}

TEST(QtCanvasLine, WidePensStampABlockAtEveryStep)
{
    const Pixels steps = {{10, 10}, {11, 10}, {12, 11}, {13, 11}, {14, 12}};
    for (int width = 1; width <= 3; ++width) {
        QImage image = blank(20, 20);
        drawLine(image, {10, 10}, {15, 12}, width);
        EXPECT_EQ(blackPixels(image), blocks(steps, width)) << width;
    }
    // Wider pens and dotted slanted lines go through the painter: still drawn, on the line.
    QImage image = blank(20, 20);
    drawLine(image, {2, 2}, {17, 12}, 4);
    EXPECT_EQ(image.pixel(10, 7) & 0xFFFFFF, 0u);
}

TEST(QtCanvasLine, EdgesAndClipCutTheSamePixelsAsAnUnclippedWalk)
{
    // Each line is drawn once on a 12 x 12 image (or under a clip) and once on a 60 x 60 image
    // shifted by 24: the small picture must be exactly the big one's window.
    struct Case
    {
        Point from, to;
        std::optional<Rect> clip;
    };
    const Case cases[] = {
        {{-7, -3}, {18, 9}, {}},    // in through the left edge, out through the right
        {{5, 20}, {2, -15}, {}},    // steep, upwards through bottom and top
        {{-10, 20}, {20, -10}, {}}, // the anti-diagonal through a corner
        {{11, 3}, {30, 4}, {}},     // starts on the last column
        {{3, 3}, {9, 8}, Rect{4, 2, 7, 7}},
        {{-20, 6}, {25, 7}, Rect{2, 5, 10, 8}},
    };
    for (const Case &c : cases) {
        for (int width = 1; width <= 3; ++width) {
            QImage small = blank(12, 12);
            drawLine(small, c.from, c.to, width, c.clip);
            QImage big = blank(60, 60);
            drawLine(big, {c.from.x + 24, c.from.y + 24}, {c.to.x + 24, c.to.y + 24}, width);
            Pixels window;
            const Rect visible = c.clip.value_or(Rect{0, 0, 12, 12});
            for (auto [x, y] : blackPixels(big, -24, -24))
                if (visible.contains(x, y) && x >= 0 && y >= 0 && x < 12 && y < 12)
                    window.insert({x, y});
            EXPECT_EQ(blackPixels(small), window)
                << c.from.x << "," << c.from.y << " width " << width;
            EXPECT_FALSE(window.empty());
        }
    }
}

TEST(QtCanvasLine, FarAwayEndPointsDrawOnlyTheVisibleStretchOfTheExactLine)
{
    // A line from two billion pixels away through the image: the walk starts where the image
    // begins, with the minor coordinate of the exact line there, y = y0 + round(k * dy / dx).
    constexpr int kFar = 2'000'000'000;
    struct Case
    {
        Point from, to;
    };
    const Case cases[] = {
        {{-kFar, -kFar / 2}, {30, 25}}, // slope 1/2 from far up-left, ends inside
        {{-kFar, 7}, {kFar, 8}},        // nearly flat across the whole int range
        {{kFar, kFar}, {-kFar, -kFar}}, // the diagonal, backwards
        {{13, 2}, {-kFar, kFar / 3}},   // from inside to far down-left
    };
    for (const Case &c : cases) {
        QImage image = blank(40, 40);
        drawLine(image, c.from, c.to, 1);
        // Every column carries at most one pixel of an x-major line, on the exact line.
        const long double dx = static_cast<long double>(c.to.x) - c.from.x;
        const long double dy = static_cast<long double>(c.to.y) - c.from.y;
        const Pixels drawn = blackPixels(image);
        EXPECT_FALSE(drawn.empty()) << c.from.x;
        for (auto [x, y] : drawn) {
            const long double ideal = c.from.y + (static_cast<long double>(x) - c.from.x) * dy / dx;
            EXPECT_LE(std::abs(static_cast<double>(ideal - y)), 0.5 + 1e-6) << x << "," << y;
        }
        std::set<int> columns;
        for (auto [x, y] : drawn)
            EXPECT_TRUE(columns.insert(x).second) << "column " << x << " twice";
    }
}

TEST(QtCanvasLine, AtRatioTwoEveryCanvasPixelIsTwoByTwoImagePixels)
{
    // A 10 x 10 canvas on a 20 x 20 image: a 1-pixel line is 2 image pixels thick, crisp, and
    // still stops short of its end point; a slanted one is as thick across its longer axis.
    QImage image = blank(20, 20, 2.0);
    {
        QtCanvas canvas(image);
        EXPECT_EQ(canvas.size(), (Size{10, 10}));
    }
    drawLine(image, {1, 1}, {4, 1}, 1);
    Pixels expected;
    for (int x = 2; x < 8; ++x)
        expected.insert({{x, 2}, {x, 3}});
    EXPECT_EQ(blackPixels(image), expected);

    QImage slanted = blank(20, 20, 2.0);
    drawLine(slanted, {1, 1}, {7, 4}, 1);
    const Pixels drawn = blackPixels(slanted);
    for (int x = 2; x < 14; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 20; ++y)
            inColumn += drawn.count({x, y}) != 0 ? 1 : 0;
        EXPECT_GE(inColumn, 2) << x;
        EXPECT_LE(inColumn, 3) << x;
    }
    EXPECT_EQ(drawn.count({14, 8}), 0u); // the end point (7, 4) starts at image pixel (14, 8)
    EXPECT_EQ(drawn.count({2, 2}), 1u);
}
