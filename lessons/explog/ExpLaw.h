#pragma once

#include "lessons/explog/ExponentLawFigure.h"
#include "lessons/functions/CoefficientField.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>

/// Two lessons on one window, chosen by the mode flag.
///
/// Mode 0, "指数法則": a natural number a and fractions m and n; shows a^m worked into roots and
/// the laws a^m×a^n = a^(m+n), a^m÷a^n = a^(m-n), (a^m)^n = a^(mn) with those numbers.
///
/// Mode 1, "対数の性質": positive fractions a, m and n; shows the five properties of logarithms
/// with the texts put in and works out the change of base log m / log a in decimals.
///
/// Before the first accepted start, and after "法則", the laws are shown with the letters.
class CExpLaw : public LessonWindow
{
public:
    explicit CExpLaw(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnLaw();

    /// Reads the three fields; on success every member is replaced, on failure none is.
    bool readFields();

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    LessonMetrics m_metrics;

    /// The values accepted at the last start. In mode 1 a numerator of a below 1 marks the letter
    /// form (-1 on opening, 0 after "法則").
    TypedFraction m_a{2, 1};
    TypedFraction m_m{1, 2};
    TypedFraction m_n{3, 2};
    /// m and n as typed; an empty m text means the letter form.
    std::u16string m_mText;
    std::u16string m_nText;
    /// Mode 1: a as typed.
    std::u16string m_aText;
    /// Mode 0: the exponents of the three laws.
    ExponentLawTexts m_laws;
};
