#pragma once

#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <cstdint>

/// "ドリル": one randomly made exercise on the topic of the lesson that opened it; "答え" adds the
/// worked answer in red. Every opening draws a new exercise from the seed source.
class CDrill : public LessonWindow
{
public:
    /// `topic` is the menu command of the opening lesson, `variant` its mode flag (0 for lessons
    /// without one).
    CDrill(std::int16_t topic, std::int16_t variant, QWidget *parent = nullptr);

    std::int16_t topic() const { return m_topic; }
    /// The variant shown: the opener's, or the drawn one for topics that pick their own.
    std::int16_t variant() const { return m_variant; }
    const DrillParams &params() const { return m_params; }
    bool answerShown() const { return m_showAnswer; }

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;

private:
    void OnAnswer();

    std::int16_t m_topic;
    std::int16_t m_variant;
    DrillParams m_params{};
    bool m_showAnswer = false;
    DrillRandom m_random;
    LessonMetrics m_metrics;
};

/// Opens the drill of a lesson modally over it, with the lesson's topic, variant and circle
/// constant; returns when the drill window closes.
void openDrill(LessonWindow &owner, std::int16_t topic, std::int16_t variant,
               double circleConstant);
