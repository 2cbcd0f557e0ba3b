#include "drill/Worksheet.h"
#include "drill/Drill.h"
#include "ui/QtCanvas.h"
#include "ui/RecordingCanvas.h"
#include "ui/SeedSource.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

WorksheetRequest request(std::int16_t topic, int count, unsigned seed)
{
    WorksheetRequest r;
    r.topic = topic;
    r.count = count;
    r.seed = seed;
    return r;
}

/// A worksheet measured with the installed fonts, as the PDF is.
std::optional<Worksheet> measuredSheet(const WorksheetRequest &r)
{
    QImage scratch(16, 16, QImage::Format_RGB32);
    QtCanvas measure(scratch);
    return Worksheet::create(r, measure);
}

std::vector<std::string> recordPage(const Worksheet &sheet, int page)
{
    RecordingCanvas canvas(Worksheet::kPageSize);
    sheet.paintPage(canvas, page);
    return canvas.lines();
}

bool inside(const Rect &inner, const Rect &outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string textLine(Point at, const char *utf8)
{
    return "text " + std::to_string(at.x) + ' ' + std::to_string(at.y) + " \"" + utf8 + '"';
}

} // namespace

TEST(Worksheet, RefusesTopicsWithoutDrillAndCountsOutOfRange)
{
    RecordingCanvas measure;
    EXPECT_FALSE(Worksheet::create(request(2789, 12, 1), measure)); // sequence lesson: no drill
    EXPECT_FALSE(Worksheet::create(request(DrillTopic::Logarithm, 0, 1), measure));
    EXPECT_FALSE(Worksheet::create(request(DrillTopic::Logarithm, 101, 1), measure));
    EXPECT_TRUE(Worksheet::create(request(DrillTopic::Logarithm, 100, 1), measure));
}

TEST(Worksheet, SameSeedSameSheetAndTheFirstExerciseIsTheDrillWindows)
{
    RecordingCanvas measure;
    for (const std::int16_t topic : kDrillTopics) {
        const auto a = Worksheet::create(request(topic, 12, 4711), measure);
        const auto b = Worksheet::create(request(topic, 12, 4711), measure);
        ASSERT_TRUE(a && b) << topic;
        EXPECT_EQ(a->exercises(), b->exercises()) << topic;
        EXPECT_EQ(recordPage(*a, 0), recordPage(*b, 0)) << topic;

        fixRandomSeed(4711u);
        CDrill drill(topic, 0);
        drill.initialize();
        fixRandomSeed(std::nullopt);
        EXPECT_EQ(a->exercises().front().params, drill.params()) << topic;
        EXPECT_EQ(a->exercises().front().variant, drill.variant()) << topic;
    }
    const auto other = Worksheet::create(request(DrillTopic::Logarithm, 12, 4712), measure);
    const auto first = Worksheet::create(request(DrillTopic::Logarithm, 12, 4711), measure);
    EXPECT_NE(other->exercises(), first->exercises());
}

TEST(Worksheet, ExercisesRepeatOnlyWhenTheTopicHasNoOtherLeft)
{
    RecordingCanvas measure;
    // Topic 2771 has nine angles: twelve exercises hold all nine.
    const auto trig = Worksheet::create(request(DrillTopic::TrigValues, 12, 3), measure);
    std::map<int, int> angles;
    for (const WorksheetExercise &e : trig->exercises())
        ++angles[e.params[0]];
    EXPECT_EQ(angles.size(), 9u);
    const auto logs = Worksheet::create(request(DrillTopic::Logarithm, 12, 3), measure);
    for (std::size_t i = 0; i < logs->exercises().size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(logs->exercises()[i], logs->exercises()[j]) << i << ' ' << j;
}

// Every topic, several seeds, real fonts: frames stay on their page's content area, in order,
// without overlapping, and what each exercise draws stays in its frame.
TEST(Worksheet, FramesNeverCrossAPageEdgeAndHoldTheirExercise)
{
    for (const std::int16_t topic : kDrillTopics) {
        for (const unsigned seed : {1u, 77u, 123456u}) {
            const std::optional<Worksheet> sheet = measuredSheet(request(topic, 12, seed));
            ASSERT_TRUE(sheet) << topic;
            const std::vector<WorksheetBox> &boxes = sheet->boxes();
            ASSERT_EQ(boxes.size(), 24u);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const WorksheetBox &box = boxes[i];
                const std::string where = std::to_string(topic) + " seed " + std::to_string(seed) +
                                          " box " + std::to_string(i);
                EXPECT_EQ(box.number, static_cast<int>(i % 12) + 1) << where;
                EXPECT_EQ(box.answer, i >= 12) << where;
                EXPECT_TRUE(inside(box.frame, Worksheet::contentArea(box.page, box.answer)))
                    << where;
                EXPECT_FALSE(box.drawn.isEmpty()) << where;
                EXPECT_TRUE(inside(box.drawn, box.frame)) << where;
                if (i == 0 || i == 12) continue;
                const WorksheetBox &before = boxes[i - 1];
                EXPECT_TRUE(box.page > before.page ||
                            (box.page == before.page && box.frame.top >= before.frame.bottom))
                    << where;
            }
            EXPECT_EQ(boxes[12].page, sheet->answerPage());
            EXPECT_GT(sheet->answerPage(), boxes[11].page);
            EXPECT_EQ(sheet->pageCount(), boxes.back().page + 1);
        }
    }
}

