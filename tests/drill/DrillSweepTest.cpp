#include "drill/DrillGenerators.h"
#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "ui/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <unordered_set>

namespace {

// The drill window's client area and its cells (width / 56, height / 15).
constexpr Size kClient{494, 278};
constexpr int kCellWidth = kClient.cx / 56;
constexpr int kCellHeight = kClient.cy / 15;
constexpr unsigned kSeeds = 10000;

/// Texts that must never reach an exercise: the formula drawer's bracket message, a division by
/// zero written out, and non-numbers from a floating division.
constexpr std::u16string_view kForbidden[] = {u"右括弧なし", u"/0", u"inf", u"nan"};

/// Measures like any RecordingCanvas and notes the first text or figure that leaves the client
/// area, or a forbidden text. Texts and figures are checked, not recorded, which keeps ten
/// thousand exercises per topic fast under the sanitizers.
class CheckingCanvas : public RecordingCanvas
{
public:
    CheckingCanvas() : RecordingCanvas(kClient) {}

    const std::string &fault() const { return m_fault; }

protected:
    void doTextOut(int x, int y, std::u16string_view text) override
    {
        const int width = measureText(text, font().height);
        if (!inside(x, y) || !inside(x + width, y + font().height)) note("text", x, y, text);
        for (const std::u16string_view forbidden : kForbidden)
            if (text.find(forbidden) != std::u16string_view::npos) note("forbidden", x, y, text);
    }
    void doLine(Point from, Point to) override
    {
        if (!inside(from.x, from.y) || !inside(to.x, to.y)) note("line", to.x, to.y, u"");
    }
    void doEllipse(const Rect &rect) override { checkRect("ellipse", rect); }
    void doArc(const Rect &rect, Point, Point) override { checkRect("arc", rect); }
    void doPolygon(std::span<const Point> points) override
    {
        for (const Point &p : points)
            checkRect("polygon", Rect{p.x, p.y, p.x, p.y});
    }

private:
    static bool inside(int x, int y)
    {
        return x >= 0 && y >= 0 && x <= kClient.cx && y <= kClient.cy;
    }

    void checkRect(const char *what, const Rect &rect)
    {
        if (!inside(rect.left, rect.top) || !inside(rect.right, rect.bottom))
            note(what, rect.left, rect.top, u"");
    }

    void note(const char *what, int x, int y, std::u16string_view text)
    {
        if (m_fault.empty())
            m_fault = std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y) +
                      " " + quotedText(text);
    }

    std::string m_fault;
};

/// The variant and the parameters as one hashable text.
std::u16string questionKey(std::int16_t variant, const DrillParams &params)
{
    std::u16string key(params.size() + 1, u'\0');
    key[0] = static_cast<char16_t>(variant);
    std::memcpy(key.data() + 1, params.data(), params.size() * sizeof(std::int16_t));
    return key;
}

/// Paints the question with its answer and returns the first fault, or an empty text.
std::string paintFault(DrillGenerator generator, std::int16_t variant, const DrillParams &params)
{
    CheckingCanvas canvas;
    LessonMetrics metrics;
    metrics.m_unitX = kCellWidth;
    metrics.m_unitY = kCellHeight;
    DrillPage page{canvas, metrics, params, variant, true};
    generator(page);
    // The answer is red; the page is left in black for whatever the window draws next.
    if (canvas.fault().empty() && canvas.textColor() != Colors::Black)
        return "text colour left at " + std::to_string(canvas.textColor());
    return canvas.fault();
}

// Every seed of every topic of the drill table, both as opened from a lesson in mode 0 and in
// mode 1. A question depends on the seed only through its variant and parameters, so each distinct
// pair is painted once, with its answer, which covers all seeds.
TEST(DrillSweep, EverySeedOfEveryTopicStaysInsideTheWindowWithoutBrokenTexts)
{
    int painted = 0;
    for (const std::int16_t topic : kDrillTopics) {
        const DrillGenerator generator = findDrillGenerator(topic);
        if (!generator) continue;
        std::unordered_set<std::u16string> seen;
        for (unsigned seed = 0; seed < kSeeds; ++seed) {
            for (const std::int16_t opener : {0, 1}) {
                DrillRandom random(seed);
                std::int16_t variant = opener;
                DrillParams params{};
                ASSERT_TRUE(drawDrillParameters(topic, variant, params, random)) << topic;
                if (!seen.insert(questionKey(variant, params)).second) continue;
                const std::string fault = paintFault(generator, variant, params);
                ASSERT_EQ(fault, "")
                    << "topic " << topic << " seed " << seed << " variant " << variant;
                ++painted;
            }
        }
    }
    EXPECT_GT(painted, 0);
}

} // namespace
