#pragma once

#include "lessons/functions/CorrespondenceTable.h"
#include "lessons/functions/PreviousGraph.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <optional>
#include <string>

class GraphGrid;

/// "分 数 関 数": draws the hyperbola y = a / (x - b) + c in red with its asymptotes x = b and
/// y = c in blue on a grid whose step follows b and c, the hyperbola before the last start thin and
/// black, writes the function as a stacked fraction, names the asymptotes, points out the inverse
/// proportion b = c = 0 and hands nine points of the hyperbola to its correspondence table.
class CFbunsu : public LessonWindow
{
public:
    explicit CFbunsu(QWidget *parent = nullptr);

    /// The correspondence table and the pairs it receives (tests look at them).
    CorrespondenceTable &table() { return m_table; }
    /// The value of one grid cell: 2, 20, 200 or 2000 as |b| and |c| grow.
    int gridStep() const;

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnTable();

    void drawTitle(Canvas &canvas) const;
    std::optional<Point> drawHyperbolas(Canvas &canvas, const GraphGrid &grid) const;
    void drawAsymptotes(Canvas &canvas, const GraphGrid &grid) const;
    void DrawFractionFormula(Canvas &canvas, int x, int y) const;
    void drawAsymptoteTexts(Canvas &canvas) const;

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    double m_a = 2.0;
    double m_b = 0.0;
    double m_c = 0.0;
    /// The hyperbola of the last start; the lesson opens over y = 1 / x.
    PreviousGraph m_previous{1.0f, 0.0f, 0.0f};
    CorrespondenceTable m_table{this};
};
