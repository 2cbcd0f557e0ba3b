#include "mathcore/FigureHelpers.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Layout units cw = 10 and ch = 20; texts in a 20-pixel font, 10 pixels per ASCII character.
class FigureHelpers : public ::testing::Test
{
protected:
    FigureHelpers()
    {
        canvas.select(Font{20, 0, 0, u"MS Serif"});
        canvas.clearLines();
        metrics.m_unitX = 10;
        metrics.m_unitY = 20;
    }

    // The value panel of 's'ine, 'c'osine or 't'angent at (100, 50) without caption.
    int panel(char function, int angle)
    {
        if (function == 's')
            return DrawSinValue(angle, 50, canvas, metrics, 100, Colors::Blue, false);
        if (function == 'c')
            return DrawCosValue(angle, 50, canvas, metrics, 100, Colors::Blue, false);
        return DrawTanValue(canvas, metrics, 100, 50, angle, Colors::Blue, false);
    }

    std::vector<std::string> texts() const { return linesStartingWith("text "); }

    std::vector<std::string> linesStartingWith(std::string_view prefix) const
    {
        std::vector<std::string> out;
        for (const std::string &line : canvas.lines()) {
            if (line.starts_with(prefix)) out.push_back(line);
        }
        return out;
    }

    RecordingCanvas canvas;
    LessonMetrics metrics;
};

} // namespace

TEST_F(FigureHelpers, RadicalSignWritesOnlyIndicesOtherThanOneAndTwo)
{
    DrawRadicalSign(u"12", metrics, canvas, 100, 50, 3, Colors::Red);
    const std::vector<std::string> expected = {
        "pen solid 1 #ff0000", "move 90 60",
        "line 95 67",          "line 100 46",
        "line 120 46",         R"(font 15 700 0 "MS Serif")",
        R"(text 90 46 "3")",   R"(font 20 0 0 "MS Serif")",
        "pen solid 1 #000000",
    };
    EXPECT_EQ(canvas.lines(), expected);
    EXPECT_EQ(metrics.m_scratchText, u"3");

    for (const int index : {1, 2}) {
        canvas.clearLines();
        DrawRadicalSign(u"12", metrics, canvas, 100, 50, index, Colors::Red);
        EXPECT_TRUE(texts().empty()) << index;
        EXPECT_EQ(canvas.lines().size(), 6u);
    }
}

TEST_F(FigureHelpers, ExactValuePanelsPlaceSignsBarsAndRoots)
{
    struct Row
    {
        char function;
        int angle;
        int width;
        std::string drawn; // texts and lines without the pens, joined by " | "
    };
    const Row rows[] = {
        // Bar at y + ch/2 and 3cw long; numerator at (x + cw, y - ch/2) under its root sign.
        {'s', 45, 30,
         R"(move 100 60 | line 130 60 | text 110 40 "2" | move 100 50 | line 105 57 | )"
         R"(line 110 36 | line 120 36 | text 110 60 "2")"},
        // A negative value: "-", then everything one cw further right.
        {'s', 210, 40,
         R"(text 100 50 "-" | move 112 60 | line 140 60 | text 120 40 "1" | )"
         R"(text 120 60 "2")"},
        {'c', 60, 30, R"(move 100 60 | line 130 60 | text 110 40 "1" | text 110 60 "2")"},
        {'t', 60, 30, R"(text 110 50 "3" | move 100 60 | line 105 67 | line 110 46 | line 120 46)"},
        {'t', 120, 50,
         R"(text 100 50 "-" | text 120 50 "3" | move 110 60 | line 115 67 | line 120 46 | )"
         R"(line 130 46)"},
        {'t', 30, 30,
         R"(move 100 60 | line 130 60 | text 110 40 "1" | text 110 62 "3" | move 100 72 | )"
         R"(line 105 79 | line 110 58 | line 120 58)"},
        {'t', 150, 40,
         R"(text 100 50 "-" | move 112 60 | line 140 60 | text 120 40 "1" | text 120 62 "3" | )"
         R"(move 110 72 | line 115 79 | line 120 58 | line 130 58)"},
        {'t', 270, 20, R"(text 100 50 "∞")"},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        EXPECT_EQ(panel(row.function, row.angle), row.width) << row.function << row.angle;
        std::string drawn;
        for (const std::string &line : canvas.lines()) {
            if (!line.starts_with("pen ")) drawn += (drawn.empty() ? "" : " | ") + line;
        }
        EXPECT_EQ(drawn, row.drawn) << row.function << row.angle;
    }
}

