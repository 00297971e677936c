#include "main_window/panel_building.h"

#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "design/effect_stack.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

QRadioButton* radio(QWidget* parent, const QString& name, const QString& caption, QRect where) {
  return placed(new QRadioButton(caption, parent), name, where);
}

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect where) {
  return placed(new QLabel(caption, parent), name, where);
}

PictureBox* pictureBox(QWidget* parent, const QString& name, const QImage& picture, QPoint at) {
  auto* box = placed(new PictureBox(parent), name, QRect(at, picture.size()));
  box->setPicture(picture);
  return box;
}

TrackSlider* slider(QWidget* parent, const QString& name, Setting setting, int value, QRect where) {
  auto* made = placed(new TrackSlider(parent), name, where);
  made->setMin(int(declaration(setting).low));
  made->setMax(int(declaration(setting).high));
  made->setValue(value);
  return made;
}

TrackSlider* effectSlider(QWidget* parent, const QString& objectName, const QString& name,
                          int value, QRect where) {
  const EntrySetting& setting = *entrySetting(name);
  auto* made = placed(new TrackSlider(parent), objectName, where);
  made->setMin(setting.low);
  made->setMax(setting.high);
  made->setValue(value);
  return made;
}

QFrame* frame(QWidget* parent, const QString& name, QRect where) {
  auto* made = placed(new QFrame(parent), name, where);
  made->setFrameShape(QFrame::NoFrame);
  return made;
}

QString indexed(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void nameByCaption(QLabel* caption, TrackSlider* slider) {
  caption->setBuddy(slider);
  slider->setToolTip(QStringLiteral("Drag or click along the track to set this value"));
}
