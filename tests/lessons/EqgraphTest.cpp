#include "lessons/functions/Eqgraph.h"
#include "drill/Drill.h"
#include "tests/lessons/LessonTestSupport.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Template 112 gives a 482 x 292 client: u = 8, v = 20. Mode 0 writes f=g at (32, 140), (3) at
// (32, 160), the discriminant at (16, 200) and the verdict at (32, 220); mode 1 puts the X values
// at x = 48 and 272 on the rows 140..220, the arrows from x = 88 (and 312) to x = 128 (and 352).

void startWith(CEqGraph &window, std::u16string_view f, std::u16string_view g)
{
    window.setControlText(148, f);
    window.setControlText(149, g);
    window.pressButton(104);
}

TEST(EqGraphEquation, OpensOnTheDefaultsWithoutCommonPoints)
{
    CEqGraph window;
    window.initialize();
    EXPECT_EQ(window.controlText(148), u"-x^2+2x+2");
    EXPECT_EQ(window.controlText(149), u"x+5");
    EXPECT_EQ(window.f(), u"-xx+2x+2");
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"fill 8 117 474 243 #ffff00", "textcolor #0000ff",
                                    "icon 352 12 information", "text 392 20 \"数と式\""}));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000",
                                    "text 16 120 \"交点の個数は、(1),(2)の連立方程式の解を調べ"
                                    "ればよい。\""}));
    // -x^2+2x+2=x+5 (12 characters, so the remark stands at (12 + 6)u) becomes -x^2+x-3=0.
    EXPECT_TRUE(hasSequence(lines, {"text 32 140 \"-\"", "text 40 140 \"x\"",
                                    "font 8 0 128 \"system\"", "text 50 138 \"2\""}));
    EXPECT_TRUE(hasLine(lines, "text 144 140 \"を変形して\""));
    EXPECT_TRUE(hasSequence(lines, {"text 54 160 \"+\"", "text 62 160 \"x\"",
                                    "text 70 160 \"-3=0\"", "text 144 160 \"･･･(3)\""}));
    EXPECT_TRUE(hasSequence(lines, {"textcolor #ff0000", "text 144 180 \"Ｄ= b\""}));
    EXPECT_TRUE(hasLine(lines, "text 192 180 \"-4ac\""));
    EXPECT_TRUE(hasLine(lines, "text 16 200 \"方程式(3)の判別式Ｄ= (1)\""));
    // "-4(-1)(-3)" right after the power, "= -11" ten characters further.
    EXPECT_TRUE(hasLine(lines, "text 215 200 \"-4(-1)(-3)\""));
    EXPECT_TRUE(hasLine(lines, "text 295 200 \"= -11\""));
    EXPECT_TRUE(hasLine(lines, "text 32 220 \"Ｄ＜０（解なし）だから  交わらない。\""));
}

TEST(EqGraphEquation, WorksOutTheDiscriminantAndItsVerdict)
{
    struct Row
    {
        std::u16string f, g;
        std::string equation; // the (3) texts joined
        std::string product;  // "-4(A)(C)"
        std::string result;   // "= D"
        std::string verdict;
    };
    const std::string none = "Ｄ＜０（解なし）だから  交わらない。";
    const std::string touch = "Ｄ＝０（重複解）だから  １点で交わる。（接する）";
    const std::string two = "Ｄ＞０（相異なる２解）だから  ２点で交わる。";
    const Row rows[] = {
        {u"x^2", u"2x-1", "x2-2x+1=0", "-4(1)(1)", "= 0", touch},
        {u"x^2", u"1", "x2-1=0", "-4(1)(-1)", "= 4", two},
        {u"xx/2+x/3", u"1/6", "x2/2+x/3-1/6=0", "-4(1/2)(-1/6)", "= 4/9", two},
        {u"2x+x+xx", u"3", "x2+3x-3=0", "-4(1)(-3)", "= 21", two},  // 2x+x is 3x
        {u"(x+1)^2", u"x+5", "x2+x-4=0", "-4(1)(-4)", "= 17", two}, // brackets multiplied out
        {u"2x(x-3)+0.5", u"-x", "2x2-5x+1/2=0", "-4(2)(1/2)", "= 21", two},
        {u"x*-x", u"1", "-x2-1=0", "-4(-1)(-1)", "= -4", none},
    };
    for (const Row &row : rows) {
        MessageBoxRecorder messages;
        CEqGraph window;
        window.initialize();
        startWith(window, row.f, row.g);
        ASSERT_TRUE(messages.texts.empty()) << utf8(row.f) << ": " << utf8(messages.texts[0]);
        const auto lines = window.recordPaint();
        std::string equation;
        for (const std::string &line : linesStartingWith(lines, "text ")) {
            if (line.find(" 160 \"") != std::string::npos ||
                line.find(" 158 \"") != std::string::npos)
                equation += line.substr(line.find('"') + 1, line.size() - line.find('"') - 2);
        }
        EXPECT_EQ(equation, row.equation + "･･･(3)") << utf8(row.f);
        // The product follows the power of B's text, the result follows the product.
        std::vector<std::string> row200;
        for (const std::string &line : linesStartingWith(lines, "text ")) {
            if (line.find(" 200 \"") != std::string::npos) row200.push_back(line);
        }
        ASSERT_EQ(row200.size(), 3u) << utf8(row.f);
        EXPECT_TRUE(row200[1].ends_with(" 200 \"" + row.product + "\"")) << row200[1];
        const int productX = std::stoi(row200[1].substr(5));
        EXPECT_EQ(row200[2], "text " + std::to_string(productX + 8 * int(row.product.size())) +
                                 " 200 \"" + row.result + "\"");
        EXPECT_TRUE(hasLine(lines, "text 32 220 \"" + row.verdict + "\"")) << utf8(row.f);
    }
}

