#include "fractal/Fractal.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> entries(const CFractal &window, int id)
{
    std::vector<std::u16string> list;
    for (int i = 0; i < window.comboCount(id); ++i)
        list.push_back(window.comboEntry(id, i));
    return list;
}

int countPrefix(const std::vector<std::string> &lines, const std::string &prefix)
{
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string &l) { return l.rfind(prefix, 0) == 0; }));
}

Rgb pixel(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

class FractalWindow : public ::testing::Test
{
protected:
    void SetUp() override { window.initialize(); }
    void choose(int kind, int count, int parameter)
    {
        ASSERT_TRUE(window.selectComboEntry(CFractal::kKindCombo, kind));
        ASSERT_TRUE(window.selectComboEntry(CFractal::kCountCombo, count));
        ASSERT_TRUE(window.selectComboEntry(CFractal::kParameterCombo, parameter));
    }

    CFractal window;
};

TEST_F(FractalWindow, EachKindFillsItsCombosAndSelectsItsDefaults)
{
    const std::vector<std::u16string> angles = {u"15°", u"20°", u"25°", u"30°",
                                                u"35°", u"40°", u"45°", u"50°"};
    const std::vector<std::u16string> depths = {u" 1", u" 2", u" 3", u" 4", u" 5",
                                                u" 6", u" 7", u" 8", u" 9", u"10"};
    const std::vector<std::u16string> limits = {u"20", u"22", u"24", u"26", u"28",
                                                u"30", u"32", u"34", u"36", u"38"};
    struct Row
    {
        int kind;
        std::vector<std::u16string> counts;
        std::vector<std::u16string> parameters;
        std::u16string label;
        int parameter;
    };
    const Row rows[] = {
        {0, limits, {u"0.01", u"0.001", u"0.0001"}, u"間隔", 0},
        {1,
         limits,
         {u"0.375-0.100i", u"0.375-0.125i", u"0.285", u"0.285+0.012i", u"-0.775", u"-0.775+0.125i",
          u"-0.825", u"-0.825+0.125i"},
         u"γ=",
         2},
        {2, depths, angles, u"角度", 1},
        {3, depths, angles, u"角度", 1},
        {4, depths, angles, u"角度", 1},
        {5, depths, angles, u"角度", 1},
        {6, depths, angles, u"角度", 1},
    };
    EXPECT_EQ(window.comboCount(CFractal::kKindCombo), 7);
    EXPECT_EQ(window.comboEntry(CFractal::kKindCombo, 6), u"ｼｪﾙﾋﾟﾝｽｷｰ･ｶﾞｽｹｯﾄ");
    EXPECT_EQ(window.checkState(CFractal::kAxisCheck), 0);
    EXPECT_EQ(window.comboSelection(CFractal::kKindCombo), 0);
    EXPECT_EQ(entries(window, CFractal::kCountCombo), limits);
    EXPECT_EQ(window.controlText(CFractal::kParameterLabel), u"間隔");
    // Start from other selections each time: a kind change resets both of them.
    for (const Row &row : rows) {
        window.selectComboEntry(CFractal::kCountCombo, 4);
        window.selectComboEntry(CFractal::kParameterCombo, 0);
        ASSERT_TRUE(window.selectComboEntry(CFractal::kKindCombo, row.kind));
        EXPECT_EQ(entries(window, CFractal::kCountCombo), row.counts) << row.kind;
        EXPECT_EQ(window.comboSelection(CFractal::kCountCombo), 0) << row.kind;
        EXPECT_EQ(entries(window, CFractal::kParameterCombo), row.parameters) << row.kind;
        EXPECT_EQ(window.comboSelection(CFractal::kParameterCombo), row.parameter) << row.kind;
        EXPECT_EQ(window.controlText(CFractal::kParameterLabel), row.label) << row.kind;
    }
}

TEST_F(FractalWindow, EscapeTimePixelsAreThePaletteColoursOfTheirPoints)
{
    for (int kind : {0, 1}) {
        choose(kind, 9, kind == 0 ? 0 : 5);
        const Rect figure = window.figureRect();
        const PaletteImage expected = EscapeTimeImage(
            static_cast<FractalKind>(kind), 9, kind == 0 ? 0 : 5, Rect{0, 42, 544, 355}, figure);
        const QImage &image = window.surface();
        // Between the titles and the note at the bottom only the set is drawn.
        for (int y = 90; y < 320; ++y)
            for (int x = figure.left; x < figure.right; ++x) {
                const int index = expected.at(x, y);
                const Rgb want = index < 0 ? LessonWindow::kBackground
                                           : kSystemPalette[static_cast<std::size_t>(index)];
                ASSERT_EQ(pixel(image, x, y), want) << kind << " at " << x << "," << y;
            }
    }
}

TEST_F(FractalWindow, NothingIsDrawnBesideTheFigureRectangle)
{
    // The finest zoom reaches right of the figure rectangle, where later changes never repaint.
    choose(0, 9, 2);
    window.invalidate();
    const QImage &image = window.surface();
    for (int y = 0; y < image.height(); ++y)
        for (int x = window.figureRect().right; x < image.width(); ++x)
            ASSERT_EQ(pixel(image, x, y), LessonWindow::kBackground) << x << "," << y;
}

TEST_F(FractalWindow, TriangleFiguresDrawThreeLinesPerTriangle)
{
    for (int kind : {2, 3})
        for (int count = 0; count < 10; ++count) {
            choose(kind, count, 1);
            EXPECT_EQ(countPrefix(window.recordPaint(), "line "), 3 << count)
                << kind << " count " << count;
        }
}

// The start triangle has its apex up: (0.5, sqrt(3)/6) over the base from (0, 0) to (1, 0), 240
// pixels to the unit about the origin (136, 219), y growing upwards. Cedar's second map turns its
// triangle over, ((2X + 1) / 3, -2Y / 3), so that one points down.
TEST_F(FractalWindow, TriangleFiguresPointTheirApexUpAboutTheOrigin)
{
    const std::vector<std::string> start = {"move 376 219", "line 256 149", "line 136 219",
                                            "line 376 219"};
    const std::vector<std::string> turned = {"move 376 219", "line 296 265", "line 216 219",
                                             "line 376 219"};
    for (int kind : {2, 3}) {
        choose(kind, 0, 1);
        const auto lines = window.recordPaint();
        EXPECT_NE(std::search(lines.begin(), lines.end(), start.begin(), start.end()), lines.end())
            << kind;
    }
    choose(3, 1, 1);
    const auto cedar = window.recordPaint();
    EXPECT_NE(std::search(cedar.begin(), cedar.end(), turned.begin(), turned.end()), cedar.end());
}

TEST_F(FractalWindow, LevyAndCauliflowerSegmentCounts)
{
    for (int count = 0; count < 10; ++count) {
        choose(5, count, 1);
        EXPECT_EQ(countPrefix(window.recordPaint(), "line "), (4 << count) - 2) << count;
        choose(4, count, 3);
        EXPECT_EQ(countPrefix(window.recordPaint(), "line "), (2 << count) - 1) << count;
    }
}

TEST_F(FractalWindow, PascalSpacingFollowsTheAngleEntry)
{
    for (int parameter = 0; parameter < 8; ++parameter) {
        choose(6, 1, parameter);
        std::vector<int> row1;
        for (const std::string &line : window.recordPaint()) {
            int x = 0;
            int y = 0;
            const bool one = line.size() > 4 && line.ends_with(" \"1\"");
            if (one && std::sscanf(line.c_str(), "text %d %d", &x, &y) == 2 && y == 90)
                row1.push_back(x);
        }
        // Row 1 holds two "1"s, the spacing apart, centred on the figure.
        ASSERT_EQ(row1.size(), 2u) << parameter;
        EXPECT_EQ(row1[1] - row1[0], parameter + 8);
        EXPECT_EQ(row1[0] + row1[1], 2 * 226 - (parameter + 8) + 2 * ((parameter + 8) / 2));
    }
}

TEST_F(FractalWindow, PascalTriangleIsBlueAndCountsItsOnes)
{
    choose(6, 9, 1);
    const auto lines = window.recordPaint();
    // Rows 0..17: sum over r of 2^(bits of r).
    int ones = 0;
    for (int r = 0; r < 18; ++r)
        ones += 1 << __builtin_popcount(static_cast<unsigned>(r));
    EXPECT_EQ(countPrefix(lines, "text "), ones + 2); // and the two hints
    EXPECT_NE(std::find(lines.begin(), lines.end(), "textcolor #0000ff"), lines.end());
}

TEST_F(FractalWindow, AxesAppearOnlyAfterTheNextRepaint)
{
    choose(2, 0, 1);
    // The Koch figure's origin is (544 / 4, (355 + 84) / 2) = (136, 219); its vertical axis runs
    // from y = 90 down.
    const QImage before = window.surface().copy();
    EXPECT_EQ(pixel(before, 136, 100), LessonWindow::kBackground);
    EXPECT_EQ(pixel(before, 60, 219), LessonWindow::kBackground);
    ASSERT_TRUE(window.pressButton(CFractal::kAxisCheck));
    EXPECT_EQ(window.checkState(CFractal::kAxisCheck), 1);
    EXPECT_EQ(window.surface(), before);
    window.invalidate();
    EXPECT_EQ(pixel(window.surface(), 136, 100), Colors::Black);
    EXPECT_EQ(pixel(window.surface(), 60, 219), Colors::Black);
    const auto lines = window.recordPaint();
    EXPECT_EQ(countPrefix(lines, "line "), 3 + 2);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 132 74 \"y\""), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 420 211 \"x\""), lines.end());

    ASSERT_TRUE(window.pressButton(CFractal::kAxisCheck));
    EXPECT_EQ(window.checkState(CFractal::kAxisCheck), 0);
    EXPECT_EQ(countPrefix(window.recordPaint(), "line "), 3);
}

