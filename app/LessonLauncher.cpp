#include "app/LessonLauncher.h"

#include "app/CompanionNotifier.h"
#include "app/LessonTable.h"
#include "ui/LessonWindow.h"

std::unique_ptr<LessonWindow> LessonLauncher::prepare(int commandId, QWidget *owner) const
{
    const LessonEntry *entry = findLesson(commandId);
    if (!entry) return nullptr;
    std::unique_ptr<LessonWindow> window = createLessonWindow(*entry, owner);
    if (!window) return nullptr;
    // The biorhythm chart sets its circle constant in its own constructor.
    if (entry->className != "CBioRythm") window->setCircleConstant(kCircleConstant);
    if (entry->lessonCode >= 0) m_companion.notify(entry->lessonCode);
    if (entry->modeFlag >= 0) window->setModeFlag(static_cast<std::int16_t>(entry->modeFlag));
    return window;
}

bool LessonLauncher::run(int commandId, QWidget *owner) const
{
    std::unique_ptr<LessonWindow> window = prepare(commandId, owner);
    if (!window) return false;
    window->DoModal();
    return true;
}
