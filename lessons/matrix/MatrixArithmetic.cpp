#include "lessons/matrix/MatrixArithmetic.h"

#include "lessons/functions/CoefficientField.h"
#include "mathcore/ExactFraction.h"
#include "mathcore/NumberText.h"
#include "mathcore/TextFormat.h"

#include <algorithm>
#include <cstdint>

std::int64_t Determinant(const Matrix2 &m)
{
    return m.a11 * m.a22 - m.a12 * m.a21;
}

Matrix2 MatrixSum(const Matrix2 &a, const Matrix2 &b)
{
    return {a.a11 + b.a11, a.a12 + b.a12, a.a21 + b.a21, a.a22 + b.a22};
}

Matrix2 MatrixDifference(const Matrix2 &a, const Matrix2 &b)
{
    return {a.a11 - b.a11, a.a12 - b.a12, a.a21 - b.a21, a.a22 - b.a22};
}

Matrix2 MatrixProduct(const Matrix2 &a, const Matrix2 &b)
{
    return {a.a11 * b.a11 + a.a12 * b.a21, a.a11 * b.a12 + a.a12 * b.a22,
            a.a21 * b.a11 + a.a22 * b.a21, a.a21 * b.a12 + a.a22 * b.a22};
}

InverseRows InverseMatrixRows(const Matrix2 &m)
{
    const std::int64_t det = Determinant(m);
    return {formatText(u"%s  %s", FormatReducedFraction(m.a22, det),
                       FormatReducedFraction(-m.a12, det)),
            formatText(u"%s  %s", FormatReducedFraction(-m.a21, det),
                       FormatReducedFraction(m.a11, det))};
}

InverseRows SolutionRows(const Matrix2 &m, std::int64_t p, std::int64_t q)
{
    const std::int64_t det = Determinant(m);
    return {FormatReducedFraction(p * m.a22 - q * m.a12, det),
            FormatReducedFraction(q * m.a11 - p * m.a21, det)};
}

bool HasInfinitelyManySolutions(const Matrix2 &m, std::int64_t p, std::int64_t q)
{
    if (m == Matrix2{}) return p == 0 && q == 0;
    // The columns (a11, a21) and (a12, a22) are parallel (or zero); (p, q) is reachable exactly
    // when it is parallel to both.
    return m.a11 * q - m.a21 * p == 0 && m.a12 * q - m.a22 * p == 0;
}

std::optional<std::int16_t> ReadMatrixEntry(std::u16string_view text)
{
    if (CheckSignedIntegerText(text) != 0) return std::nullopt;
    const bool hasDigit =
        std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!text.empty() && !hasDigit) return std::nullopt;
    const std::int32_t value = LeadingInteger(text);
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<std::int16_t>(value);
}