TEST_F(FractalWindow, PascalTriangleNeverShowsAxes)
{
    ASSERT_TRUE(window.pressButton(CFractal::kAxisCheck));
    choose(6, 3, 1);
    const auto lines = window.recordPaint();
    EXPECT_EQ(countPrefix(lines, "line "), 0);
    EXPECT_EQ(countPrefix(lines, "move "), 0);
}

TEST_F(FractalWindow, EveryComboChangeRepaintsAtOnce)
{
    const std::pair<int, int> changes[] = {{CFractal::kKindCombo, 1},
                                           {CFractal::kCountCombo, 9},
                                           {CFractal::kParameterCombo, 0},
                                           {CFractal::kKindCombo, 5}};
    for (const auto &[id, index] : changes) {
        const QImage before = window.surface().copy();
        ASSERT_TRUE(window.selectComboEntry(id, index));
        EXPECT_NE(window.surface(), before) << id << " = " << index;
    }
}

} // namespace

TEST_F(FractalWindow, AtPixelRatioTwoTheFigureIsTwiceAsFineAndItsLinesStayCrisp)
{
    choose(0, 9, 0);
    const QImage single = window.surface().copy();
    window.setSurfaceRatio(2);
    ASSERT_TRUE(window.pressButton(CFractal::kAxisCheck));
    window.invalidate();
    const QImage &twice = window.surface();
    ASSERT_EQ(twice.size(), QSize(2 * 544, 2 * 355));
    EXPECT_EQ(twice.devicePixelRatio(), 2.0);

    // Every point of the set is a 2 x 2 block of its 1x colour (left of the axis letter "a").
    for (int y = 100; y < 300; ++y)
        for (int x = 0; x < window.figureRect().right - 40; ++x) {
            if (x == 272 || y == 198) continue; // the axes, drawn only now
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i)
                    ASSERT_EQ(pixel(twice, 2 * x + i, 2 * y + j), pixel(single, x, y))
                        << x << "," << y;
        }
    // The 1-pixel axes through the origin (272, 198) are 2 image pixels wide, with no blur beside.
    const std::vector<Rgb> across = {LessonWindow::kBackground, Colors::Black, Colors::Black,
                                     LessonWindow::kBackground};
    EXPECT_EQ((std::vector<Rgb>{pixel(twice, 543, 184), pixel(twice, 544, 184),
                                pixel(twice, 545, 184), pixel(twice, 546, 184)}),
              across);
    EXPECT_EQ((std::vector<Rgb>{pixel(twice, 120, 395), pixel(twice, 120, 396),
                                pixel(twice, 120, 397), pixel(twice, 120, 398)}),
              across);
}
