#pragma once

#include "lessons/functions/CoefficientField.h"
#include "lessons/functions/CorrespondenceTable.h"
#include "lessons/functions/PreviousGraph.h"
#include "lessons/functions/RootRatio.h"
#include "lessons/functions/VertexForm.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <optional>
#include <string>

class GraphGrid;

/// Two lessons on one window, chosen by the mode flag.
///
/// Mode 0, "二次関数": draws y = ax^2 + bx + c in red over the parabola before the last start
/// (thin, black) with its axis of symmetry in blue on a grid whose step follows the vertex, marks
/// the vertex, writes the completed square and the vertex in exact fractions (or decimals) and
/// hands nine points of the parabola to its correspondence table.
///
/// Mode 1, "合成公式": works a sinθ + b cosθ into r sin(θ + α) for integers or square roots a and
/// b, naming α when cos α and sin α are the exact values of a standard angle.
class CTwofunc : public LessonWindow
{
public:
    explicit CTwofunc(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    /// The correspondence table and the pairs it receives (tests look at them).
    CorrespondenceTable &table() { return m_table; }
    /// The composition of mode 1 as the last accepted start left it.
    const Composition &composition() const { return m_composition; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnTable();
    void startQuadratic();
    void startComposition();
    Quadratic quadratic() const;

    // The parabola (mode 0).
    void paintQuadratic(Canvas &canvas);
    void DrawVertexText(Canvas &canvas);
    void drawTitlePlate(Canvas &canvas);
    std::optional<Point> drawParabola(Canvas &canvas, const GraphGrid &grid, double a, double b,
                                      double c, std::optional<double> vertexX) const;

    // The composition formula (mode 1).
    void paintComposition(Canvas &canvas);
    void drawCompositionFrame(Canvas &canvas);
    void drawRootLegend(Canvas &canvas);
    void drawRatioDefinitions(Canvas &canvas);
    void drawRootOfSquares(Canvas &canvas, int x, int y);
    void drawCompositionSum(Canvas &canvas);
    std::u16string termPrefix(Canvas &canvas, int &x, int y, RootedInteger term, bool signedTerm);
    void drawCompositionResult(Canvas &canvas);
    void drawExactValues(Canvas &canvas);
    void drawExactValue(Canvas &canvas, int x, int y, const RootRatio &value);
    int drawNumber(Canvas &canvas, int x, int y, std::int64_t value, bool root);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    LessonMetrics m_metrics;

    // Mode 0: y = ax^2 + bx + c as read, and the texts of its completed square.
    double m_a = 1.0;
    double m_b = -4.0;
    double m_c = 0.0;
    TypedFraction m_fractionA{1, 1};
    TypedFraction m_fractionB{-4, 1};
    TypedFraction m_fractionC{0, 1};
    /// 1 when a coefficient of the last start was typed as a decimal number.
    std::int16_t m_decimalInput = 0;
    PreviousGraph m_previous;
    std::u16string m_coefficientText;
    std::u16string m_squareText;
    std::u16string m_constantText;
    std::u16string m_vertexXText;
    std::u16string m_vertexYText;
    CorrespondenceTable m_table{this};

    // Mode 1: a and b as typed (the integer, or the radicand of a root with its sign) and what
    // the start worked out from them.
    std::int32_t m_integerA = 1;
    bool m_rootA = false;
    std::int32_t m_integerB = 3;
    bool m_rootB = true;
    Composition m_composition;
};
