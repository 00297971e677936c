// The named, placed controls the tab panels are built of. Every control
// carries the object name that tests and error reports know it by.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "design/setting_declarations.h"

class PictureBox;
class QFrame;
class QLabel;
class QRadioButton;
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
// A slider over the range of `setting`, at `value`.
TrackSlider* slider(QWidget* parent, const QString& name, Setting setting, int value, QRect where);
// A slider over the range of the effect entry's setting `name`, at `value`.
TrackSlider* effectSlider(QWidget* parent, const QString& objectName, const QString& name,
                          int value, QRect where);
QFrame* frame(QWidget* parent, const QString& name, QRect where);
// "Name(index)", the name of one of a row of controls.
QString indexed(const char* name, int index);
// A slider takes its accessible name from the caption beside it.
void nameByCaption(QLabel* caption, TrackSlider* slider);
