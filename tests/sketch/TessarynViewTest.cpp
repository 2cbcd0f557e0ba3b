#include "sketch/TessarynView.h"
#include "sketch/TessarynDoc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

std::vector<Point> pointsOf(const CStroke &stroke)
{
    std::vector<Point> points;
    for (std::uint32_t packed : stroke.points())
        points.push_back(CStroke::unpackPoint(packed));
    return points;
}

bool isBlack(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 96;
}

/// A view of a document, painted once, as the main window shows it.
struct ViewFixture
{
    explicit ViewFixture(int width = 640, int height = 400)
    {
        doc.OnNewDocument();
        view.resize(width, height);
        view.flushPaint();
    }
    CTessarynDoc doc;
    CTessarynView view{&doc};
};

void sendMouse(QWidget &widget, QEvent::Type type, Qt::MouseButton button, Point p)
{
    const QPointF local(p.x, p.y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, local, widget.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(TessarynView, DragAppendsEveryPointAndMarksTheDocumentModified)
{
    ViewFixture f;
    f.view.OnLButtonDown({100, 100});
    ASSERT_EQ(f.doc.strokes().size(), 1u);
    EXPECT_TRUE(f.doc.isModified());
    EXPECT_TRUE(f.view.hasCapture());
    // Outside the window the grab holds: points go on, negative or beyond the client area.
    f.view.OnMouseMove({-20, 150});
    f.view.OnMouseMove({900, -3});
    f.view.OnLButtonUp({901, 5000});
    EXPECT_FALSE(f.view.hasCapture());
    const std::vector<Point> expected{{100, 100}, {-20, 150}, {900, -3}, {901, 5000}};
    EXPECT_EQ(pointsOf(*f.doc.strokes()[0]), expected);
    EXPECT_EQ(f.doc.strokes()[0]->lineWidth(), 2u);

    // Without the button held, moves and releases do nothing.
    f.view.OnMouseMove({1, 1});
    f.view.OnLButtonUp({2, 2});
    EXPECT_EQ(f.doc.strokes().size(), 1u);
    EXPECT_EQ(f.doc.strokes()[0]->points().size(), 4u);

    // A click without movement: two equal points.
    f.view.dragAlong({{7, 8}});
    ASSERT_EQ(f.doc.strokes().size(), 2u);
    EXPECT_EQ(pointsOf(*f.doc.strokes()[1]), (std::vector<Point>{{7, 8}, {7, 8}}));
}

TEST(TessarynView, MouseEventsDrawOnlyWithTheLeftButton)
{
    ViewFixture f;
    sendMouse(f.view, QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    sendMouse(f.view, QEvent::MouseMove, Qt::RightButton, {6, 6});
    EXPECT_TRUE(f.doc.strokes().empty());

    sendMouse(f.view, QEvent::MouseButtonPress, Qt::LeftButton, {10, 20});
    sendMouse(f.view, QEvent::MouseMove, Qt::LeftButton, {-5, 700});
    sendMouse(f.view, QEvent::MouseButtonRelease, Qt::RightButton, {-6, 701});
    EXPECT_TRUE(f.view.hasCapture());
    sendMouse(f.view, QEvent::MouseButtonRelease, Qt::LeftButton, {30, 40});
    EXPECT_FALSE(f.view.hasCapture());
    ASSERT_EQ(f.doc.strokes().size(), 1u);
    EXPECT_EQ(pointsOf(*f.doc.strokes()[0]), (std::vector<Point>{{10, 20}, {-5, 700}, {30, 40}}));
}

TEST(TessarynView, LiveDrawingAndReleaseFeedbackFollowTheSymmetryMode)
{
    const std::vector<std::string> live = {"pen solid 2 #000000", "move 100 100", "line 150 120"};
    const std::vector<std::string> brace = {"font 48 0 0 \"MS Serif\"", "text 0 58 \"{\"",
                                            "font 16 0 128 \"system\"",
                                            "text 0 110 \"cf.一次変換\""};
    const std::vector<std::string> closing = {"pen solid 2 #000000", "move 150 120", "line 200 200",
                                              "pen solid 1 #000000"};
    struct Row
    {
        SymmetryMode mode;
        std::vector<std::string> mirror;   // after the live line
        std::vector<std::string> formulas; // after the brace
    };
    // An odd width: the live mirror reflects in W - x = 641 - x.
    const Row rows[] = {
        {kSymmetryNone, {}, {}},
        {kSymmetryPoint,
         {"move 541 301", "line 491 281"},
         {"text 20 60 \"x'=-x\"", "text 20 80 \"y'=-y\""}},
        {kSymmetryLine,
         {"move 541 100", "line 491 120"},
         {"text 20 60 \"x'=-x\"", "text 20 80 \"y'=y\"", "pen dot 1 #000000", "move 320 0",
          "line 320 600", "pen solid 1 #000000"}},
    };
    for (const Row &row : rows) {
        ViewFixture f(641, 401);
        f.doc.setSymmetryMode(row.mode);
        std::vector<std::string> lines;
        f.view.recordClientDrawing(&lines);
        f.view.dragAlong({{100, 100}, {150, 120}, {200, 200}});

        std::vector<std::string> expected = live;
        expected.insert(expected.end(), row.mirror.begin(), row.mirror.end());
        expected.push_back("pen solid 1 #000000");
        if (row.mode != kSymmetryNone) expected.insert(expected.end(), brace.begin(), brace.end());
        expected.insert(expected.end(), row.formulas.begin(), row.formulas.end());
        expected.insert(expected.end(), closing.begin(), closing.end());
        EXPECT_EQ(lines, expected) << "mode " << row.mode;
    }
}

TEST(TessarynView, RepaintDrawsIconHintCentreMarkAndEveryStrokeWithItsMirror)
{
    ViewFixture f(641, 401);
    f.view.dragAlong({{100, 100}, {150, 120}});
    f.doc.setSymmetryMode(kSymmetryPoint);

    const std::vector<std::string> lines = f.view.recordPaint();
    const std::vector<std::string> expected = {
        "icon 10 10 application",
        "text 50 2 \"絵をかくには、マウスをドラッグする。(「絵かき」で選択）\"",
        "text 312 192 \"╋\"", "pen solid 2 #000000", "move 100 100", "line 150 120",
        "pen solid 1 #000000",
        // The repaint reflects about the truncated centre (320, 200).
        "pen solid 2 #000000", "move 540 300", "line 490 280", "pen solid 1 #000000"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(f.view.clientRect(), (Rect{0, 0, 641, 401}));

    CTessarynView empty(nullptr);
    EXPECT_TRUE(empty.recordPaint().empty());
}

TEST(TessarynView, TransientDrawingStaysInTheImageUntilTheNextRepaint)
{
    ViewFixture f;
    f.doc.setSymmetryMode(kSymmetryLine);
    f.view.dragAlong({{100, 100}, {150, 100}, {200, 100}});
    const QImage &afterDrag = f.view.surface();
    EXPECT_TRUE(isBlack(afterDrag, 125, 100));        // the live line
    EXPECT_TRUE(isBlack(afterDrag, 640 - 125, 100));  // its live mirror
    EXPECT_TRUE(isBlack(afterDrag, 320, 300));        // the dotted axis, on a dot
    EXPECT_TRUE(isBlack(afterDrag, 175, 100));        // the closing line...
    EXPECT_FALSE(isBlack(afterDrag, 640 - 175, 100)); // ...without its mirror

    // Switching the mode changes nothing until the next repaint, which removes the formulas and
    // the axis and mirrors every stroke.
    f.doc.setSymmetryMode(kSymmetryPoint);
    EXPECT_FALSE(isBlack(f.view.surface(), 640 - 175, 400 - 100));
    f.view.invalidate();
    const QImage &repainted = f.view.surface();
    EXPECT_TRUE(isBlack(repainted, 175, 100));
    EXPECT_TRUE(isBlack(repainted, 640 - 175, 400 - 100));
    EXPECT_FALSE(isBlack(repainted, 640 - 175, 100));
    EXPECT_FALSE(isBlack(repainted, 320, 300));
}

TEST(TessarynView, ClearLeavesTheDocumentUnmodifiedAndEndsADragInProgress)
{
    ViewFixture f;
    f.view.OnLButtonDown({10, 10});
    f.view.OnMouseMove({20, 20});
    ASSERT_TRUE(f.doc.isModified());

    // A clear (or New, or Open) while the button is held deletes the stroke being drawn: the drag
    // ends there, and later moves touch nothing.
    EXPECT_TRUE(f.doc.OnCommand(CTessarynDoc::kCmdClearAll));
    EXPECT_FALSE(f.doc.isModified());
    EXPECT_FALSE(f.view.hasCapture());
    f.view.OnMouseMove({30, 30});
    f.view.OnLButtonUp({40, 40});
    EXPECT_TRUE(f.doc.strokes().empty());
    EXPECT_FALSE(f.doc.isModified());
    EXPECT_FALSE(isBlack(f.view.surface(), 15, 15));
}

// A file of 200 strokes drawn with pen width 65535: the view draws them with a pen no wider than
// twice its width plus height (plus 2), which already covers it from any point on it, so the
// repaint stays quick; the stored width is kept, and the file saves back byte for byte.
TEST(TessarynView, AWidePenIsDrawnOnlyAsWideAsTheViewCanShow)
{
    CTessarynDoc source;
    for (int s = 0; s < 200; ++s) {
        CStroke &stroke = source.AddStroke();
        stroke.setLineWidth(65535);
        for (int i = 0; i < 48; ++i)
            stroke.appendPoint(320 + (s * 7 + i * 13) % 300 - 150,
                               200 + (s * 11 + i * 5) % 160 - 80);
    }
    const std::vector<std::uint8_t> bytes = source.Serialize();

    ViewFixture f;
    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(f.doc.OnOpenDocument(bytes), ArchiveError::None);
    f.view.invalidate();
    const QImage &image = f.view.surface();
    EXPECT_LT(timer.elapsed(), 1000);
    // Every pixel away from the hint and the icon is under the pen.
    EXPECT_TRUE(isBlack(image, 0, 399));
    EXPECT_TRUE(isBlack(image, 639, 399));
    EXPECT_TRUE(isBlack(image, 639, 100));
    EXPECT_EQ(f.doc.strokes()[0]->lineWidth(), 65535u);
    EXPECT_EQ(f.doc.Serialize(), bytes);

    // Each stroke's pen covers the view from its points: the view is filled black once a stroke.
    const std::vector<std::string> lines = f.view.recordPaint();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "fill 0 0 640 400 #000000"), 200);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string &l) { return l.starts_with("line "); }),
              0);
}

