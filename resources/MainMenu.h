#pragma once

#include <span>
#include <string_view>

/// One item of a popup of the main menu. Texts are stored as in the classic resource: U+001E before
/// an access letter in parentheses, U+001F between that letter and a following half-width katakana.
struct MenuItemData
{
    int id = 0; ///< 0: separator
    std::u16string_view text;
    bool checked = false; ///< carries the check mark at start
};

/// One popup of menu 128. The lesson popup has no items of its own: the lesson table fills it.
struct MenuPopupData
{
    std::u16string_view title;
    std::span<const MenuItemData> items;
    bool lessons = false;
    bool atRightEnd = false; ///< stands at the right end of the menu bar
};

/// Menu 128, popups in order.
std::span<const MenuPopupData> mainMenu();

/// The status-bar prompt of a command (the text before "\n" of its string), or empty.
std::u16string_view commandPrompt(int id);

/// One entry of accelerator table 128.
struct AcceleratorData
{
    std::u16string_view keys; ///< in Qt's portable key-sequence text
    int command;
};
std::span<const AcceleratorData> acceleratorTable();
