#include "main_window/tab_panels.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

#include "design/fill_preview.h"
#include "design/outside_effects.h"
#include "design/setting_declarations.h"
#include "main_window/panel_building.h"
#include "main_window/panel_pictures.h"

namespace {

constexpr int tabCaptionLength = 11;
constexpr QSize patternThumbnailSize{22, 22};
constexpr QSize materialThumbnailSize{52, 52};
constexpr QSize texturePreviewSize{86, 24};

}  // namespace

QString tabCaption(const QString& caption) { return caption.leftJustified(tabCaptionLength, ' '); }

TabPanels::TabPanels(const PanelContext& context, QWidget* parent)
    : QWidget(parent), tabStrip_(new QTabBar(this)), panelStack_(new QStackedWidget(this)) {
  tabStrip_->setObjectName(QStringLiteral("tabstrip1"));
  tabStrip_->setDrawBase(true);
  tabStrip_->setExpanding(false);
  for (const char* caption : {"Inside", "Edge", "Outside", "Deformation"})
    tabStrip_->addTab(tabCaption(QLatin1String(caption)));
  panelStack_->move(panelLeftInStrip, panelTopInStrip);
  deformation_ = new DeformationPanel(context, panelStack_);
  outside_ = new OutsidePanel(context, panelStack_);
  panelFrames_ = {new QFrame(panelStack_), new QFrame(panelStack_), outside_, deformation_};
  for (int i = 0; i < 4; ++i) {
    placed(panelFrames_[i], indexed("Frametab", i), QRect(0, 0, 552, 82));
    panelFrames_[i]->setFrameShape(QFrame::StyledPanel);
    panelStack_->addWidget(panelFrames_[i]);
  }
  buildInside(panelFrames_[0]);
  buildEdge(panelFrames_[1]);
  showPanelOfTab(1);
  raisePattern(SurfacePatternType::None);
  raiseMaterial(Material::Profile);
  describeControls();
}

void TabPanels::showPanelOfTab(int selectedTab) {
  for (int i = 0; i < 4; ++i) panelFrames_[i]->setEnabled(i == selectedTab - 1);
  panelStack_->setCurrentIndex(selectedTab - 1);
}

void TabPanels::resizeEvent(QResizeEvent*) {
  tabStrip_->setGeometry(0, 0, width(), tabStrip_->sizeHint().height());
  panelStack_->resize(std::max(0, width() - 2 * panelLeftInStrip), height() - panelTopInStrip);
}

void TabPanels::buildInside(QFrame* panel) {
  fillSourceButtons_[0] =
      radio(panel, indexed("Option3", 0), QStringLiteral("color :"), {6, 4, 92, 20});
  fillSourceButtons_[1] =
      radio(panel, indexed("Option3", 1), QStringLiteral("Texture :"), {104, 4, 92, 20});
  fillSourceButtons_[0]->setChecked(true);
  fillPalette_ = pictureBox(panel, QStringLiteral("Picture4"), colourPalette({92, 24}), {6, 27});
  fillButtons_[0] = placed(new QPushButton(QStringLiteral("more"), panel), indexed("CmdInside", 0),
                           {6, 55, 92, 23});
  QImage texturePreview(texturePreviewSize, QImage::Format_RGB888);
  texturePreview.fill(Qt::white);
  fillPreviews_[1] = pictureBox(panel, indexed("PicInside2", 1), texturePreview, {104, 27});
  fillButtons_[1] = placed(new QPushButton(QStringLiteral("load texture"), panel),
                           indexed("CmdInside", 1), {104, 55, 86, 23});
  for (int i = 0; i < 4; ++i)
    patternPictures_[i] =
        pictureBox(panel, indexed("PicInside1", i),
                   surfacePatternThumbnail(i, patternThumbnailSize), {198 + i * 27, 4});
  QImage preview(fillPreviewWidth, fillPreviewHeight, QImage::Format_RGB888);
  preview.fill(Qt::white);
  fillPreviews_[0] = pictureBox(panel, indexed("PicInside2", 0), preview, {198, 36});
  curveAxisFrame_ = frame(panel, QStringLiteral("Frame2"), {310, 2, 66, 76});
  const char* axes[] = {"T-> B", "L-> R", "C-> E"};
  const char* tips[] = {"Top --> Bottom", "Left --> Right", "Center --> Edge"};
  for (int i = 0; i < 3; ++i) {
    curveAxisButtons_[i] = radio(curveAxisFrame_, indexed("OptClr", i), QLatin1String(axes[i]),
                                 {2, 2 + i * 24, 64, 22});
    curveAxisButtons_[i]->setToolTip(QLatin1String(tips[i]));
  }
  curveAxisButtons_[0]->setChecked(true);
  QImage curveBox(142, 66, QImage::Format_RGB888);
  curveBox.fill(Qt::white);
  curveView_ = pictureBox(panel, QStringLiteral("PicBezier"), curveBox, {380, 6});
  buildGradient(panel);
}

void TabPanels::buildGradient(QFrame* panel) {
  fillSourceButtons_[2] =
      radio(panel, indexed("Option3", 2), QStringLiteral("Gradient :"), {528, 4, 92, 20});
  QImage preview(texturePreviewSize, QImage::Format_RGB888);
  preview.fill(Qt::white);
  gradientPreview_ = pictureBox(panel, QStringLiteral("PicGradient"), preview, {528, 27});
  gradientButton_ = placed(new QPushButton(QStringLiteral("edit gradient"), panel),
                           QStringLiteral("CmdGradient"), {528, 55, 86, 23});
  // Buttons that merely share a parent exclude each other together with
  // every button below that parent: checking a fill kind would clear the
  // curve axis beside it and leave the kind checked before.
  auto* fillKinds = new QButtonGroup(panel);
  for (QRadioButton* kind : fillSourceButtons_) fillKinds->addButton(kind);
  showGradientPreview(FillGradient());
}

void TabPanels::buildEdge(QFrame* panel) {
  for (int i = 0; i < materialCount; ++i)
    materialPictures_[i] =
        pictureBox(panel, indexed("Picture3", i), materialThumbnail(i, materialThumbnailSize),
                   {8 + i * 62, 12});
}

void TabPanels::raisePattern(SurfacePatternType pattern) {
  for (int i = 0; i < int(patternPictures_.size()); ++i) {
    const QImage flat = surfacePatternThumbnail(i, patternThumbnailSize);
    patternPictures_[i]->setPicture(i == velloro::toInt(pattern) ? raisedPicture(flat) : flat);
  }
}

void TabPanels::raiseMaterial(Material material) {
  for (int i = 0; i < int(materialPictures_.size()); ++i) {
    const QImage flat = materialThumbnail(i, materialThumbnailSize);
    materialPictures_[i]->setPicture(i == velloro::toInt(material) ? raisedPicture(flat) : flat);
  }
}

void TabPanels::selectCurveAxis(CurveAxis axis) {
  const int last = int(curveAxisButtons_.size()) - 1;
  curveAxisButtons_[size_t(std::clamp(velloro::toInt(axis), 0, last))]->setChecked(true);
}

void TabPanels::showGradientPreview(const FillGradient& gradient) {
  QImage swatch = gradientPreview_->picture();
  paintGradient(swatch, QRectF(swatch.rect()), gradient);
  gradientPreview_->setPicture(swatch);
}

void TabPanels::showTexturePreview(const QImage& texture) {
  QImage swatch = fillPreviews_[1]->picture();
  tilePicture(swatch, texture);
  fillPreviews_[1]->setPicture(swatch);
}