// A scripted drag may go anywhere an int reaches: the live mirror (W - x) is computed wide and
// clamped to the int range, and the stored points wrap to 16 bits as always.
TEST(TessarynView, ADragToTheEndsOfTheIntRangeMirrorsWithoutOverflow)
{
    const std::vector<Point> drag = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {-1, INT_MIN}, {5, 5}};
    for (SymmetryMode mode : {kSymmetryPoint, kSymmetryLine}) {
        ViewFixture f(641, 401);
        f.doc.setSymmetryMode(mode);
        std::vector<std::string> lines;
        f.view.recordClientDrawing(&lines);
        f.view.dragAlong(drag);
        const std::string y1 = mode == kSymmetryPoint ? "-2147483246" : "2147483647";
        const std::string y0 = mode == kSymmetryPoint ? "2147483647" : "-2147483648";
        EXPECT_TRUE(std::find(lines.begin(), lines.end(), "move 2147483647 " + y0) != lines.end())
            << mode;
        EXPECT_TRUE(std::find(lines.begin(), lines.end(), "line -2147483006 " + y1) != lines.end())
            << mode;
        ASSERT_EQ(f.doc.strokes().size(), 1u);
        EXPECT_EQ(pointsOf(*f.doc.strokes()[0]),
                  (std::vector<Point>{{0, 0}, {-1, -1}, {-1, 0}, {5, 5}}));
        // And onto the image, under the sanitizers.
        f.view.recordClientDrawing(nullptr);
        f.view.dragAlong(drag);
        f.view.invalidate();
        EXPECT_FALSE(f.view.surface().isNull());
    }
}