TEST(EqGraphEquation, TwoTextsOfFullLengthAreWrittenWhole)
{
    MessageBoxRecorder messages;
    CEqGraph window;
    window.initialize();
    std::u16string f = u"xx";
    std::u16string g = u"x";
    while (f.size() < 63)
        f += u"+1";
    while (g.size() < 63)
        g += u"-1";
    f.resize(63);
    g.resize(63);
    startWith(window, f, g);
    ASSERT_TRUE(messages.texts.empty());
    EXPECT_EQ(window.f().size(), 63u);
    // f=g has 127 characters: the remark stands at (127 + 6)u.
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasLine(lines, "text 1064 140 \"を変形して\""));
    EXPECT_TRUE(hasLine(lines, "text 1064 160 \"･･･(3)\""));
}

TEST(EqGraph, RefusesAtStartAndKeepsTheFigure)
{
    struct Row
    {
        std::u16string f, g;
        std::u16string message;
        int focus;
    };
    const std::u16string symbol = u"+,-,/,*,(,)以外の記号があります。";
    const Row rows[] = {
        {u"x^2", u"x^2", u"次数が高すぎます。", 149},
        {u"x+1", u"x", u"２次ではありません。", 148},
        {u"x^2", u"", u"何か入れて下さい。", 149},
        {u"", u"x", u"２次ではありません。", 148},
        {u"xx^2", u"x", u"２次ではありません。", 148},
        {u"xx-xx+x", u"1", u"２次ではありません。", 148}, // A = 0
        {u"(x+1", u"x", u"２次ではありません。", 148},
        {u"x^2", u"x)", u"次数が高すぎます。", 149},
        {u"x^10", u"x", symbol, 148},
        {u"(x+1)x", u"x", symbol, 148},
        {u"xx", u"1/(x+1)", symbol, 149},
        {u"xx+y", u"x", u"xの式を入れて下さい。", 148},
        {u"xx", u"y", u"xの式を入れて下さい。", 149},
        {u"xx+1/0", u"x", u"分母に０があります。", 148},
        {u"xx", u"1/0", u"分母に０があります。", 149},
        {u"xx+1/2x", u"x", u"分母に文字があります。", 148},
        {u"xx", u"x/-x", u"分母に文字があります。", 149},
        {u"xx--1", u"x", symbol, 148},
        {u"100000xx", u"x", u"数が大きすぎます。", 148},
        {u"xx+0.000001", u"x", u"数が大きすぎます。", 148},
        {u"30000xx+30000xx", u"x", u"数が大きすぎます。", 148},
        {u"xx", u"40000", u"数が大きすぎます。", 149},
        {std::u16string(70, u'x'), u"x", u"２次ではありません。", 148},
    };
    for (const Row &row : rows) {
        MessageBoxRecorder messages;
        CEqGraph window;
        window.initialize();
        const auto before = window.recordPaint();
        startWith(window, row.f, row.g);
        EXPECT_EQ(messages.texts, std::vector<std::u16string>{row.message})
            << utf8(row.f) << " " << utf8(row.g);
        EXPECT_EQ(window.focusedControl(), row.focus) << utf8(row.f) << " " << utf8(row.g);
        // The fields keep what was typed; the figure and a repaint stay on the last accepted texts.
        EXPECT_EQ(window.controlText(149), row.g);
        EXPECT_EQ(window.f(), u"-xx+2x+2");
        EXPECT_EQ(window.recordPaint(), before) << utf8(row.f);
        EXPECT_EQ(messages.texts.size(), 1u);
    }
}

