#pragma once

#include "lessons/functions/CoefficientField.h"
#include "lessons/functions/CorrespondenceTable.h"
#include "lessons/functions/PreviousGraph.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>

class GraphGrid;

/// "一次関数（１）": draws the line (1) y = ax + b in red and the vertical line (2) x = c in blue
/// on a grid whose step follows the size of b and c, the line before the last start thin and black,
/// both equations below the grid and a mark at the y-intercept; hands nine points of line (1) to
/// its correspondence table.
class COnefunc : public LessonWindow
{
public:
    explicit COnefunc(QWidget *parent = nullptr);

    /// The correspondence table and the pairs it receives (tests look at them).
    CorrespondenceTable &table() { return m_table; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnAdvanced();
    void OnTable();

    int gridStep() const;
    void DrawEquationText(Canvas &canvas) const;
    std::u16string decimalLineOne() const;
    std::u16string fractionLineOne() const;
    std::u16string fractionLineTwo() const;
    void drawLines(Canvas &canvas, const GraphGrid &grid) const;
    void drawStraightLine(Canvas &canvas, const GraphGrid &grid, float a, float b) const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    double m_a = 1.0;
    double m_b = 0.0;
    double m_c = 0.0;
    TypedFraction m_fractionA{1, 1};
    TypedFraction m_fractionB{0, 1};
    TypedFraction m_fractionC{0, 1};
    /// 1 when the equations are written in decimal form (a coefficient was typed as a decimal).
    std::int16_t m_decimalInput = 1;
    PreviousGraph m_previous;
    CorrespondenceTable m_table{this};
};
