#include "main_window/panel_building.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>

#include "design/effect_stack.h"
#include "widgets/described.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

int startChoice(Setting setting) { return std::get<int32_t>(declaration(setting).start); }

// A number's start value, held whole or not.
double startNumber(Setting setting) {
  const SettingValue& start = declaration(setting).start;
  if (const auto* whole = std::get_if<int32_t>(&start)) return *whole;
  return std::get<double>(start);
}

// The range, step, unit and short caption of a number box, and its
// caption and tooltip for the pointer and screen readers.
template <typename Box>
void declareBox(Box* box, const QString& name, Setting setting) {
  const SettingDeclaration& declared = declaration(setting);
  using Number = decltype(box->value());
  box->setObjectName(name);
  box->setRange(Number(declared.low), Number(declared.high));
  box->setSingleStep(Number(declared.step));
  const QString shortCaption = shortCaptionOf(declared);
  if (!shortCaption.isEmpty()) box->setPrefix(shortCaption + u' ');
  box->setSuffix(unitSuffix(declared));
  describeSetting(box, setting);
}

}  // namespace

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

TrackSlider* settingSlider(QWidget* parent, const QString& name, Setting setting, QRect where) {
  const SettingDeclaration& declared = declaration(setting);
  auto* made = placed(new TrackSlider(parent), name, where);
  made->setMin(int(declared.low));
  made->setMax(int(declared.high));
  made->setValue(int(startNumber(setting)));
  return made;
}

QLabel* settingLabel(QWidget* parent, const QString& name, Setting setting, QRect where) {
  return placed(settingLabel(parent, setting), name, where);
}

QLabel* settingLabel(QWidget* parent, Setting setting) {
  return new QLabel(captionOf(declaration(setting)) + QStringLiteral(" :"), parent);
}

QRadioButton* choiceButton(QWidget* parent, const char* name, Setting setting, int choice,
                           QRect where) {
  const SettingDeclaration& declared = declaration(setting);
  QRadioButton* button =
      radio(parent, indexed(name, choice), declared.choiceCaptions[size_t(choice)], where);
  button->setToolTip(QString::fromUtf8(declared.choiceTips[size_t(choice)]));
  button->setChecked(choice == startChoice(setting));
  return button;
}

QComboBox* choiceList(QWidget* parent, const QString& name, Setting setting) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (QLatin1StringView choice : declaration(setting).choiceCaptions) list->addItem(choice);
  list->setCurrentIndex(startChoice(setting));
  describeSetting(list, setting);
  return list;
}

QSpinBox* wholeNumberBox(QWidget* parent, const QString& name, Setting setting) {
  auto* box = new QSpinBox(parent);
  declareBox(box, name, setting);
  box->setValue(int(std::lround(startNumber(setting))));
  return box;
}

QDoubleSpinBox* numberBox(QWidget* parent, const QString& name, Setting setting) {
  auto* box = new QDoubleSpinBox(parent);
  box->setDecimals(declaration(setting).decimals);
  declareBox(box, name, setting);
  box->setValue(startNumber(setting));
  return box;
}

void describeChoice(PictureBox* picture, Setting setting, int choice) {
  const SettingDeclaration& declared = declaration(setting);
  describe(picture, declared.choiceCaptions[size_t(choice)], choiceDescription(declared, choice));
}

void describeSetting(QWidget* control, Setting setting) {
  const SettingDeclaration& declared = declaration(setting);
  describe(control, captionOf(declared), tipOf(declared));
}
