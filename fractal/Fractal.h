#pragma once

#include "fractal/FractalFigures.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>

/// The fractal explorer: one of seven figures chosen in a combo box, with an iteration limit or
/// recursion depth and a third parameter (zoom step, Julia constant, angle or character spacing)
/// chosen in two more. Every change of a combo box repaints the figure at once; the axes follow
/// the check box at the next repaint.
class CFractal : public LessonWindow
{
public:
    /// Control ids of template 132.
    static constexpr int kKindCombo = 161;
    static constexpr int kParameterLabel = 157;
    static constexpr int kCountCombo = 1006;
    static constexpr int kParameterCombo = 1007;
    static constexpr int kAxisCheck = 1008;

    explicit CFractal(QWidget *parent = nullptr);

    /// The area below the controls and left of the axis check box that every change repaints.
    Rect figureRect() const { return m_figureRect; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnKindChange();
    void OnCountChange();
    void OnParameterChange();
    void OnAxisToggle();

    FractalKind kind() const { return static_cast<FractalKind>(m_kind); }
    void drawTitle(Canvas &canvas);
    void drawEscapeTimeSet(Canvas &canvas) const;
    void drawTriangles(Canvas &canvas) const;
    /// Lines from the figure origin: pixel (trunc(x0 + scale X), trunc(y0 + scale Y)).
    void drawSegments(Canvas &canvas, const std::vector<FigureSegment> &segments,
                      double scale) const;
    void drawPascalTriangle(Canvas &canvas) const;
    void drawAxes(Canvas &canvas) const;

    std::int16_t m_kind = 0;
    std::int16_t m_countIndex = 0;
    std::int16_t m_parameterIndex = 0;
    std::int16_t m_axisFlag = 0;
    Rect m_clientRect;
    Rect m_figureRect;
    LessonMetrics m_metrics;
};
