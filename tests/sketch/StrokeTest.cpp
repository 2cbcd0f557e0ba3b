#include "sketch/Stroke.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <climits>

TEST(Stroke, PacksSigned16BitCoordinatesXLowYHigh)
{
    struct Row
    {
        int x, y;
        std::uint32_t packed;
        Point back;
    };
    const Row rows[] = {
        {3, 5, 0x00050003, {3, 5}},
        {-1, -1, 0xFFFFFFFF, {-1, -1}},
        {1, -2, 0xFFFE0001, {1, -2}},
        {-32768, 32767, 0x7FFF8000, {-32768, 32767}},
        // Beyond 16 bits the coordinates wrap, as the packing takes them modulo 2^16.
        {70000, 0, 0x00001170, {4464, 0}},
        {0, 40000, 0x9C400000, {0, -25536}},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(CStroke::packPoint(r.x, r.y), r.packed) << r.x << "," << r.y;
        EXPECT_EQ(CStroke::unpackPoint(r.packed), r.back) << r.x << "," << r.y;
    }
}

TEST(Stroke, DrawsThePolylineMirroredByMode)
{
    CStroke stroke(3);
    stroke.appendPoint(10, 20);
    stroke.appendPoint(30, -5);
    stroke.appendPoint(-7, 40);
    stroke.setMirrorCentre({100, 50});

    struct Row
    {
        SymmetryMode mode;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {kSymmetryNone,
         {"pen solid 3 #000000", "move 10 20", "line 30 -5", "line -7 40", "pen solid 1 #000000"}},
        {kSymmetryPoint,
         {"pen solid 3 #000000", "move 190 80", "line 170 105", "line 207 60",
          "pen solid 1 #000000"}},
        {kSymmetryLine,
         {"pen solid 3 #000000", "move 190 20", "line 170 -5", "line 207 40",
          "pen solid 1 #000000"}},
        // Any other non-zero mode mirrors about the vertical line, as line symmetry does.
        {7,
         {"pen solid 3 #000000", "move 190 20", "line 170 -5", "line 207 40",
          "pen solid 1 #000000"}},
    };
    for (const Row &r : rows) {
        RecordingCanvas canvas;
        stroke.DrawStroke(canvas, r.mode);
        EXPECT_EQ(canvas.lines(), r.lines) << "mode " << r.mode;
    }
}

TEST(Stroke, DrawsNothingWithoutPointsAndOnlyMovesForOnePoint)
{
    RecordingCanvas canvas;
    CStroke stroke(2);
    stroke.DrawStroke(canvas, kSymmetryPoint);
    EXPECT_TRUE(canvas.lines().empty());

    stroke.appendPoint(-4, 9);
    stroke.setMirrorCentre({0, 0});
    stroke.DrawStroke(canvas, kSymmetryPoint);
    const std::vector<std::string> expected = {"pen solid 2 #000000", "move 4 -9",
                                               "pen solid 1 #000000"};
    EXPECT_EQ(canvas.lines(), expected);
}

TEST(Stroke, MirrorsAboutAnExtremeCentreWithoutOverflow)
{
    RecordingCanvas canvas;
    CStroke stroke(1);
    stroke.appendPoint(-5, 5);
    stroke.setMirrorCentre({INT_MAX, INT_MIN});
    stroke.DrawStroke(canvas, kSymmetryPoint);
    EXPECT_EQ(canvas.lines()[1], "move " + std::to_string(INT_MAX) + " " + std::to_string(INT_MIN));
}

TEST(Stroke, DrawnWidthIsTheStoredWidthUpToWhatTheSurfaceCanShow)
{
    struct Row
    {
        std::uint32_t width;
        Size surface;
        int drawn;
    };
    const Row rows[] = {
        {2, {640, 400}, 2},        {0, {640, 400}, 0},
        {2082, {640, 400}, 2082},  {2083, {640, 400}, 2082},
        {65535, {640, 400}, 2082}, {7, {0, 0}, 2},
        {7, {-5, -5}, 2},          {0xFFFFFFFFu, {INT_MAX, INT_MAX}, INT_MAX},
    };
    for (const Row &row : rows)
        EXPECT_EQ(CStroke::drawnWidth(row.width, row.surface), row.drawn) << row.width;
}

// A pen that covers the whole canvas from an end of one of the stroke's lines fills it black; one
// that does not (the stroke lies far outside, or its only line has no length) strokes the lines
// with the limited width.
TEST(Stroke, APenCoveringTheCanvasFillsItInsteadOfStrokingEachLine)
{
    struct Row
    {
        std::vector<Point> points;
        SymmetryMode mode;
        std::vector<std::string> lines;
    };
    const Row rows[] = {
        {{{100, 100}, {120, 100}}, kSymmetryNone, {"fill 0 0 640 400 #000000"}},
        {{{30000, 30000}, {30001, 30000}},
         kSymmetryNone,
         {"pen solid 2082 #000000", "move 30000 30000", "line 30001 30000", "pen solid 1 #000000"}},
        // Mirrored about (320, 200) the far stroke lands far on the other side.
        {{{30000, 30000}, {30001, 30000}},
         kSymmetryPoint,
         {"pen solid 2082 #000000", "move -29360 -29600", "line -29361 -29600",
          "pen solid 1 #000000"}},
        {{{100, 100}, {100, 100}},
         kSymmetryNone,
         {"pen solid 2082 #000000", "move 100 100", "line 100 100", "pen solid 1 #000000"}},
    };
    for (const Row &row : rows) {
        RecordingCanvas canvas(Size{640, 400});
        CStroke stroke(65535);
        for (const Point p : row.points)
            stroke.appendPoint(p.x, p.y);
        stroke.setMirrorCentre({320, 200});
        stroke.DrawStroke(canvas, row.mode);
        EXPECT_EQ(canvas.lines(), row.lines) << row.points[0].x << " mode " << row.mode;
    }
}
