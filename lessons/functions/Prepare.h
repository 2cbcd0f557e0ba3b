#pragma once

#include "ui/LessonWindow.h"

#include <array>
#include <cstdint>

/// "グラフの意味": the student clicks points into a yellow 10 x 10 grid; each point is read off
/// both axes with red guide lines, shown in a legend box and tabulated, and the points are joined
/// newest to oldest. Two toggles overlay a direct and an inverse proportion for comparison.
class CPrepare : public LessonWindow
{
public:
    explicit CPrepare(QWidget *parent = nullptr);

    /// Points remembered at most; the oldest is dropped beyond.
    static constexpr int kMaxPoints = 10;
    /// Points the table below the grid shows (the oldest ones).
    static constexpr int kTableColumns = 6;

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;
    void OnLButtonDown(Point p) override;

private:
    struct ValuePoint
    {
        double x = 0.0;
        double y = 0.0;
    };

    void OnUndo();
    void OnDirect();
    void OnInverse();

    /// The values (horizontal, vertical) that a pixel of the grid stands for.
    ValuePoint valuesAt(double px, double py) const;
    bool hasMarkedPoint() const { return m_lastPoint.x != 0.0 && m_lastPoint.y != 0.0; }

    void drawLegendBox(Canvas &canvas) const;
    void drawGrid(Canvas &canvas) const;
    void drawPolyline(Canvas &canvas) const;
    void drawGuideLines(Canvas &canvas) const;
    void drawPointTable();
    void drawDirectProportion(Canvas &canvas) const;
    void drawInverseProportion(Canvas &canvas) const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    /// Slot 0 is the newest click; an empty slot is (-1, -1).
    std::array<Point, kMaxPoints> m_points{};
    /// The newest point in pixels; x = 0 or y = 0 means that no point is marked.
    ValuePoint m_lastPoint;
    int m_showDirect = 0;
    int m_showInverse = 0;
};
