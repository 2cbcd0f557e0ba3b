#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>

/// The point P of the definition lesson in the figure's coordinates: tenths of a unit as integers
/// (y grows upwards), and the length r of OP.
struct AnglePoint
{
    int x10 = 0;
    int y10 = 0;
    double x() const { return x10 / 10.0; }
    double y() const { return y10 / 10.0; }
    /// sqrt(X10^2 + Y10^2) / 10 in single precision.
    float r() const;
    /// 0 on an axis, else the quadrant 1 to 4.
    int quadrant() const;
};

/// "三角関数の定義": the student clicks the point P on a yellow 10 x 10 grid and picks one of the
/// six trigonometric functions (or the identity sin^2 + cos^2 = 1) from a list; the window draws
/// the radius OP, the perpendicular PH, the angle θ, P's coordinates and the length OP, and beside
/// them the ratio that defines the chosen function with the sides' names, with P's numbers, its
/// value and, for sine and cosine, its sign in P's quadrant.
class CAngdef : public LessonWindow
{
public:
    explicit CAngdef(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    /// P in client pixels.
    Point pointP() const { return m_pointP; }
    /// P in the figure's coordinates.
    AnglePoint anglePoint() const;
    std::int16_t function() const { return m_function; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;
    void OnLButtonDown(Point p) override;

private:
    void OnSelectFunction();

    void drawRadius(Canvas &canvas, const AnglePoint &p);
    void drawLength(Canvas &canvas, const AnglePoint &p);
    void DrawDefinitionPanel(Canvas &canvas, const AnglePoint &p);
    void drawRatioRows(Canvas &canvas, const AnglePoint &p, int x0, int y0);
    void drawIdentity(Canvas &canvas, int x0, int y0);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    Point m_pointP;
    Point m_origin;
    std::int16_t m_function = 0;
    LessonMetrics m_metrics;
};
