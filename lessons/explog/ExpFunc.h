#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <functional>

class GraphGrid;

/// "指数・対数関数": for a base a > 0, a != 1, draws y = a^x in red and y = log_a x in blue on one
/// grid with the mirror line y = x, so that the two graphs show as inverse functions; the group
/// "定義" holds y = a^x over x = log_a y, and "基本" tells what an inverse function is.
class CExpFunc : public LessonWindow
{
public:
    explicit CExpFunc(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;
    /// The base of the curves, as the last accepted start left it.
    double base() const { return m_base; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnLaw();

    void drawDefinition(Canvas &canvas);
    void drawLegend(Canvas &canvas);
    /// One curve through the pixel columns from step `first` (x = first/u) to 5u - 1: each point
    /// is joined back to the one before it when it lies in the band of rows 3u - 4 to 13u + 4.
    void drawCurve(Canvas &canvas, const GraphGrid &grid, int first,
                   const std::function<double(double)> &function) const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    LessonMetrics m_metrics;
    double m_base = 2.0;
};
