#pragma once

#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// "加法定理": the student picks sin, cos or tan and two angles α and β (each the letter α or β,
/// or a standard angle from 0 to 360 degrees); the window writes the addition formulas for α+β and
/// α−β with letters, then with the exact values of the chosen angles, and the simplified result
/// when one angle is a letter and the other a multiple of 90 degrees, or the double-angle form
/// when both are the same letter.
class CTradd : public LessonWindow
{
public:
    static constexpr std::int16_t kCosine = 0;
    static constexpr std::int16_t kSine = 1;
    static constexpr std::int16_t kTangent = 2;
    /// Entries of each angle list: the two letters and 17 angles; the 20th text stays empty.
    static constexpr int kAngleEntries = 19;

    explicit CTradd(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    std::int16_t alpha() const { return m_alpha; }
    std::int16_t beta() const { return m_beta; }
    std::int16_t function() const { return m_function; }

    /// The degrees of an angle entry ("90ﾟ" gives 90), or nothing for a letter.
    static std::optional<int> angleDegrees(std::u16string_view text);
    /// The simplified function of the letter in f(A ± B) when the other angle is `degrees`, a
    /// multiple of 90 from 0 to 360: "cos", "-sin", ... `letterFirst` tells whether A is the
    /// letter.
    static std::u16string_view simplifiedName(std::int16_t function, bool difference,
                                              bool letterFirst, int degrees);

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnSelectAngle(int id, std::int16_t &member);
    void selectFunction(std::int16_t function);

    std::u16string_view angleText(std::int16_t index) const;
    std::u16string_view code(bool difference) const;
    int drawLeftSide(Canvas &canvas, std::u16string_view name, char16_t op, int row);
    void drawLetterForm(Canvas &canvas, bool difference, int row);
    void drawTangentLetterForm(Canvas &canvas, std::u16string_view codes, int row);
    void drawValueRow(Canvas &canvas, bool difference, int row);
    int drawValueForm(Canvas &canvas, bool difference, int row, int x);
    int drawTangentValueForm(Canvas &canvas, std::u16string_view codes, int row, int x);
    void drawFactor(Canvas &canvas, int &x, int row, char16_t functionCode, std::int16_t angle);
    void drawSimplifiedForm(Canvas &canvas, bool difference, int row);
    void drawDoubleAngleForm(Canvas &canvas, bool difference, int row);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    std::int16_t m_alpha = 0;
    std::int16_t m_beta = 1;
    std::int16_t m_function = kSine;
    std::array<std::u16string, 20> m_angleTexts;
    LessonMetrics m_metrics;
};
