#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <optional>

/// The pixel row of one column of the function graph, or nothing where the function is undefined
/// (the tangent at 90 and 270 degrees).
using GraphRow = std::optional<int>;

/// "三角関数のグラフ": the student picks sin, cos or tan and an angle from 0 to 360 degrees on a
/// scroll bar; the window draws the unit circle with the angle, the point A and its projection,
/// the function's graph over 0 to 360 degrees with the line that carries the value across from the
/// circle, and under them the exact value of the function at that angle.
class CAngfunc : public LessonWindow
{
public:
    /// `m_function` values.
    static constexpr std::int16_t kCosine = 0;
    static constexpr std::int16_t kSine = 1;
    static constexpr std::int16_t kTangent = 2;

    explicit CAngfunc(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    std::int16_t angle() const { return m_angle; }
    std::int16_t function() const { return m_function; }
    /// The graph's row of pixel column q (0 at 0 degrees, 24cw at 360 degrees): 6u - trunc(4u v).
    GraphRow graphRow(int q) const;

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnHScroll(ScrollAction action, int pos);
    void selectFunction(std::int16_t function);

    void drawValuePanel(Canvas &canvas);
    void drawFrame(Canvas &canvas);
    void drawGraph(Canvas &canvas);
    Point drawSineConstruction(Canvas &canvas, int d);
    Point drawCosineConstruction(Canvas &canvas);
    Point drawTangentConstruction(Canvas &canvas);
    void drawAngleArc(Canvas &canvas, bool fromVertical);
    void drawGrid(Canvas &canvas);

    /// The circle point at `radius` pixels in the direction of the angle (counter-clockwise from
    /// the positive x axis).
    Point circlePoint(int radius) const;
    double radians() const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    std::int16_t m_angle = 0;
    std::int16_t m_function = kSine;
    LessonMetrics m_metrics;
};
