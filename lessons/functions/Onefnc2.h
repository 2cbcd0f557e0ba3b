#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <array>
#include <cstdint>
#include <string>

class GraphGrid;

/// A point of the lesson's grid in tenths of a unit (integers), as the panel computes with them.
struct TenthsPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const TenthsPoint &, const TenthsPoint &) = default;
};

/// Two lessons on one window, chosen by the mode flag. The student sets two points with the mouse
/// on a 10 x 10 grid (2 units a cell, -10 to 10 both ways) and presses "開始".
///
/// Mode 0, "一次関数（２）": the line through both points across the grid, and in the panel the
/// points, the slope as a quotient, the point-slope form and the slope-intercept form.
///
/// Mode 1, "円の方程式": the first point is the centre, the second lies on the circle; the upper
/// half of the circle in red, the lower in blue, and in the panel r^2, the two half-circle
/// functions y = ±√(r^2 - (x - a)^2) + b and the standard form.
class COnefnc2 : public LessonWindow
{
public:
    explicit COnefnc2(QWidget *parent = nullptr);

    /// Lines of the panel, as the last start wrote them.
    static constexpr int kLineCount = 10;
    /// Characters a panel line holds.
    static constexpr std::size_t kLineCapacity = 63;
    const std::u16string &line(int index) const { return m_lines.at(index); }

    /// A client pixel in tenths of a unit: h = 5v / 10 pixels to a unit, truncated toward zero.
    TenthsPoint PixelToValue(Point pixel) const;
    /// The rectangle a click asks to repaint: the grid square grown by one label height, so the
    /// labels of the points (which may stand above and below the square) go with them.
    Rect clickRepaintRect() const;

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;
    void OnLButtonDown(Point p) override;

private:
    void OnStart();
    void computePanel();
    void writeSlopeLines(float x1, float y1, float x2, float y2, float slope);
    void setLine(int index, std::u16string_view text);
    GraphGrid grid() const;

    void drawBoxes(Canvas &canvas) const;
    void drawPoints(Canvas &canvas) const;
    void drawPointLabel(Canvas &canvas, Point point) const;
    void drawNextClickLabel(Canvas &canvas) const;
    void drawLine(Canvas &canvas) const;
    void drawPanelBox(Canvas &canvas) const;
    void drawLinePanel(Canvas &canvas) const;
    void drawCircle(Canvas &canvas) const;
    void drawCirclePanel(Canvas &canvas);
    void drawHalfCircleTexts(Canvas &canvas);
    float radiusSquared() const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    LessonMetrics m_metrics;
    /// Which point the next click sets: 1 or 2.
    std::int16_t m_clickState = 1;
    Point m_point1;
    Point m_point2;
    /// The two points in tenths as the last start read them (the panel of mode 1 uses them).
    TenthsPoint m_start1;
    TenthsPoint m_start2;
    std::array<std::u16string, kLineCount> m_lines;
};
