#pragma once

#include "lessons/sequence/SumDerivation.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>

/// "数列の和": the sum for k = 1 to n of a polynomial in k of degree at most 3, worked out row
/// under row: the summand multiplied out, the power sums put in, the fractions combined over a
/// common denominator, the common factors taken out and the rest multiplied out again in red.
class CSeqsum : public LessonWindow
{
public:
    explicit CSeqsum(QWidget *parent = nullptr);

    /// The accepted summand, powers expanded.
    const std::u16string &inputText() const { return m_input; }
    const SumDerivation &derivation() const { return m_derivation; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnDrill();
    /// Refuses the summand: the message (if any) once, and the focus back on the field.
    void refuse(SumFault fault);
    void drawRow(Canvas &canvas, const SumRow &row);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    std::u16string m_input;
    SumDerivation m_derivation;
    LessonMetrics m_metrics;
};