TEST(TessarynView, EveryPaintEventDrawsTheDocumentExceptToShowTheMouseFeedback)
{
    ViewFixture f;
    f.view.show();
    QApplication::processEvents();
    f.doc.setSymmetryMode(kSymmetryLine);
    f.view.dragAlong({{100, 100}, {150, 100}, {200, 100}});
    auto formulasShown = [&f] {
        for (int y = 60; y < 100; ++y)
            for (int x = 20; x < 60; ++x)
                if (isBlack(f.view.surface(), x, y)) return true;
        return false;
    };
    // The paint event that brings the drag to the screen keeps the formulas and the axis.
    QApplication::processEvents();
    EXPECT_TRUE(formulasShown());
    EXPECT_TRUE(isBlack(f.view.surface(), 320, 300));

    // After a mode switch a paint event alone (the window uncovered, no resize, no invalidate)
    // draws from the document, only where it was asked for: first the left half...
    f.doc.setSymmetryMode(kSymmetryPoint);
    f.view.repaint(QRect(0, 0, 320, 400));
    EXPECT_FALSE(formulasShown());
    EXPECT_TRUE(isBlack(f.view.surface(), 175, 100));
    EXPECT_TRUE(isBlack(f.view.surface(), 320, 300)); // right of the repainted half
    EXPECT_FALSE(isBlack(f.view.surface(), 640 - 175, 400 - 100));
    // ...then all of it: every stroke with its point mirror, the axis gone.
    f.view.repaint();
    EXPECT_TRUE(isBlack(f.view.surface(), 640 - 125, 400 - 100));
    EXPECT_TRUE(isBlack(f.view.surface(), 640 - 175, 400 - 100));
    EXPECT_FALSE(isBlack(f.view.surface(), 640 - 175, 100));
    EXPECT_FALSE(isBlack(f.view.surface(), 320, 300));
    EXPECT_FALSE(formulasShown());
}
