#pragma once

#include "ui/DialogTemplate.h"

class QWidget;
enum class ScrollAction;

/// Builds the Qt widget of one template control, without geometry or signal connections: a push
/// button, a single-line edit field, a static text, a child drawing surface for a black frame, a
/// group box, a radio button or check box (plain ones do not exclude one another), a drop-down
/// list, a horizontal scroll bar, or the application icon.
QWidget *createDialogControl(const ControlTemplate &control, QWidget *parent);

/// The classic scroll request for one of QAbstractSlider's actions.
ScrollAction toScrollAction(int sliderAction);
