#include "main_window/gradient_editor.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "main_window/panel_building.h"
#include "platform/platform.h"
#include "widgets/described.h"

namespace {

constexpr QSize previewSize{240, 40};
constexpr QSize stopSwatchSize{28, 16};

QPixmap swatchOf(const QColor& colour) {
  QPixmap swatch(stopSwatchSize);
  swatch.fill(colour);
  return swatch;
}

}  // namespace

GradientEditor::GradientEditor(const FillGradient& gradient, QWidget* owner)
    : QDialog(owner),
      gradient_(gradient),
      addStopButton_(new QPushButton(QStringLiteral("Add stop"), this)),
      removeStopButton_(new QPushButton(QStringLiteral("Remove last stop"), this)),
      angleBox_(wholeNumberBox(this, QString(), Setting::GradientAngle)),
      preview_(new QLabel(this)) {
  setObjectName(QStringLiteral("FrmGradient"));
  setWindowTitle(QStringLiteral("Gradient"));
  auto* stops = new QHBoxLayout;
  for (int i = 0; i < mostGradientStops; ++i) {
    stopButtons_[i] = new QPushButton(this);
    stopButtons_[i]->setIconSize(stopSwatchSize);
    describe(stopButtons_[i], QStringLiteral("Stop %1").arg(i + 1),
             QStringLiteral("Colour of stop %1: click to choose").arg(i + 1));
    connect(stopButtons_[i], &QPushButton::clicked, this, [this, i] { chooseStopColour(i); });
    stops->addWidget(stopButtons_[i]);
  }
  stops->addWidget(addStopButton_);
  stops->addWidget(removeStopButton_);
  angleBox_->setValue(int(std::lround(gradient_.angle)));
  preview_->setFixedSize(previewSize);
  describe(preview_, QStringLiteral("Gradient preview"));
  auto* angleRow = new QHBoxLayout;
  angleRow->addWidget(settingLabel(this, Setting::GradientAngle));
  angleRow->addWidget(angleBox_);
  angleRow->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(stops);
  layout->addLayout(angleRow);
  layout->addWidget(preview_);
  layout->addWidget(buttons);
  connect(addStopButton_, &QPushButton::clicked, this, &GradientEditor::addStop);
  connect(removeStopButton_, &QPushButton::clicked, this, &GradientEditor::removeStop);
  connect(angleBox_, &QSpinBox::valueChanged, this, [this](int angle) {
    gradient_.angle = angle;
    showGradient();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  showGradient();
}

void GradientEditor::chooseStopColour(int index) {
  if (auto chosen = platform().chooseColour(gradient_.stops.at(index), this)) {
    gradient_.stops[index] = *chosen;
    showGradient();
  }
}

// A new stop starts as the last one's colour, to be chosen afresh.
void GradientEditor::addStop() {
  if (int(gradient_.stops.size()) >= mostGradientStops) return;
  const QColor last = gradient_.stops.back();
  gradient_.stops.push_back(last);
  showGradient();
}

void GradientEditor::removeStop() {
  if (int(gradient_.stops.size()) <= fewestGradientStops) return;
  gradient_.stops.pop_back();
  showGradient();
}

void GradientEditor::showGradient() {
  const int count = int(gradient_.stops.size());
  for (int i = 0; i < mostGradientStops; ++i) {
    stopButtons_[i]->setVisible(i < count);
    if (i < count) stopButtons_[i]->setIcon(swatchOf(gradient_.stops[i]));
  }
  addStopButton_->setEnabled(count < mostGradientStops);
  removeStopButton_->setEnabled(count > fewestGradientStops);
  QImage picture(previewSize, QImage::Format_RGB888);
  paintGradient(picture, QRectF(picture.rect()), gradient_);
  preview_->setPixmap(QPixmap::fromImage(picture));
}
