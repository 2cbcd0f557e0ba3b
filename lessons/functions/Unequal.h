#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <array>
#include <cstdint>
#include <string>

class GraphGrid;

/// "不等式": one inequality in x of degree at most 2 on each side ("-xx/10>x+2"). The left side is
/// drawn as a red curve and the right side as a blue one on a grid whose step follows both
/// vertices; the parts of the x-axis where the inequality holds are marked in purple, with thin
/// vertical lines from the curve to the axis where they end inside the grid. A panel repeats both
/// sides as formulas.
class CUnequal : public LessonWindow
{
public:
    explicit CUnequal(QWidget *parent = nullptr);

    /// c + bx + ax^2 as {c, b, a}.
    using Coefficients = std::array<double, 3>;

    /// The accepted inequality, its powers written out.
    const std::u16string &text() const { return m_text; }
    const Coefficients &left() const { return m_left; }
    const Coefficients &right() const { return m_right; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    /// A run of columns (pixel offsets from the origin) where the inequality holds, with the rows
    /// of the left curve at both ends.
    struct Interval
    {
        bool found = false;
        int startColumn = 0;
        int startRow = 0;
        int endColumn = 0;
        int endRow = 0;
    };

    void OnStart();
    /// Stores an inequality that passed the character checks; returns the message that refuses
    /// it instead, or an empty view.
    std::u16string_view accept(std::u16string text);
    void drawPanel(Canvas &canvas);
    int gridStep() const;
    std::array<Interval, 2> drawLeftCurve(Canvas &canvas, const GraphGrid &grid);
    void drawCurve(Canvas &canvas, const GraphGrid &grid, const Coefficients &side,
                   std::array<Interval, 2> *region);
    void drawRegion(Canvas &canvas, const std::array<Interval, 2> &region);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    LessonMetrics m_metrics;

    std::u16string m_text;
    std::u16string m_leftText;
    std::u16string m_rightText;
    /// +1: the region is left < right; -1: left > right.
    int m_sign = -1;
    Coefficients m_left{};
    Coefficients m_right{};
    /// A side has a term of degree above 2: the figure shows the degree message instead.
    bool m_degreeError = false;
};
