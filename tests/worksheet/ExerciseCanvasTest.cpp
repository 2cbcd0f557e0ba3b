#include "drill/ExerciseCanvas.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Row
{
    const char *what;
    std::function<void(Canvas &)> draw;
    Rect bounds;                     ///< in exercise coordinates
    std::vector<std::string> target; ///< what reaches the target, offset (100, 200)
};

} // namespace

TEST(ExerciseCanvas, PassesOperationsShiftedAndKeepsTheirBox)
{
    // The recording target measures a character below U+0100 as height/2 wide: 8 for the
    // default height of 16.
    const Row rows[] = {
        {"text",
         [](Canvas &c) { c.textOut(16, 18, u"ab"); },
         Rect{16, 18, 32, 34},
         {R"(text 116 218 "ab")"}},
        {"line up and left",
         [](Canvas &c) {
             c.moveTo(40, 30);
             c.lineTo(10, 5);
         },
         Rect{10, 5, 41, 31},
         {"move 140 230", "line 110 205"}},
        // The upper half of a circle of radius 10 about (20, 20): from the right end over the top
        // to the left end; the lower half stays out of the box.
        {"upper half arc",
         [](Canvas &c) { c.arc(10, 10, 30, 30, 30, 20, 10, 20); },
         Rect{10, 10, 31, 21},
         {"arc 110 210 130 230 130 220 110 220"}},
        {"fill",
         [](Canvas &c) {
             c.fillRect(Rect{3, 4, 5, 9}, Colors::Red);
         },
         Rect{3, 4, 5, 9},
         {"fill 103 204 105 209 #ff0000"}},
    };
    for (const Row &row : rows) {
        RecordingCanvas target;
        ExerciseCanvas canvas(target, Point{100, 200});
        row.draw(canvas);
        EXPECT_EQ(canvas.bounds(), row.bounds) << row.what;
        std::vector<std::string> drawn;
        for (const std::string &line : target.lines())
            if (line.rfind("text ", 0) == 0 || line.rfind("line ", 0) == 0 ||
                line.rfind("move ", 0) == 0 || line.rfind("arc ", 0) == 0 ||
                line.rfind("fill ", 0) == 0)
                drawn.push_back(line);
        EXPECT_EQ(drawn, row.target) << row.what;
    }
}

TEST(ExerciseCanvas, LeavesOutTheFirstOperationsButKeepsTheirObjects)
{
    RecordingCanvas target;
    ExerciseCanvas canvas(target, Point{0, 0}, 2);
    canvas.setTextColor(Colors::Red);
    canvas.textOut(0, 0, u"question");
    canvas.moveTo(0, 0);
    canvas.lineTo(50, 0);
    canvas.textOut(10, 40, u"A");
    EXPECT_EQ(canvas.operations(), 3);
    EXPECT_EQ(canvas.bounds(), (Rect{10, 40, 18, 56}));
    const std::vector<std::string> expected = {"textcolor #ff0000", R"(text 10 40 "A")"};
    std::vector<std::string> drawn;
    for (const std::string &line : target.lines())
        if (line.rfind("text", 0) == 0 || line.rfind("line", 0) == 0) drawn.push_back(line);
    EXPECT_EQ(drawn, expected);
}

TEST(ExerciseCanvas, MeasuresWithoutDrawing)
{
    RecordingCanvas target;
    ExerciseCanvas canvas(target, Point{5, 5}, 0, false);
    canvas.textOut(0, 0, u"あ");
    canvas.rectangle(-3, 2, 4, 30);
    EXPECT_TRUE(target.lines().empty());
    EXPECT_EQ(canvas.bounds(), (Rect{-3, 0, 16, 30}));
}
