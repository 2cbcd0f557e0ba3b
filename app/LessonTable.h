#pragma once

#include <array>
#include <memory>
#include <span>
#include <string_view>

class LessonWindow;
class QWidget;

/// One lesson of the 学習選択 menu: which command opens which window class on which template, the
/// mode flag the launcher presets (-1: the class has none) and the lesson code sent to the
/// companion program (-1: nothing is sent).
struct LessonEntry
{
    int commandId;
    std::u16string_view
        menuText; ///< as stored: U+001E before the access letter, U+001F before kana
    std::string_view className;
    int templateId;
    int modeFlag;
    int lessonCode;
    int submenu; ///< index into `lessonSubmenuTitles()`, or -1 for the popup itself
};

/// Every lesson, in menu order.
std::span<const LessonEntry> lessonTable();
/// Titles of the four submenus inside 学習選択, as stored.
std::span<const std::u16string_view> lessonSubmenuTitles();
/// The lesson opened by a command, or nullptr.
const LessonEntry *findLesson(int commandId);

/// The circle constant every lesson computes with: ten decimals, not the full-precision value.
constexpr double kCircleConstant = 3.1415926535;

/// Constructs the window class of a lesson on its template (a plain lesson window while the class
/// is not built). Returns nullptr for an unknown template.
std::unique_ptr<LessonWindow> createLessonWindow(const LessonEntry &entry, QWidget *parent);
