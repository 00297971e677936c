#include "main_window/inside_panel.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "design/design_state.h"
#include "design/fill_preview.h"
#include "main_window/panel_building.h"
#include "main_window/panel_pictures.h"
#include "widgets/described.h"
#include "widgets/picture_box.h"

namespace {

constexpr QSize patternThumbnailSize{22, 22};
constexpr QSize texturePreviewSize{86, 24};
// Arrow key steps in points: a palette's colours change little from one
// pixel to the next.
constexpr int paletteKeyStep = 2;

QImage blank(QSize size) {
  QImage picture(size, QImage::Format_RGB888);
  picture.fill(Qt::white);
  return picture;
}

}  // namespace

InsidePanel::InsidePanel(const PanelContext& context, QWidget* parent)
    : QFrame(parent), context_(context) {
  build();
  raisePattern(SurfacePatternType::None);
  describeControls();
  connectControls();
  context_.design.model.listen([this](Setting setting) { showSetting(setting); });
}

// Built in the order Tab walks them.
void InsidePanel::build() {
  fillSourceButtons_[0] = choiceButton(this, "Option3", Setting::FillKind, 0, {6, 4, 92, 20});
  fillSourceButtons_[1] = choiceButton(this, "Option3", Setting::FillKind, 1, {104, 4, 92, 20});
  fillPalette_ = pictureBox(this, QStringLiteral("Picture4"), colourPalette({92, 24}), {6, 27});
  fillButtons_[0] = placed(new QPushButton(QStringLiteral("more"), this), indexed("CmdInside", 0),
                           {6, 55, 92, 23});
  fillPreviews_[1] =
      pictureBox(this, indexed("PicInside2", 1), blank(texturePreviewSize), {104, 27});
  fillButtons_[1] = placed(new QPushButton(QStringLiteral("load texture"), this),
                           indexed("CmdInside", 1), {104, 55, 86, 23});
  for (int i = 0; i < 4; ++i)
    patternPictures_[i] =
        pictureBox(this, indexed("PicInside1", i), surfacePatternThumbnail(i, patternThumbnailSize),
                   {198 + i * 27, 4});
  fillPreviews_[0] = pictureBox(this, indexed("PicInside2", 0),
                                blank({fillPreviewWidth, fillPreviewHeight}), {198, 36});
  curveAxisFrame_ = frame(this, QStringLiteral("Frame2"), {310, 2, 66, 76});
  for (int i = 0; i < 3; ++i)
    curveAxisButtons_[i] =
        choiceButton(curveAxisFrame_, "OptClr", Setting::CurveAxis, i, {2, 2 + i * 24, 64, 22});
  curveBox_ = new CurveBox(context_, *this);
  buildGradient();
}

void InsidePanel::buildGradient() {
  fillSourceButtons_[2] = choiceButton(this, "Option3", Setting::FillKind, 2, {528, 4, 92, 20});
  gradientPreview_ =
      pictureBox(this, QStringLiteral("PicGradient"), blank(texturePreviewSize), {528, 27});
  gradientButton_ = placed(new QPushButton(QStringLiteral("edit gradient"), this),
                           QStringLiteral("CmdGradient"), {528, 55, 86, 23});
  // Buttons that merely share a parent exclude each other together with
  // every button below that parent: checking a fill kind would clear the
  // curve axis beside it and leave the kind checked before.
  auto* fillKinds = new QButtonGroup(this);
  for (QRadioButton* kind : fillSourceButtons_) fillKinds->addButton(kind);
  showGradientPreview(FillGradient());
}

void InsidePanel::describeControls() {
  gradientButton_->setToolTip(tipOf(declaration(Setting::GradientStops)));
  describe(gradientPreview_, captionOf(declaration(Setting::GradientStops)));
  gradientPreview_->setFocusPolicy(Qt::TabFocus);
  describe(fillPalette_, QStringLiteral("Fill colour palette"),
           QStringLiteral("Click a colour to fill the design with it; "
                          "or move the marker with the arrow keys and press Space"));
  fillPalette_->takeKeyboardPointer(paletteKeyStep);
  fillButtons_[0]->setToolTip(tipOf(declaration(Setting::FillColour)));
  fillButtons_[1]->setToolTip(tipOf(declaration(Setting::Texture)));
  describe(fillPreviews_[0], captionOf(declaration(Setting::FillColour)));
  describe(fillPreviews_[1], captionOf(declaration(Setting::Texture)));
  // Tab reaches the previews too, so a screen reader tells what is chosen.
  for (PictureBox* preview : fillPreviews_) preview->setFocusPolicy(Qt::TabFocus);
  for (int i = 0; i < 4; ++i) {
    describeChoice(patternPictures_[i], Setting::SurfacePattern, i);
    patternPictures_[i]->takeKeyboardClicks();
  }
}

void InsidePanel::raisePattern(SurfacePatternType pattern) {
  for (int i = 0; i < int(patternPictures_.size()); ++i) {
    const QImage flat = surfacePatternThumbnail(i, patternThumbnailSize);
    patternPictures_[i]->setPicture(i == velloro::toInt(pattern) ? raisedPicture(flat) : flat);
  }
}

void InsidePanel::showGradientPreview(const FillGradient& gradient) {
  QImage swatch = gradientPreview_->picture();
  paintGradient(swatch, QRectF(swatch.rect()), gradient);
  gradientPreview_->setPicture(swatch);
}

void InsidePanel::drawFillPreview() {
  QImage swatch = fillPreviews_[0]->picture();
  ::drawFillPreview(context_.design, swatch);
  fillPreviews_[0]->setPicture(swatch);
}
