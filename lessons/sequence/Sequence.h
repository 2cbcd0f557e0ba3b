#pragma once

#include "lessons/sequence/SequenceTerms.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>
#include <string_view>

/// "数    列": the first four terms, the n-th term and the sum of the first n terms of an
/// arithmetic sequence (exact fractions) and of a geometric sequence (with decimals when the ratio
/// is below 1), each written as its formula with the learner's numbers on a yellow ground.
class CSequence : public LessonWindow
{
public:
    explicit CSequence(QWidget *parent = nullptr);

    /// The accepted input the figure shows.
    const SequenceInput &input() const { return m_input; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    bool readField(int id, SequenceInput &input) const;

    /// Fills, with the brush colour, the ground under characters [first, first + count) of a text
    /// drawn at (x, y), one row (m_unitY) high.
    void HighlightText(Canvas &canvas, int x, int y, std::u16string_view text, int first, int count,
                       Rgb brush) const;
    void drawMarked(Canvas &canvas, int x, int y, const MarkedText &marked) const;
    void drawPanel(Canvas &canvas, int top, int bottom, std::u16string_view list) const;
    /// The base as plain text and the exponent raised after it; returns the width.
    int drawRaised(Canvas &canvas, int x, int y, const MarkedText &base,
                   std::u16string_view exponent);
    void drawArithmetic(Canvas &canvas) const;
    void drawGeometric(Canvas &canvas);

    std::int16_t m_unitX = 0;
    std::int16_t m_unitY = 0;
    SequenceInput m_input;
    SequenceFigure m_figure;
    LessonMetrics m_metrics;
};
