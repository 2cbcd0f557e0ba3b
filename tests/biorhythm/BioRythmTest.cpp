#include "biorhythm/BioRythm.h"
#include "biorhythm/BioChart.h"
#include "biorhythm/BioPrint.h"
#include "ui/RecordingCanvas.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Fields
{
    std::u16string_view birthYear, birthMonth, birthDay, displayYear, displayMonth;
};

void enter(CBioRythm &window, const Fields &f)
{
    window.setControlText(151, f.birthYear);
    window.setControlText(152, f.birthMonth);
    window.setControlText(153, f.birthDay);
    window.setControlText(154, f.displayYear);
    window.setControlText(155, f.displayMonth);
}

bool contains(const std::vector<std::string> &lines, const std::string &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int count(const std::vector<std::string> &lines, const std::string &prefix)
{
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string &l) { return l.rfind(prefix, 0) == 0; }));
}

TEST(BioRythm, OpensWithTheCurrentMonthAndNoCurves)
{
    CBioRythm window;
    window.initialize();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(window.controlText(154), QString::number(today.year()).toStdU16String());
    EXPECT_EQ(window.controlText(155), QString::number(today.month()).toStdU16String());
    EXPECT_FALSE(window.isControlEnabled(160));
    EXPECT_EQ(window.focusedControl(), 151);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(contains(lines, "text 36 234 \"当月までの生存日数＝0日\""));
    EXPECT_EQ(count(lines, "pen solid 2 #ff0000"), 0);
}

TEST(BioRythm, StartDrawsTheCurvesAndShowsTheWeekday)
{
    CBioRythm window;
    window.initialize();
    enter(window, {u"1925", u"6", u"15", u"2025", u"6"});
    window.pressButton(104);
    EXPECT_EQ(window.chart().dayCount, 36510);
    EXPECT_EQ(window.chart().monthDays, 30);
    EXPECT_EQ(window.controlText(160), u"Mon");
    EXPECT_EQ(window.focusedControl(), 151);
    const auto lines = window.recordPaint();
    EXPECT_TRUE(contains(lines, "text 36 234 \"当月までの生存日数＝36510日\""));
    // Green, red, blue: each curve starts with its pen and runs 8 steps per day.
    for (const char *pen : {"pen solid 2 #00ff00", "pen solid 2 #ff0000", "pen solid 2 #0000ff"})
        EXPECT_EQ(count(lines, pen), 1) << pen;
    EXPECT_EQ(count(lines, "line "), 2 + 31 + 3 * 30 * 8);
}

// Where the curves run: the box is 2u..18u by 5u..13u (u = 18), its middle at y = 162, 72 pixels
// each way, and a day 288/31 pixels wide. 36510 days lived are 9 days into the 23-day physical
// cycle, where the sine is positive, so that curve starts above the middle: at 162 - 45.
// Day 10 ends 19 days into the cycle (sine -0.89), below the middle; June's last day ends 16 days
// in. An upside-down curve or another day width moves these points.
TEST(BioRythm, PhysicalCurveRisesWithTheSineAndSpansTheMonth)
{
    CBioRythm window;
    window.initialize();
    enter(window, {u"1925", u"6", u"15", u"2025", u"6"});
    window.pressButton(104);
    const auto lines = window.recordPaint();
    const auto blue = std::find(lines.begin(), lines.end(), "pen solid 2 #0000ff");
    ASSERT_NE(blue, lines.end());
    ASSERT_GE(lines.end() - blue, 2 + 30 * 8);
    EXPECT_EQ(blue[1], "move 36 117");
    EXPECT_EQ(blue[1 + 9 * 8 + 8], "line 127 225"); // the end of day 10
    EXPECT_EQ(blue[1 + 30 * 8], "line 313 229");    // the end of the month
    // The emotional curve (28 days) starts 27 days in, below the middle.
    const auto red = std::find(lines.begin(), lines.end(), "pen solid 2 #ff0000");
    ASSERT_NE(red, lines.end());
    EXPECT_EQ(red[1], "move 36 193");
}

