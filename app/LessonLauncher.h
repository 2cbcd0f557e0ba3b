#pragma once

#include <memory>

class CompanionNotifier;
class LessonWindow;
class QWidget;

/// Opens lessons from the 学習選択 menu: builds the window, presets the circle constant and the
/// mode flag, notifies the companion program and runs the window modally.
class LessonLauncher
{
public:
    explicit LessonLauncher(CompanionNotifier &companion) : m_companion(companion) {}

    /// Builds the lesson window of a command, ready to be shown: circle constant and mode flag set,
    /// companion notified. Returns nullptr for a command that opens no lesson.
    std::unique_ptr<LessonWindow> prepare(int commandId, QWidget *owner) const;

    /// Opens the lesson of a command modally and returns when the student closes it. Returns false
    /// for a command that opens no lesson.
    bool run(int commandId, QWidget *owner) const;

private:
    CompanionNotifier &m_companion;
};
