#pragma once

#include "drill/DrillParameters.h"
#include "ui/Canvas.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// What a worksheet is made of: `count` exercises of one drill topic drawn from `seed`.
struct WorksheetRequest
{
    std::int16_t topic = 0;
    /// The opener's mode flag, as the drill window gets it.
    std::int16_t variant = 0;
    int count = 12;
    unsigned seed = 0;
    /// The heading of the first page; empty: "ドリル".
    std::u16string title;
};

/// One exercise of a worksheet: the variant and parameters the drill window would draw.
struct WorksheetExercise
{
    std::int16_t variant = 0;
    DrillParams params{};
    friend bool operator==(const WorksheetExercise &, const WorksheetExercise &) = default;
};

/// A framed exercise (or its answer) on a page, in page pixels.
struct WorksheetBox
{
    int number = 0;      ///< 1 to the exercise count
    bool answer = false; ///< in the answer section
    int page = 0;        ///< 0-based
    Rect frame;
    Point origin; ///< where the exercise's (0, 0) lands
    Rect drawn;   ///< what the exercise (or its answer alone) covers, on the page
    int skip = 0; ///< drawing operations left out: the question's, in an answer box
};

/// A sheet of drill exercises on A4 pages: a header (title, topic, 名前 and 日付 lines), the
/// numbered exercises in frames sized to each, never split over a page, then from a new page the
/// answers in red in the same order. Every page ends with the seed and the page number, so the
/// sheet can be made again. Pages are 794 x 1123 pixels (A4 at 96 pixels per inch).
class Worksheet
{
public:
    static constexpr Size kPageSize{794, 1123};
    static constexpr int kMaxCount = 100;

    /// Draws the exercises and lays them out, measuring texts on `measure`. nullopt for a topic
    /// without a drill or a count outside 1 to `kMaxCount`.
    static std::optional<Worksheet> create(const WorksheetRequest &request, Canvas &measure);

    const WorksheetRequest &request() const { return m_request; }
    const std::vector<WorksheetExercise> &exercises() const { return m_exercises; }
    const std::vector<WorksheetBox> &boxes() const { return m_boxes; }
    int pageCount() const { return m_pageCount; }
    /// The first page of the answer section.
    int answerPage() const { return m_answerPage; }
    /// The area boxes may take on a page.
    static Rect contentArea(int page, bool answerSection);

    /// Paints one page on a canvas of `kPageSize`.
    void paintPage(Canvas &canvas, int page) const;

    /// The name of a drill topic as the lesson menu gives it ("対数の性質"), or empty.
    static std::u16string topicName(std::int16_t topic);

private:
    explicit Worksheet(const WorksheetRequest &request) : m_request(request) {}
    void drawExercises();
    void layout(Canvas &measure);
    void paintHeader(Canvas &canvas) const;
    void paintAnswerHeading(Canvas &canvas) const;
    void paintFooter(Canvas &canvas, int page) const;
    void paintBox(Canvas &canvas, const WorksheetBox &box) const;
    std::u16string title() const;

    WorksheetRequest m_request;
    std::vector<WorksheetExercise> m_exercises;
    std::vector<WorksheetBox> m_boxes;
    int m_pageCount = 0;
    int m_answerPage = 0;
};

/// Draws exercise `exercise` of topic `topic` (its answer too when `showAnswer`) on `canvas` with
/// the drill window's cell units, as the drill window paints it.
void drawWorksheetExercise(Canvas &canvas, std::int16_t topic, const WorksheetExercise &exercise,
                           bool showAnswer);
