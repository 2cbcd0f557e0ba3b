#pragma once

#include <span>
#include <string_view>

/// A rectangle in dialog units: position and size.
struct DialogRect
{
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

enum class ControlKind
{
    PushButton,
    DefPushButton,
    Edit,       ///< single-line bordered edit field with horizontal auto-scroll
    Static,     ///< static text
    BlackFrame, ///< empty black-frame static that serves as a child drawing surface
    GroupBox,
    RadioButton,     ///< plain radio button: the window toggles its check state itself
    AutoRadioButton, ///< radio button checked by the click, exclusive within its group
    CheckBox,        ///< plain check box: the window toggles its check state itself
    AutoCheckBox,
    ComboBox, ///< drop-down list, no typing
    HScrollBar,
    Icon, ///< the application icon
};

/// One control of a dialog template. Controls without an id of their own (labels) use -1.
struct ControlTemplate
{
    int id = -1;
    ControlKind kind = ControlKind::Static;
    std::u16string_view text;
    DialogRect rect;
    int group = 0; ///< auto radio buttons with the same non-zero group exclude one another
};

/// A dialog template: the window's caption, client size in dialog units, font and controls.
struct DialogTemplate
{
    int id = 0;
    std::u16string_view caption;
    int cx = 0;
    int cy = 0;
    std::u16string_view fontFace;
    int fontPoints = 0;
    std::span<const ControlTemplate> controls;
};

/// The template with this id from the program's resources, or nullptr.
const DialogTemplate *findDialogTemplate(int id);

/// Pixels per dialog unit for a template font, as a fraction num/den, the same on every machine:
/// "system" 10 and the 12-point faces give 2 pixels per unit, the 9-point faces 3/2.
struct DialogUnitScale
{
    int num = 2;
    int den = 1;
    int toPixels(int units) const { return units * num / den; }
};
DialogUnitScale dialogUnitScale(std::u16string_view face, int points);