// The question stands at the drill window's places inside its frame; the answer box holds the
// answer alone, red, at its own places, with the question's texts left out.
TEST(Worksheet, QuestionsAndAnswersLandAtTheDrillWindowsPlacesInTheirFrames)
{
    RecordingCanvas measure;
    const auto sheet = Worksheet::create(request(DrillTopic::Logarithm, 2, 7), measure);
    ASSERT_TRUE(sheet);
    const WorksheetBox &question = sheet->boxes()[0];
    const WorksheetBox &answer = sheet->boxes()[2];
    ASSERT_TRUE(answer.answer);
    const std::vector<std::string> page0 = recordPage(*sheet, 0);
    const std::vector<std::string> page1 = recordPage(*sheet, 1);
    auto has = [](const std::vector<std::string> &lines, const std::string &line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    // Cells of 8 by 18 pixels: the first line at (2 cells, 1 row), "(1)" at (1 cell, 3 rows).
    const Point q = question.origin;
    EXPECT_TRUE(has(
        page0, textLine({q.x + 16, q.y + 18}, "次の問いに答えよ。ただし log2=0.3010,log3=0.4771")));
    EXPECT_TRUE(has(page0, textLine({q.x + 8, q.y + 54}, "(1)")));
    EXPECT_TRUE(has(page0, textLine({question.frame.left + 8, question.frame.top + 8}, "問1")));
    // The question's first line is the highest thing drawn: it sits just under the label.
    EXPECT_EQ(question.drawn.top, q.y + 18);
    EXPECT_GT(question.drawn.top, question.frame.top + 8 + 16);

    // Answer rows from row 5: "与式= 30" at (3 cells, 5 rows), in red.
    const Point a = answer.origin;
    const auto text =
        std::find(page1.begin(), page1.end(), textLine({a.x + 24, a.y + 90}, "与式= 30"));
    ASSERT_NE(text, page1.end());
    const auto color =
        std::find_if(std::make_reverse_iterator(text), page1.rend(),
                     [](const std::string &l) { return l.rfind("textcolor", 0) == 0; });
    ASSERT_NE(color, page1.rend());
    EXPECT_EQ(*color, "textcolor #ff0000");
    EXPECT_TRUE(has(page1, textLine({answer.frame.left + 8, answer.frame.top + 8}, "問1")));
    for (const std::string &line : page1)
        EXPECT_EQ(line.find("次の問いに答えよ"), std::string::npos) << line;
    // The highest answer text is the numerator "10" of log 10/(2*3), 10 pixels above row 5.
    EXPECT_EQ(answer.drawn.top, a.y + 80);
}

// The answer box of topic 2771 keeps the black reference triangle that belongs to the answer.
TEST(Worksheet, AnswerKeepsItsBlackPartsAndLeavesOutTheQuestion)
{
    RecordingCanvas measure;
    const auto sheet = Worksheet::create(request(DrillTopic::TrigValues, 1, 7), measure);
    const WorksheetBox &answer = sheet->boxes()[1];
    const std::vector<std::string> page = recordPage(*sheet, sheet->answerPage());
    const Point a = answer.origin;
    // The triangle from O (33 cells, 5 rows) to H (38 cells, 5 rows).
    const std::string move = "move " + std::to_string(a.x + 264) + ' ' + std::to_string(a.y + 90);
    const std::string line = "line " + std::to_string(a.x + 304) + ' ' + std::to_string(a.y + 90);
    const auto at = std::find(page.begin(), page.end(), move);
    ASSERT_NE(at, page.end());
    ASSERT_NE(at + 1, page.end());
    EXPECT_EQ(*(at + 1), line);
    for (const std::string &l : page)
        EXPECT_EQ(l.find("次の値を答えよ"), std::string::npos) << l;
}

// Leaving out the question's operations draws the answer alone only while every generator draws
// the same question, first, with or without its answer.
TEST(Worksheet, EveryGeneratorDrawsItsQuestionAsThePrefixOfItsAnswer)
{
    for (const std::int16_t topic : kDrillTopics) {
        RecordingCanvas measure;
        const auto sheet = Worksheet::create(request(topic, 30, 99), measure);
        for (const WorksheetExercise &exercise : sheet->exercises()) {
            RecordingCanvas question;
            RecordingCanvas whole;
            drawWorksheetExercise(question, topic, exercise, false);
            drawWorksheetExercise(whole, topic, exercise, true);
            // The question ends with its objects being restored; only the drawing counts.
            const std::vector<std::string> &q = question.lines();
            const std::vector<std::string> &w = whole.lines();
            ASSERT_LT(q.size(), w.size()) << topic;
            std::size_t drawn = q.size();
            while (drawn > 0 && (q[drawn - 1].rfind("bkmode", 0) == 0))
                --drawn;
            EXPECT_TRUE(std::equal(q.begin(), q.begin() + static_cast<long>(drawn), w.begin()))
                << topic;
        }
    }
}
