#pragma once

#include "lessons/functions/CorrespondencePoints.h"
#include "ui/LessonWindow.h"

#include <array>

/// "対応表": a small non-modal window beside a function lesson that shows the x values of the grid
/// columns and the matching y values of the function the lesson draws, in two rows. The lesson
/// owns it and refreshes it only when its table button is pressed.
class CCorespond : public LessonWindow
{
public:
    explicit CCorespond(QWidget *parent = nullptr);

    static constexpr int kScrollBarId = 1100;
    /// Screen position of the window when it opens.
    static constexpr Point kScreenPosition{20, 400};

    /// Copies the pairs to show; more than ten are cut to ten, a negative count gives none.
    void SetData(const CorrespondencePoints &points);
    /// Starts over as a newly opened window: scroll position 0 on a range of 0..1.
    void OnCreate();

    int count() const { return m_count; }
    int scrollPosition() const { return m_scrollPos; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnHScroll(ScrollAction action, int thumb);
    void drawColumn(Canvas &canvas, int column, int pair);

    int m_count = 0;
    std::array<float, CorrespondencePoints::kCapacity> m_x{};
    std::array<float, CorrespondencePoints::kCapacity> m_y{};
    std::array<bool, CorrespondencePoints::kCapacity> m_defined{};
    /// 0 shows the table from its first pair, 1 skips the first third.
    int m_scrollPos = 0;
};
