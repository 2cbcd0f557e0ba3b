#include "drill/Worksheet.h"

#include "drill/Drill.h"
#include "drill/DrillGenerators.h"
#include "drill/DrillRandom.h"
#include "drill/ExerciseCanvas.h"
#include "mathcore/LessonMetrics.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kMargin = 48;
/// Where the first page's header ends and its first frame may start.
constexpr int kHeaderBottom = 124;
/// Where the answer section's heading ends.
constexpr int kAnswerHeadingBottom = 92;
/// The footer line (seed and page number) stands below the content area.
constexpr int kFooterTop = Worksheet::kPageSize.cy - 40;
constexpr int kPadding = 8;
constexpr int kLabelGap = 4;
constexpr int kFrameGap = 10;
/// Tries to draw an exercise that the sheet does not hold yet, before a repeat is allowed (a
/// topic may have fewer different exercises than the sheet asks for).
constexpr int kRedraws = 20;

constexpr Rgb kFrameColor = 0x808080;
const Font kTitleFont{24, 700, 128, u"ＭＳ Ｐゴシック"};
const Font kHeadingFont{20, 700, 128, u"ＭＳ Ｐゴシック"};
const Font kLabelFont{16, 700, 128, u"ＭＳ Ｐゴシック"};
const Font kTextFont{16, 400, 128, u"ＭＳ Ｐゴシック"};
const Font kFooterFont{12, 400, 128, u"ＭＳ Ｐゴシック"};

struct TopicName
{
    std::int16_t topic;
    const char16_t *name;
};

constexpr std::array kTopicNames = {
    TopicName{DrillTopic::Proportion, u"グラフの意味"},
    TopicName{DrillTopic::LinearGraph, u"一次関数１"},
    TopicName{DrillTopic::Parabola, u"二次関数"},
    TopicName{DrillTopic::TrigValues, u"三角関数 グラフ"},
    TopicName{DrillTopic::ExponentLaws, u"指数法則"},
    TopicName{DrillTopic::InverseFunction, u"対数関数"},
    TopicName{DrillTopic::Inequality, u"不等式の領域"},
    TopicName{DrillTopic::EquationGraph, u"方程式とｸﾞﾗﾌ"},
    TopicName{DrillTopic::FractionalShift, u"分数関数"},
    TopicName{DrillTopic::TrigDefinition, u"三角関数 定義"},
    TopicName{DrillTopic::Logarithm, u"対数の性質"},
    TopicName{DrillTopic::SequenceSum, u"数列の和"},
    TopicName{DrillTopic::Composition, u"合成公式"},
    TopicName{DrillTopic::MatrixBasics, u"行列の基礎"},
    TopicName{DrillTopic::Simultaneous, u"連立方程式"},
    TopicName{DrillTopic::SetCorrespondence, u"集合間の対応"},
};

/// Measures what an exercise (or, after `skip` operations, its answer alone) covers.
struct Extent
{
    Rect bounds;
    int operations = 0;
};

Extent measureExercise(Canvas &measure, std::int16_t topic, const WorksheetExercise &exercise,
                       bool showAnswer, int skip)
{
    ExerciseCanvas canvas(measure, Point{}, skip, false);
    drawWorksheetExercise(canvas, topic, exercise, showAnswer);
    return Extent{canvas.bounds(), canvas.operations()};
}

