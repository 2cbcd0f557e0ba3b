#pragma once

#include "drill/DrillParameters.h"
#include "drill/DrillRandom.h"
#include "mathcore/LessonMetrics.h"
#include "ui/LessonWindow.h"

#include <QString>

#include <cstdint>
#include <functional>

class QKeyEvent;

/// "ドリル": one randomly made exercise on the topic of the lesson that opened it; "答え" adds the
/// worked answer in red. Every opening draws a new exercise from the seed source. Ctrl+P saves a
/// worksheet of the topic as PDF: twelve exercises drawn from the same seed, the one shown first.
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
    /// The seed the exercise was drawn from.
    unsigned seed() const { return m_seed; }

    /// Exercises on the worksheet that Ctrl+P saves.
    static constexpr int kWorksheetCount = 12;
    /// Asks where to save the worksheet (suggested file name given); an empty name cancels. Tests
    /// replace the file dialog with a function of their own; returns the previous one.
    using WorksheetFileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    static WorksheetFileChooser setWorksheetFileChooser(WorksheetFileChooser chooser);

protected:
    void OnInitDialog() override;
    void OnPaint(Canvas &canvas) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OnAnswer();
    /// Saves the worksheet of this topic and seed where the user chooses; a message when the file
    /// cannot be written.
    void OnWorksheet();

    std::int16_t m_topic;
    std::int16_t m_variant;
    DrillParams m_params{};
    bool m_showAnswer = false;
    unsigned m_seed = 0;
    DrillRandom m_random;
    LessonMetrics m_metrics;
};

/// The drill window's client size in pixels, from its template.
Size drillClientSize();
/// The drill window's cell size for a client size: width / 56 by height / 15.
Size drillCellSize(Size client);

/// Opens the drill of a lesson modally over it, with the lesson's topic, variant and circle
/// constant; returns when the drill window closes.
void openDrill(LessonWindow &owner, std::int16_t topic, std::int16_t variant,
               double circleConstant);
