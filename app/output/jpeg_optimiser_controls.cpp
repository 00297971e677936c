// The optimiser's controls at their fixed places and their connections.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>

#include "output/format_choice.h"
#include "output/jpeg_optimiser.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/picture_box.h"
#include "widgets/placed_control.h"

namespace {

QScrollBar* scrollBar(QWidget* window, const char* name, Qt::Orientation orientation, QRect at) {
  auto* bar = new QScrollBar(orientation, window);
  bar->setObjectName(QLatin1String(name));
  bar->setGeometry(at);
  bar->setMinimum(0);
  bar->hide();
  return bar;
}

}  // namespace

void JpegOptimiser::buildControls() {
  viewport_ = new QWidget(this);
  viewport_->setObjectName(QStringLiteral("Picture2"));
  viewport_->setGeometry(8, 8, 400, 232);
  previewBox_ = new PictureBox(viewport_);
  previewBox_->setObjectName(QStringLiteral("Picture1"));
  previewBox_->setFocusPolicy(Qt::TabFocus);
  horizontalScroll_ = scrollBar(this, "HScroll1", Qt::Horizontal, {8, 240, 400, 17});
  verticalScroll_ = scrollBar(this, "VScroll1", Qt::Vertical, {408, 8, 17, 232});

  qualitySlider_ = new QSlider(Qt::Horizontal, this);
  qualitySlider_->setObjectName(QStringLiteral("CCRPSlider1"));
  qualitySlider_->setGeometry(8, 270, 417, 24);
  qualitySlider_->setRange(0, 100);
  describe(qualitySlider_, QStringLiteral("JPEG quality"));
  describe(previewBox_, QStringLiteral("Preview"),
           QStringLiteral("Drag to move around the preview"));
  describe(horizontalScroll_, QStringLiteral("Scroll the preview across"));
  describe(verticalScroll_, QStringLiteral("Scroll the preview up and down"));
  // Encoding follows the released slider, not every step of a drag.
  qualitySlider_->setTracking(false);
  compressionCaption_ =
      placed<QLabel>(this, "Label1", QStringLiteral("Highest compression"), {8, 296, 160, 20});
  qualityCaption_ =
      placed<QLabel>(this, "Label1", QStringLiteral("Highest quality"), {300, 296, 125, 20});
  qualityCaption_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  qualityNumber_ = placed<QLabel>(this, "LabelQuality", QString(), {168, 296, 132, 20});
  qualityNumber_->setAlignment(Qt::AlignCenter);

  sizeFrame_ = new QGroupBox(this);
  sizeFrame_->setObjectName(QStringLiteral("Frame1"));
  sizeFrame_->setGeometry(436, 4, 135, 200);
  currentSizeCaption_ =
      placed<QLabel>(sizeFrame_, "Label1", QStringLiteral("Current file size :"), {8, 12, 122, 20});
  currentBytesLabel_ = placed<QLabel>(sizeFrame_, "Label1", QString(), {8, 36, 122, 20});
  currentKilobytesLabel_ = placed<QLabel>(sizeFrame_, "Label1", QString(), {8, 58, 122, 20});
  newSizeCaption_ =
      placed<QLabel>(sizeFrame_, "Label1", QStringLiteral("New file size :"), {8, 104, 122, 20});
  newBytesLabel_ = placed<QLabel>(sizeFrame_, "Label1", QString(), {8, 128, 122, 20});
  newKilobytesLabel_ = placed<QLabel>(sizeFrame_, "Label1", QString(), {8, 150, 122, 20});

  formatChoice_ = new FormatChoice(this);
  formatChoice_->setGeometry(8, 326, 563, 50);

  applyButton_ =
      placed<QPushButton>(this, "Command1", QStringLiteral("&Apply"), {452, 230, 104, 28});
  cancelButton_ =
      placed<QPushButton>(this, "Command2", QStringLiteral("&Cancel"), {452, 266, 104, 28});
  applyButton_->setToolTip(QStringLiteral("Save the picture in the chosen format and quality"));
  cancelButton_->setToolTip(QStringLiteral("Close without saving"));

  connect(qualitySlider_, &QSlider::valueChanged, this, &JpegOptimiser::qualityChanged);
  connect(qualitySlider_, &QSlider::sliderMoved, this, &JpegOptimiser::showQualityNumber);
  connect(applyButton_, &QPushButton::clicked, this, &JpegOptimiser::applyClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &JpegOptimiser::cancelClicked);
  cancelOnEscape(*this, *cancelButton_);
  connect(horizontalScroll_, &QScrollBar::valueChanged, this, &JpegOptimiser::scrolled);
  connect(verticalScroll_, &QScrollBar::valueChanged, this, &JpegOptimiser::scrolled);
  connect(previewBox_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint at) { previewPressed(at); });
  connect(previewBox_, &PictureBox::mouseMoved, this, &JpegOptimiser::previewMoved);
  connect(previewBox_, &PictureBox::mouseReleased, this, &JpegOptimiser::previewReleased);
}
