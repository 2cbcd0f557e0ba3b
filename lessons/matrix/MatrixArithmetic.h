#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// A 2 x 2 matrix of integer entries. The entries are read as 16-bit integers and held in 64 bits,
/// so that determinants, products and the inverse's fractions never wrap.
struct Matrix2
{
    std::int64_t a11 = 0;
    std::int64_t a12 = 0;
    std::int64_t a21 = 0;
    std::int64_t a22 = 0;
    friend bool operator==(const Matrix2 &, const Matrix2 &) = default;
};

/// a11 a22 - a12 a21.
std::int64_t Determinant(const Matrix2 &m);
Matrix2 MatrixSum(const Matrix2 &a, const Matrix2 &b);
Matrix2 MatrixDifference(const Matrix2 &a, const Matrix2 &b);
Matrix2 MatrixProduct(const Matrix2 &a, const Matrix2 &b);

/// The two rows of the inverse as reduced fraction texts "%s  %s": (a22, -a12) / det and
/// (-a21, a11) / det, a zero entry written "0". Only for a non-zero determinant.
struct InverseRows
{
    std::u16string first;
    std::u16string second;
};
InverseRows InverseMatrixRows(const Matrix2 &m);

/// The solution of A (x, y) = (p, q) by the inverse, as reduced fraction texts: x = (p a22 -
/// q a12) / det, y = (q a11 - p a21) / det. Only for a non-zero determinant.
InverseRows SolutionRows(const Matrix2 &m, std::int64_t p, std::int64_t q);

/// Whether a system with a singular matrix has infinitely many solutions ("不定") or none
/// ("不能"): (p, q) must lie on the line both columns of A lie on, that is its cross product with
/// each column is 0; a zero matrix admits only p = q = 0.
bool HasInfinitelyManySolutions(const Matrix2 &m, std::int64_t p, std::int64_t q);

/// Reads one matrix entry from a field: an optional sign and digits (an empty text is 0). Not a
/// signed integer ("1.5", "3+", "1/2"), a sign without digits, or a value outside the 16-bit range
/// gives nothing.
std::optional<std::int16_t> ReadMatrixEntry(std::u16string_view text);
