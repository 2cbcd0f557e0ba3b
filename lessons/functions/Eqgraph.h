#pragma once

#include "lessons/functions/SetMapping.h"
#include "mathcore/LessonMetrics.h"
#include "mathcore/QuadraticText.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>

/// Two lessons on one window, chosen by the mode flag; the student types a quadratic f and a linear
/// g in x.
///
/// Mode 0, "方程式とグラフ": works f = g into Ax^2 + Bx + C = 0 in exact fractions, computes the
/// discriminant D = B^2 - 4AC and says how many points the parabola y = f and the line y = g share.
///
/// Mode 1, "集合間の対応": two arrow diagrams mapping X = {-2, ..., 2} to the values of f and of g,
/// equal values merged.
class CEqGraph : public LessonWindow
{
public:
    explicit CEqGraph(QWidget *parent = nullptr);

    /// The accepted texts with their powers written out.
    const std::u16string &f() const { return m_f; }
    const std::u16string &g() const { return m_g; }
    /// A, B, C of Ax^2 + Bx + C = 0 and D = B^2 - 4AC of the accepted texts.
    const QuadraticCoefficients &coefficients() const { return m_coefficients; }
    const ExactFraction &discriminant() const { return m_discriminant; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    /// What a start works out from two texts that passed the checks.
    struct Worked
    {
        QuadraticCoefficients coefficients{};
        ExactFraction discriminant;
        SetMapping mappingF;
        SetMapping mappingG;
    };

    void OnStart();
    bool readF(std::u16string &f, QuadraticCoefficients &coefficients);
    bool readG(std::u16string &g, QuadraticCoefficients &coefficients);
    bool work(const QuadraticCoefficients &f, const QuadraticCoefficients &g, Worked &worked);
    void store(const Worked &worked);
    bool refuse(std::u16string_view message, int fieldId);

    void paintFrame(Canvas &canvas);
    void paintEquation(Canvas &canvas);
    void drawDiscriminant(Canvas &canvas);
    void paintMappings(Canvas &canvas);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    int m_clientWidth = 0;
    LessonMetrics m_metrics;

    std::u16string m_f = u"-xx+2x+2";
    std::u16string m_g = u"x+5";
    QuadraticCoefficients m_coefficients{};
    ExactFraction m_discriminant;
    SetMapping m_mappingF;
    SetMapping m_mappingG;
};
