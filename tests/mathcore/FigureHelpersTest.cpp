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

TEST_F(FigureHelpers, SineOf45DegreesIsRootTwoOverTwo)
{
    EXPECT_EQ(DrawSinValue(45, 50, canvas, metrics, 100, Colors::Blue, false), 30);
    const std::vector<std::string> expected = {
        "pen solid 1 #0000ff", "move 100 60",         "line 130 60", // bar at y + ch/2, 3cw long
        R"(text 110 40 "2")", // numerator at (x + cw, y - ch/2)
        "pen solid 1 #0000ff", "move 100 50",         "line 105 57",        "line 110 36",
        "line 120 36",         "pen solid 1 #0000ff", R"(text 110 60 "2")", "pen solid 1 #000000",
    };
    EXPECT_EQ(canvas.lines(), expected);
}

TEST_F(FigureHelpers, ExactValuePanelsPlaceSignsBarsAndRoots)
{
    struct Row
    {
        char function;
        int angle;
        int width;
        std::vector<std::string> drawn; // texts and lines, without the pens
    };
    const Row rows[] = {
        {'s',
         210,
         40,
         {R"(text 100 50 "-")", "move 112 60", "line 140 60", R"(text 120 40 "1")",
          R"(text 120 60 "2")"}},
        {'c', 60, 30, {"move 100 60", "line 130 60", R"(text 110 40 "1")", R"(text 110 60 "2")"}},
        {'t',
         60,
         30,
         {R"(text 110 50 "3")", "move 100 60", "line 105 67", "line 110 46", "line 120 46"}},
        {'t',
         120,
         50,
         {R"(text 100 50 "-")", R"(text 120 50 "3")", "move 110 60", "line 115 67", "line 120 46",
          "line 130 46"}},
        {'t',
         30,
         30,
         {"move 100 60", "line 130 60", R"(text 110 40 "1")", R"(text 110 62 "3")", "move 100 72",
          "line 105 79", "line 110 58", "line 120 58"}},
        {'t',
         150,
         40,
         {R"(text 100 50 "-")", "move 112 60", "line 140 60", R"(text 120 40 "1")",
          R"(text 120 62 "3")", "move 110 72", "line 115 79", "line 120 58", "line 130 58"}},
        {'t', 270, 20, {R"(text 100 50 "∞")"}},
    };
    for (const Row &row : rows) {
        canvas.clearLines();
        int width = 0;
        if (row.function == 's')
            width = DrawSinValue(row.angle, 50, canvas, metrics, 100, Colors::Blue, false);
        else if (row.function == 'c')
            width = DrawCosValue(row.angle, 50, canvas, metrics, 100, Colors::Blue, false);
        else
            width = DrawTanValue(canvas, metrics, 100, 50, row.angle, Colors::Blue, false);
        std::vector<std::string> drawn;
        for (const std::string &line : canvas.lines()) {
            if (!line.starts_with("pen ")) drawn.push_back(line);
        }
        EXPECT_EQ(width, row.width) << row.function << row.angle;
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
        int width = 0;
        if (row.function == 's')
            width = DrawSinValue(row.angle, 50, canvas, metrics, 100, Colors::Blue, false);
        else if (row.function == 'c')
            width = DrawCosValue(row.angle, 50, canvas, metrics, 100, Colors::Blue, false);
        else
            width = DrawTanValue(canvas, metrics, 100, 50, row.angle, Colors::Blue, false);
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

    canvas.clearLines();
    DrawCosValue(0, 50, canvas, metrics, 100, Colors::Blue, true);
    DrawTanValue(canvas, metrics, 100, 80, 10, Colors::Blue, true);
    const std::vector<std::string> captions = texts();
    EXPECT_EQ(captions[0], R"(text 100 50 "cos0ﾟ=")");
    EXPECT_EQ(captions[2], R"(text 168 42 "OH")");
    EXPECT_EQ(captions[3], R"(text 168 58 "OA")");
    EXPECT_EQ(captions[4], R"(text 210 50 "1.000")");
    EXPECT_EQ(captions[5], R"(text 100 80 "tan10ﾟ=")");
    EXPECT_EQ(captions[7], R"(text 178 72 "AH")");
    EXPECT_EQ(captions[8], R"(text 178 88 "OH")");
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

TEST_F(FigureHelpers, MaskBitmapIsTheMarkerPicture)
{
    DrawMaskBitmap(canvas, 7, 8);
    EXPECT_EQ(canvas.lines(), std::vector<std::string>{"bitmap 7 8 114"});
}