TEST_F(FigureHelpers, OtherAnglesAreWrittenAsDecimals)
{
    struct Row
    {
        char function;
        int angle;
        std::string text;
    };
    const Row rows[] = {
        {'s', 0, "0.000"},   {'s', 90, "1.000"},   {'s', 10, "0.174"},  {'c', 180, "-1.000"},
        {'c', 90, "0.000"},  {'t', 45, "1.000"},   {'t', 0, "0.000"},   {'t', 180, "0.000"},
        {'t', 360, "0.000"}, {'t', 135, "-1.000"}, {'t', 89, "57.290"},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        const int width = panel(row.function, row.angle);
        EXPECT_EQ(texts(), std::vector<std::string>{"text 100 50 \"" + row.text + '"'})
            << row.function << row.angle;
        EXPECT_EQ(width, static_cast<int>(row.text.size()) * 10);
    }
}

TEST_F(FigureHelpers, ValuesComeFromTheWindowsCircleConstant)
{
    EXPECT_EQ(LessonMetrics{}.m_circleConstant, 3.1415926535);
    metrics.m_circleConstant = 3.0; // a window with a cruder constant gets its own values
    DrawSinValue(90, 50, canvas, metrics, 100, Colors::Blue, false);
    DrawTanValue(canvas, metrics, 100, 50, 45, Colors::Blue, false);
    DrawArrow(canvas, metrics, 0, 50, 100, 50);
    EXPECT_EQ(texts(),
              (std::vector<std::string>{R"(text 100 50 "0.997")", R"(text 100 50 "0.932")"}));
    EXPECT_EQ(linesStartingWith("move "),
              (std::vector<std::string>{"move 0 50", "move 92 46", "move 92 53"}));
}

TEST_F(FigureHelpers, CaptionStacksTheDefinitionBeforeTheValue)
{
    // "sin30ﾟ=" is seven narrow characters: 70 pixels; the value starts 5cw further on.
    EXPECT_EQ(DrawSinValue(30, 50, canvas, metrics, 100, Colors::Blue, true), 70 + 50 + 30);
    const std::vector<std::string> expected = {
        R"(text 100 50 "sin30ﾟ=")", R"(text 170 50 "──=")", R"(text 178 42 "AH")",
        R"(text 178 58 "OA")",      R"(text 230 40 "1")",   R"(text 230 60 "2")",
    };
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(metrics.m_scratchText, u"sin30ﾟ=");
}

TEST_F(FigureHelpers, SigmaCarriesItsLimitsAboveAndBelow)
{
    DrawSigma(20, canvas, 50, 20);
    const std::vector<std::string> expected = {
        R"(text 20 50 "∑")",   R"(font 10 700 0 "MS Serif")", R"(text 25 38 "n")",
        R"(text 20 61 "k=1")", R"(font 20 0 0 "MS Serif")",
    };
    EXPECT_EQ(canvas.lines(), expected);
}

TEST_F(FigureHelpers, ArrowBarbsEndAtTheTipWithStartsTruncatedTowardsZero)
{
    struct Row
    {
        int x1, y1, x2, y2;
        std::vector<std::string> expected;
    };
    const Row rows[] = {
        {0,
         50,
         100,
         50,
         {"move 0 50", "line 100 50", "move 93 46", "line 100 50", "move 93 53", "line 100 50"}},
        // -93.07 and +-3.99999 truncate to -93 and +-3, not to the floor.
        {0,
         0,
         -100,
         0,
         {"move 0 0", "line -100 0", "move -93 3", "line -100 0", "move -93 -3", "line -100 0"}},
        {0,
         0,
         0,
         100,
         {"move 0 0", "line 0 100", "move 3 93", "line 0 100", "move -3 93", "line 0 100"}},
        {5, 5, 5, 5, {"move 5 5", "line 5 5"}},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        DrawArrow(canvas, metrics, row.x1, row.y1, row.x2, row.y2);
        EXPECT_EQ(canvas.lines(), row.expected);
    }
}
