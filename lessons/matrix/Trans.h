#pragma once

#include "lessons/matrix/LinearMap.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>

/// "一次変換": the student clicks a lattice point P on a small grid and picks one of four linear
/// transformations (symmetry in the x axis, the y axis or the origin, rotation by θ degrees); the
/// window writes the transformation's matrix times P as a column vector, the image P', and shows
/// on the grid how P moves to P' (a straight arrow, or an arc about the origin for the rotation).
class CTrans : public LessonWindow
{
public:
    explicit CTrans(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    int transform() const { return m_transform; }
    std::int16_t theta() const { return m_theta; }
    LatticePoint point() const { return m_point; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;
    void OnLButtonDown(Point p) override;

private:
    void OnTransform(int transform);
    bool readTheta();
    void checkRadioOf(int transform);
    Point pixelOf(double x, double y) const;

    void drawGrid(Canvas &canvas);
    void drawGridLines(Canvas &canvas);
    void drawProduct(Canvas &canvas, const LinearImage &image);
    void drawMovement(Canvas &canvas, const LinearImage &image);
    void drawRotationArc(Canvas &canvas, Point from, Point to, const LinearImage &image);

    LessonMetrics m_metrics;
    /// The grid unit u (client height / 18), used for both axes and the text layout.
    int m_unit = 0;
    /// Cell width (client width / 48).
    int m_cellWidth = 0;
    Point m_origin;
    int m_transform = LinearMapKind::MirrorX;
    std::int16_t m_theta = 90;
    LatticePoint m_point{3, 4};
};
