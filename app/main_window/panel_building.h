// The named, placed controls the tab panels are built of. Every control
// carries the object name that tests and error reports know it by; a
// control of a design setting takes its captions, tooltip, range, unit and
// start value from the setting's declaration, one builder per kind of
// control, so a panel only names and places it.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "design/setting_declarations.h"

class PictureBox;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QRadioButton;
class QSpinBox;
class QWidget;
class TrackSlider;

template <typename Widget>
Widget* placed(Widget* widget, const QString& name, QRect where) {
  widget->setObjectName(name);
  widget->setGeometry(where);
  return widget;
}

QRadioButton* radio(QWidget* parent, const QString& name, const QString& caption, QRect where);
QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect where);
PictureBox* pictureBox(QWidget* parent, const QString& name, const QImage& picture, QPoint at);
// A slider over the range of the effect entry's setting `name`, at `value`.
TrackSlider* effectSlider(QWidget* parent, const QString& objectName, const QString& name,
                          int value, QRect where);
QFrame* frame(QWidget* parent, const QString& name, QRect where);
// "Name(index)", the name of one of a row of controls.
QString indexed(const char* name, int index);
// A slider takes its accessible name from the caption beside it.
void nameByCaption(QLabel* caption, TrackSlider* slider);

// Controls of a design setting, from its declaration.

// A slider over the setting's range, at its start value.
TrackSlider* settingSlider(QWidget* parent, const QString& name, Setting setting, QRect where);
// The label beside a setting's control: "Caption :"; placed, or left to a layout.
QLabel* settingLabel(QWidget* parent, const QString& name, Setting setting, QRect where);
QLabel* settingLabel(QWidget* parent, Setting setting);
// The radio button of one choice, named "name(choice)", captioned and
// tipped as declared, checked for the start choice.
QRadioButton* choiceButton(QWidget* parent, const char* name, Setting setting, int choice,
                           QRect where);
// A drop-down list of the setting's choices, at its start choice.
QComboBox* choiceList(QWidget* parent, const QString& name, Setting setting);
// A number box over the setting's range at its start value, its short
// caption before and its unit after the value.
QSpinBox* wholeNumberBox(QWidget* parent, const QString& name, Setting setting);
QDoubleSpinBox* numberBox(QWidget* parent, const QString& name, Setting setting);
// A picture of one choice, named after it and described "Caption: choice".
void describeChoice(PictureBox* picture, Setting setting, int choice);
// Names a setting's control by its caption, with its tooltip.
void describeSetting(QWidget* control, Setting setting);
