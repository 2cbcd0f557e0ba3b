#pragma once

#include "biorhythm/BioChart.h"
#include "ui/LessonWindow.h"

#include <cstdint>

/// The lesson window "バイオリズム": the student enters a birth date and a display year and month,
/// and the window draws the physical, emotional and intellectual curves over the days of the
/// display month, shows the weekday of the birth date, and prints the three curves with their
/// critical days on the default printer.
class CBioRythm : public LessonWindow
{
public:
    explicit CBioRythm(QWidget *parent = nullptr);

    /// The dates and day count of the last successful start (no curves before the first).
    const BiorhythmChart &chart() const { return m_chart; }
    /// The cell height u of the screen chart in pixels (client height / 15).
    int cellHeight() const { return m_cellHeight; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnStart();
    void OnPrint();

    BiorhythmChart m_chart;
    std::int16_t m_cellWidth = 0;  ///< client width / 36
    std::int16_t m_cellHeight = 0; ///< client height / 15
};
