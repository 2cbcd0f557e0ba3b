#pragma once

#include "lessons/matrix/MatrixArithmetic.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string>
#include <string_view>

/// Two lessons on one window, chosen by the mode flag.
///
/// Mode 0, "行列の基礎": one operation on the 2 x 2 integer matrices A and B, picked in the
/// operation combo (k times A, sum, difference, product, transpose, inverse, eigenvalue
/// condition), written out entry by entry with its result.
///
/// Mode 1, "連立方程式": solves A (x, y) = (p, q) by the inverse of A, or, when A has no inverse,
/// tells whether the system has infinitely many solutions ("不定") or none ("不能").
class CMatrix : public LessonWindow
{
public:
    explicit CMatrix(QWidget *parent = nullptr);

    void setCircleConstant(double value) override;

    /// The matrices of the last accepted start (in mode 1, B holds p in b11 and q in b21).
    const Matrix2 &matrixA() const { return m_a; }
    const Matrix2 &matrixB() const { return m_b; }
    /// The operation of mode 0 the figure shows, 0 to 7.
    int operation() const { return m_operation; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    bool OnStart(int operation);

    void drawInputBrackets(Canvas &canvas);
    int drawMatrix(Canvas &canvas, int column, int row, std::u16string_view first,
                   std::u16string_view second);
    int drawResultMatrix(Canvas &canvas, int column, int row, const Matrix2 &m);
    void drawInverseName(Canvas &canvas, std::u16string_view name, int x, int y);

    // Mode 1.
    void paintSystem(Canvas &canvas);
    void drawSystemHeading(Canvas &canvas);
    void drawSolution(Canvas &canvas);
    void drawSingularVerdict(Canvas &canvas);

    // Mode 0, one step per operation.
    void paintOperation(Canvas &canvas);
    void drawIdentity(Canvas &canvas);
    void drawMultiple(Canvas &canvas);
    void drawSumOrDifference(Canvas &canvas, bool sum);
    void drawProduct(Canvas &canvas);
    void drawTranspose(Canvas &canvas);
    void drawInverse(Canvas &canvas);
    void drawInverseNote(Canvas &canvas);
    void drawEigenvalue(Canvas &canvas);

    LessonMetrics m_metrics;
    Matrix2 m_a;
    Matrix2 m_b;
    int m_operation = 0;
};