TEST(BioRythm, ABadFieldTakesTheFocusAndKeepsTheChart)
{
    struct Row
    {
        Fields fields;
        int focus;
    };
    const Row rows[] = {
        {{u"67437", u"4", u"12", u"2024", u"5"}, 151},
        {{u"1960000", u"4", u"12", u"2024", u"5"}, 151}, // cut at 6 characters: 196000
        {{u"1960", u"4月", u"12", u"2024", u"5"}, 152},
        {{u"1960", u"4", u"32", u"2024", u"5"}, 153},
        {{u"1960", u"4", u"12", u"1960", u"5"}, 154},
        {{u"1960", u"4", u"12", u"2300", u"5"}, 154},
        {{u"1960", u"4", u"12", u"2024", u"0"}, 155},
    };
    for (const Row &r : rows) {
        CBioRythm window;
        window.initialize();
        enter(window, {u"1960", u"4", u"12", u"2024", u"5"});
        window.pressButton(104);
        ASSERT_EQ(window.chart().dayCount, 23394);
        enter(window, r.fields);
        window.focusControl(1);
        window.pressButton(104);
        EXPECT_EQ(window.focusedControl(), r.focus) << r.focus;
        EXPECT_EQ(window.chart().dayCount, 23394) << r.focus;
        EXPECT_EQ(window.chart().birthYear, 1960) << r.focus;
        EXPECT_EQ(window.controlText(160), u"Tue") << r.focus;
    }
}

TEST(BioRythm, ARepaintLeavesTheFocusWhereTheStudentTypes)
{
    CBioRythm window;
    window.initialize();
    enter(window, {u"1960", u"4", u"12", u"2030", u"1"});
    window.pressButton(104);
    ASSERT_EQ(window.chart().displayYear, 2030);
    window.focusControl(153);
    window.invalidate(true);
    (void)window.surface();
    (void)window.recordPaint();
    EXPECT_EQ(window.focusedControl(), 153);
}

TEST(BioRythm, PrintedPageScalesScreenLengthsAndDrawsCurvesOnlyAfterAStart)
{
    CBioRythm window;
    window.initialize();
    PageSetup setup;
    setup.screenCell = window.cellHeight();
    setup.scale = 600.0 / 96.0;
    setup.year = 2024;
    setup.month = 5;
    setup.day = 3;

    RecordingCanvas before(Size{4800, 6800});
    drawBiorhythmPage(before, window.chart(), setup, window.circleConstant());
    // Page font 16 px at 600 dpi: h = 100, a = 50; the labels 2u/3 with u = 18 px = 113 units.
    EXPECT_TRUE(contains(before.lines(), "font 100 0 128 \"system\""));
    EXPECT_TRUE(contains(before.lines(), "font 75 0 0 \"MS Serif\""));
    EXPECT_TRUE(contains(before.lines(), "text 3100 200 \"作成日付：2024/ 5/ 3\""));
    EXPECT_TRUE(contains(before.lines(), "text 887 1350 \"0\"")); // 10h - u, 10h + 4h - 8 * 6.25
    EXPECT_EQ(count(before.lines(), "text 28"), 0);               // no critical days
    EXPECT_EQ(count(before.lines(), "line "), 3 * (2 + 31));      // axes and day lines only

    enter(window, {u"1960", u"4", u"12", u"2024", u"5"});
    window.pressButton(104);
    RecordingCanvas after(Size{4800, 6800});
    drawBiorhythmPage(after, window.chart(), setup, window.circleConstant());
    EXPECT_TRUE(contains(after.lines(), "text 1100 500 \"生年月日： 1960年 4月 12日\""));
    EXPECT_TRUE(contains(after.lines(), "text 2800 1200 \"要注意日： 9 20 \""));
    EXPECT_TRUE(contains(after.lines(), "text 2800 2700 \"要注意日： 1 14 28 \""));
    EXPECT_TRUE(contains(after.lines(), "text 2800 4200 \"要注意日： 3 20 \""));
    EXPECT_EQ(count(after.lines(), "line "), 3 * (2 + 31 + 31 * 8));
}

TEST(BioRythm, PrintsToAPdfFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("chart.pdf"));
    CBioRythm window;
    window.initialize();
    ASSERT_TRUE(printBiorhythmToPdf(window, file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
}

} // namespace