TEST(EqGraphSets, DrawsTheArrowDiagramsWithMergedValues)
{
    MessageBoxRecorder messages;
    CEqGraph window;
    window.setModeFlag(1);
    window.initialize();
    EXPECT_EQ(window.windowTitle().toStdU16String(), u"集合間の対応");
    EXPECT_EQ(window.controlText(157), u"集合Xと集合Yとの対応 fを図示します。");
    startWith(window, u"x^2", u"x+5");
    ASSERT_TRUE(messages.texts.empty());
    const auto lines = window.recordPaint();
    EXPECT_TRUE(hasSequence(lines, {"brush #ffffff", "ellipse 40 120 88 240", "text 56 120 \"X\"",
                                    "text 24 120 \"(1)\"", "ellipse 120 120 184 240",
                                    "text 144 120 \"Y\"", "move 88 130", "line 128 130"}));
    EXPECT_TRUE(hasLine(lines, "text 104 120 \"f\""));
    // f = x^2: 4, 1, 0 in the first three rows; 1 and 4 again are merged.
    EXPECT_TRUE(hasSequence(
        lines, {"text 48 140 \"-2\"", "text 144 140 \"4\"", "move 88 150", "line 128 150"}));
    EXPECT_TRUE(hasSequence(
        lines, {"text 48 160 \"-1\"", "text 144 160 \"1\"", "move 88 170", "line 128 170"}));
    EXPECT_TRUE(hasSequence(lines, {"text 48 180 \" 0\"", "text 144 180 \"0\""}));
    EXPECT_TRUE(hasSequence(lines, {"text 48 200 \" 1\"", "move 88 210", "line 128 170"}));
    EXPECT_TRUE(hasSequence(lines, {"text 48 220 \" 2\"", "move 88 230", "line 128 150"}));
    // g = x + 5: five values, none merged, on the right.
    EXPECT_TRUE(hasSequence(
        lines, {"ellipse 264 120 312 240", "text 280 120 \"X\"", "text 248 120 \"(2)\""}));
    EXPECT_TRUE(hasLine(lines, "text 328 120 \"g\""));
    for (int i = 0; i < 5; ++i) {
        const std::string row = std::to_string(140 + 20 * i);
        const std::string arrowRow = std::to_string(150 + 20 * i);
        EXPECT_TRUE(hasSequence(lines, {"text 368 " + row + " \"" + std::to_string(3 + i) + "\"",
                                        "move 312 " + arrowRow, "line 352 " + arrowRow}))
            << i;
    }
    // Fractions are written by FormatFraction and centred by their length.
    startWith(window, u"xx/3", u"x/2");
    const auto fractions = window.recordPaint();
    EXPECT_TRUE(hasLine(fractions, "text 136 140 \"4/3\""));
    EXPECT_TRUE(hasLine(fractions, "text 356 160 \"-1/2\""));
}

TEST(EqGraph, TheDrillOpensOnTheTopicAndVariantOfTheMode)
{
    struct Opened
    {
        int topic = 0;
        int variant = -1;
    };
    const auto open = [](LessonWindow &lesson) {
        Opened opened;
        const LessonWindow::ModalHook previous =
            LessonWindow::setModalHook([&opened](LessonWindow &window) {
                if (auto *drill = dynamic_cast<CDrill *>(&window))
                    opened = Opened{drill->topic(), drill->variant()};
                return 0;
            });
        lesson.initialize();
        lesson.pressButton(133);
        LessonWindow::setModalHook(previous);
        return opened;
    };
    const auto direct = [](int topic, int variant) {
        CDrill drill(static_cast<std::int16_t>(topic), static_cast<std::int16_t>(variant));
        drill.initialize();
        return static_cast<int>(drill.variant());
    };
    for (const auto &[mode, topic] : {std::pair{0, 2780}, std::pair{1, 2800}}) {
        fixRandomSeed(11);
        const int expected = direct(topic, mode);
        fixRandomSeed(11);
        CEqGraph lesson;
        lesson.setModeFlag(static_cast<std::int16_t>(mode));
        const Opened opened = open(lesson);
        EXPECT_EQ(opened.topic, topic);
        EXPECT_EQ(opened.variant, expected);
    }
    fixRandomSeed(std::nullopt);
}

} // namespace
