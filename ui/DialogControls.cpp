#include "ui/DialogControls.h"

#include "ui/ChildSurface.h"
#include "ui/LessonWindow.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

QWidget *createDialogControl(const ControlTemplate &control, QWidget *parent)
{
    const QString text = toQString(control.text);
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto *button = new QPushButton(text, parent);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Edit:
        return new QLineEdit(text, parent);
    case ControlKind::Static: {
        auto *label = new QLabel(text, parent);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::BlackFrame:
        return new ChildSurface(parent);
    case ControlKind::GroupBox:
        return new QGroupBox(text, parent);
    case ControlKind::RadioButton:
    case ControlKind::AutoRadioButton: {
        auto *button = new QRadioButton(text, parent);
        if (control.kind == ControlKind::RadioButton || control.group == 0)
            button->setAutoExclusive(false);
        return button;
    }
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox:
        return new QCheckBox(text, parent);
    case ControlKind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    case ControlKind::HScrollBar: {
        auto *bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setRange(0, 0);
        return bar;
    }
    case ControlKind::Icon: {
        auto *label = new QLabel(parent);
        label->setPixmap(QPixmap(QStringLiteral(":/images/tessaryn.xpm")));
        return label;
    }
    }
    return new QLabel(text, parent);
}

ScrollAction toScrollAction(int sliderAction)
{
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollAction::LineLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollAction::LineRight;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollAction::PageLeft;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollAction::PageRight;
    case QAbstractSlider::SliderToMinimum:
        return ScrollAction::Left;
    case QAbstractSlider::SliderToMaximum:
        return ScrollAction::Right;
    case QAbstractSlider::SliderMove:
        return ScrollAction::ThumbTrack;
    default:
        return ScrollAction::EndScroll;
    }
}
