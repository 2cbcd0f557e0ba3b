#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

TEST(RecordingCanvas, WritesOneLinePerOperationInTheOpsFormat)
{
    RecordingCanvas c({100, 50});
    {
        PenScope pen(c, Pen{PenStyle::Dot, 1, Colors::Red});
        BrushScope brush(c, Brush::none());
        c.moveTo(1, 2);
        c.lineTo(3, 4);
        c.rectangle(0, 0, 10, 10);
        c.textOut(5, 6, u"a\"\\あ");
        c.fillRect({1, 2, 3, 4}, Colors::Yellow);
        const Point pts[] = {{0, 0}, {5, 0}, {5, 5}};
        c.polygon(pts);
        c.arc(0, 0, 20, 20, 20, 10, 0, 10);
        c.setPixelIndex(2, 3, 13);
        c.drawIcon(10, 10, StockIcon::Application);
        c.drawBitmap(7, 8, 114);
    }
    const std::vector<std::string> expected = {
        "pen dot 1 #ff0000", "brush hollow", "move 1 2", "line 3 4", "rect 0 0 10 10",
        "text 5 6 \"a\\\"\\\\あ\"", "fill 1 2 3 4 #ffff00", "polygon 0 0 5 0 5 5",
        "arc 0 0 20 20 20 10 0 10", "pixel 2 3 #ff0000", "icon 10 10 application",
        "bitmap 7 8 114", "brush #ffffff", "pen solid 1 #000000",
    };
    EXPECT_EQ(c.lines(), expected);
}

TEST(RecordingCanvas, ScopesRestoreEveryObject)
{
    RecordingCanvas c;
    const Pen pen0 = c.pen();
    const Font font0 = c.font();
    {
        PenScope p(c, Pen{PenStyle::Solid, 3, Colors::Blue});
        FontScope f(c, Font{20, 700, 1, u"MS Serif"});
        TextColorScope t(c, Colors::Red);
        BkModeScope b(c, BkMode::Transparent);
        ClipScope clip(c, Rect{1, 1, 5, 5});
        EXPECT_EQ(c.font().height, 20);
        EXPECT_EQ(c.clip(), (Rect{1, 1, 5, 5}));
    }
    EXPECT_EQ(c.pen(), pen0);
    EXPECT_EQ(c.font(), font0);
    EXPECT_EQ(c.textColor(), Colors::Black);
    EXPECT_EQ(c.bkMode(), BkMode::Opaque);
    EXPECT_FALSE(c.clip().has_value());
    // Scopes unwind in reverse: the pen, selected first, is restored last.
    EXPECT_EQ(c.lines().back(), "pen solid 1 #000000");
    EXPECT_EQ(c.lines()[c.lines().size() - 2], "font 16 0 128 \"system\"");
}

TEST(RecordingCanvas, NormalisesPensAndFonts)
{
    struct Row
    {
        Pen in;
        std::string line;
    };
    const Row rows[] = {
        {{PenStyle::Dot, 2, Colors::Black}, "pen solid 2 #000000"},
        {{PenStyle::Dot, 1, Colors::Black}, "pen dot 1 #000000"},
        {{PenStyle::Solid, 0, Colors::Green}, "pen solid 1 #00ff00"},
        {{PenStyle::Null, 1, Colors::Black}, "pen null 1 #000000"},
    };
    for (const Row &row : rows) {
        RecordingCanvas c;
        c.select(row.in);
        EXPECT_EQ(c.lines().back(), row.line);
    }
    RecordingCanvas c;
    c.select(Font{0, 0, 0, u"MS Serif"});
    EXPECT_EQ(c.font().height, 16);
}

TEST(RecordingCanvas, MeasuresWithFixedMetrics)
{
    RecordingCanvas c;
    c.select(Font{20, 0, 0, u"MS Serif"});
    EXPECT_EQ(c.textExtent(u"ab"), (Size{20, 20}));
    EXPECT_EQ(c.textExtent(u"あｱ"), (Size{30, 20})); // full-width 20, half-width katakana 10
    const TextMetrics m = c.textMetrics();
    EXPECT_EQ(m.ascent, 17);
    EXPECT_EQ(m.aveCharWidth, 10);
    EXPECT_EQ(c.textExtent(u"").cx, 0);
}