Rect shifted(const Rect &r, Point by)
{
    return Rect{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

/// The frame of exercise `number` (of its answer alone when `answer`) with its top left corner at
/// (0, 0): the label, then what the exercise draws, padded all round.
WorksheetBox frameExercise(Canvas &measure, std::int16_t topic, const WorksheetExercise &exercise,
                           int number, bool answer, int labelHeight)
{
    const int questionOps = measureExercise(measure, topic, exercise, false, 0).operations;
    const int skip = answer ? questionOps : 0;
    const Rect bounds = measureExercise(measure, topic, exercise, answer, skip).bounds;
    const int inner = labelHeight + (bounds.isEmpty() ? 0 : kLabelGap + bounds.height());
    WorksheetBox box;
    box.number = number;
    box.answer = answer;
    box.skip = skip;
    box.frame = Rect{0, 0, 0, 2 * kPadding + inner};
    box.origin = Point{kPadding, kPadding + labelHeight + kLabelGap - bounds.top};
    box.drawn = bounds.isEmpty() ? Rect{} : shifted(bounds, box.origin);
    return box;
}

} // namespace

void drawWorksheetExercise(Canvas &canvas, std::int16_t topic, const WorksheetExercise &exercise,
                           bool showAnswer)
{
    const DrillGenerator generator = findDrillGenerator(topic);
    if (!generator) return;
    const Size cell = drillCellSize(drillClientSize());
    LessonMetrics metrics;
    metrics.m_unitX = static_cast<std::int16_t>(cell.cx);
    metrics.m_unitY = static_cast<std::int16_t>(cell.cy);
    BkModeScope transparent(canvas, BkMode::Transparent);
    DrillPage page{canvas, metrics, exercise.params, exercise.variant, showAnswer};
    generator(page);
}

std::u16string Worksheet::topicName(std::int16_t topic)
{
    for (const TopicName &entry : kTopicNames)
        if (entry.topic == topic) return entry.name;
    return {};
}

std::optional<Worksheet> Worksheet::create(const WorksheetRequest &request, Canvas &measure)
{
    if (!findDrillGenerator(request.topic) || request.count < 1 || request.count > kMaxCount)
        return std::nullopt;
    Worksheet sheet(request);
    sheet.drawExercises();
    sheet.layout(measure);
    return sheet;
}

void Worksheet::drawExercises()
{
    // One generator for the whole sheet, seeded once: the first exercise is the one the drill
    // window shows for the same seed.
    DrillRandom random(m_request.seed);
    for (int i = 0; i < m_request.count; ++i) {
        WorksheetExercise exercise;
        for (int attempt = 0; attempt < kRedraws; ++attempt) {
            exercise.variant = m_request.variant;
            exercise.params.fill(0);
            drawDrillParameters(m_request.topic, exercise.variant, exercise.params, random);
            if (std::find(m_exercises.begin(), m_exercises.end(), exercise) == m_exercises.end())
                break;
        }
        m_exercises.push_back(exercise);
    }
}

Rect Worksheet::contentArea(int page, bool answerSection)
{
    const int top = page == 0 ? kHeaderBottom : answerSection ? kAnswerHeadingBottom : kMargin;
    return Rect{kMargin, top, kPageSize.cx - kMargin, kPageSize.cy - kMargin};
}

void Worksheet::layout(Canvas &measure)
{
    int labelHeight = 0;
    {
        FontScope font(measure, kLabelFont);
        labelHeight = measure.textMetrics().height;
    }
    int page = 0;
    Rect area = contentArea(0, false);
    int y = area.top;
    for (int section = 0; section < 2; ++section) {
        const bool answers = section == 1;
        if (answers) {
            // The answer key starts on a page of its own, so that it can be kept apart.
            m_answerPage = ++page;
            area = contentArea(page, true);
            y = area.top;
        }
        for (int i = 0; i < m_request.count; ++i) {
            WorksheetBox box =
                frameExercise(measure, m_request.topic, m_exercises[static_cast<std::size_t>(i)],
                              i + 1, answers, labelHeight);
            if (y + box.frame.height() > area.bottom && y > area.top) {
                ++page;
                area = contentArea(page, answers);
                y = area.top;
            }
            const Point corner{area.left, y};
            box.page = page;
            box.frame = shifted(Rect{0, 0, area.width(), box.frame.height()}, corner);
            box.origin = Point{box.origin.x + corner.x, box.origin.y + corner.y};
            if (!box.drawn.isEmpty()) box.drawn = shifted(box.drawn, corner);
            m_boxes.push_back(box);
            y = box.frame.bottom + kFrameGap;
        }
    }
    m_pageCount = page + 1;
}

std::u16string Worksheet::title() const
{
    return m_request.title.empty() ? std::u16string(u"ドリル") : m_request.title;
}

void Worksheet::paintPage(Canvas &canvas, int page) const
{
    BkModeScope transparent(canvas, BkMode::Transparent);
    if (page == 0) paintHeader(canvas);
    if (page == m_answerPage) paintAnswerHeading(canvas);
    for (const WorksheetBox &box : m_boxes)
        if (box.page == page) paintBox(canvas, box);
    paintFooter(canvas, page);
}

void Worksheet::paintHeader(Canvas &canvas) const
{
    TextColorScope black(canvas, Colors::Black);
    {
        FontScope font(canvas, kTitleFont);
        canvas.textOut(kMargin, kMargin, title());
    }
    FontScope font(canvas, kTextFont);
    canvas.textOut(kMargin, 88, u"単元：" + topicName(m_request.topic));
    // Lines to write the name and the date on.
    constexpr int kFieldLeft = 440;
    const int right = kPageSize.cx - kMargin;
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, Colors::Black});
    canvas.textOut(kFieldLeft, 56, u"名前");
    canvas.moveTo(kFieldLeft + 40, 74);
    canvas.lineTo(right, 74);
    canvas.textOut(kFieldLeft, 88, u"日付");
    canvas.moveTo(kFieldLeft + 40, 106);
    canvas.lineTo(right, 106);
    canvas.moveTo(kMargin, 114);
    canvas.lineTo(right, 114);
}

void Worksheet::paintAnswerHeading(Canvas &canvas) const
{
    TextColorScope black(canvas, Colors::Black);
    FontScope font(canvas, kHeadingFont);
    canvas.textOut(kMargin, kMargin, u"解答　" + title());
    PenScope pen(canvas, Pen{PenStyle::Solid, 1, Colors::Black});
    canvas.moveTo(kMargin, 80);
    canvas.lineTo(kPageSize.cx - kMargin, 80);
}

void Worksheet::paintFooter(Canvas &canvas, int page) const
{
    TextColorScope black(canvas, Colors::Black);
    FontScope font(canvas, kFooterFont);
    canvas.textOut(kMargin, kFooterTop, formatText(u"シード %u", m_request.seed));
    const std::u16string number = formatText(u"%d / %d", page + 1, m_pageCount);
    canvas.textOut(kPageSize.cx - kMargin - canvas.textExtent(number).cx, kFooterTop, number);
}

void Worksheet::paintBox(Canvas &canvas, const WorksheetBox &box) const
{
    {
        PenScope pen(canvas, Pen{PenStyle::Solid, 1, kFrameColor});
        BrushScope hollow(canvas, Brush::none());
        canvas.rectangle(box.frame.left, box.frame.top, box.frame.right, box.frame.bottom);
        TextColorScope black(canvas, Colors::Black);
        FontScope font(canvas, kLabelFont);
        canvas.textOut(box.frame.left + kPadding, box.frame.top + kPadding,
                       formatText(u"問%d", box.number));
    }
    // The exercise starts from the canvas's default objects, as on the drill window.
    PenScope pen(canvas, Pen{});
    BrushScope brush(canvas, Brush{});
    FontScope font(canvas, Canvas::defaultFont());
    TextColorScope black(canvas, Colors::Black);
    ExerciseCanvas exercise(canvas, box.origin, box.skip);
    drawWorksheetExercise(exercise, m_request.topic,
                          m_exercises[static_cast<std::size_t>(box.number - 1)], box.answer);
}
