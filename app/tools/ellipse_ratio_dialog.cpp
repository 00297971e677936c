#include "tools/ellipse_ratio_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "design/sketch_figures.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "tools/ellipse_ratio.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/placed_control.h"
#include "widgets/track_slider.h"

namespace {

constexpr int windowWidth = 408;
constexpr int windowHeight = 238;
constexpr int previewSize = 140;
constexpr double previewRadius = 65;

}  // namespace

EllipseRatioDialog::EllipseRatioDialog(QWidget& mainWindow, ToolDesign design, Platform& platform)
    : mainWindow_(mainWindow), design_(design), platform_(platform) {
  setObjectName(QStringLiteral("FrmEllipse"));
  setWindowTitle(QStringLiteral("Ellipse"));
  ratioCaption_ =
      placed<QLabel>(this, "Label1", QStringLiteral("Height/Width ratio :"), {16, 20, 150, 20});
  ratioLabel_ = placed<QLabel>(this, "Label2", QString(), {170, 20, 60, 20});
  ratioSlider_ = new TrackSlider(this);
  ratioSlider_->setObjectName(QStringLiteral("MirelSlider1"));
  describe(ratioSlider_, QStringLiteral("Height/Width ratio"));
  ratioSlider_->setGeometry(16, 56, 214, 20);
  ratioSlider_->setMin(20);
  ratioSlider_->setMax(180);
  ratioSlider_->setValue(100);
  previewLabel_ = placed<QLabel>(this, "Picture1", QString(), {250, 16, previewSize, previewSize});
  okButton_ = placed<QPushButton>(this, "OKButton", QStringLiteral("&OK"), {16, 150, 96, 28});
  cancelButton_ =
      placed<QPushButton>(this, "CancelButton", QStringLiteral("&Cancel"), {124, 150, 96, 28});
  okButton_->setDefault(true);
  okButton_->setToolTip(QStringLiteral("Use this ratio"));
  cancelButton_->setToolTip(QStringLiteral("Close without changing the ratio"));
  connect(ratioSlider_, &TrackSlider::valueChanged, this, &EllipseRatioDialog::sliderChanged);
  connect(okButton_, &QPushButton::clicked, this, &EllipseRatioDialog::okClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &EllipseRatioDialog::cancelClicked);
  cancelOnEscape(*this, *cancelButton_);
}

void EllipseRatioDialog::load() {
  runTrapped(platform_, siteTag::FrmEllipse_Load, [this] {
    const ScreenScale scale = design_.screenScale();
    setFixedSize(scale.width(windowWidth), scale.height(windowHeight));
    move(mainWindow_.pos());
    if (design_.ellipseRatio() == 0) design_.setEllipseRatio(1.0);
    adjustControlFonts(*this, scale.fontScaleFactor, platform_);
  });
}

void EllipseRatioDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
}

void EllipseRatioDialog::activate() {
  runTrapped(platform_, siteTag::FrmEllipse_Activate, [this] {
    activated_ = true;
    ratioSlider_->setValue(sliderOfEllipseRatio(design_.ellipseRatio()));
    drawPreview(design_.ellipseRatio());
  });
}

void EllipseRatioDialog::sliderChanged() {
  // The slider reports its first layout before the window is activated; its
  // initial value then is no choice of the user and must not replace the ratio.
  if (!activated_) return;
  runTrapped(platform_, siteTag::FrmEllipse_MirelSlider1_ValueChange, [this] {
    const double ratio = ellipseRatioOfSlider(ratioSlider_->Value());
    ratioLabel_->setText(QString::number(ratio));
    drawPreview(ratio);
    design_.setEllipseRatio(ratio);
  });
}

void EllipseRatioDialog::drawPreview(double ratio) {
  preview_ = QImage(previewSize, previewSize, QImage::Format_RGB888);
  preview_.fill(Qt::white);
  {
    QPainter painter(&preview_);
    painter.setPen(QPen(Qt::black, 2));
    const QSizeF half = ellipseHalfAxes(previewRadius, ratio);
    painter.drawEllipse(QPointF(70, 70), half.width(), half.height());
  }
  previewLabel_->setPixmap(QPixmap::fromImage(preview_));
}

void EllipseRatioDialog::okClicked() {
  runTrapped(platform_, siteTag::FrmEllipse_OKButton_Click, [this] { done(Accepted); });
}

void EllipseRatioDialog::cancelClicked() {
  runTrapped(platform_, siteTag::FrmEllipse_CancelButton_Click, [this] { done(Rejected); });
}
