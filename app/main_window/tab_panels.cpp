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
#include "main_window/panel_pictures.h"

namespace {

constexpr int tabCaptionLength = 11;
constexpr QSize patternThumbnailSize{22, 22};
constexpr QSize materialThumbnailSize{52, 52};
constexpr QSize texturePreviewSize{86, 24};

template <typename Widget>
Widget* placed(Widget* widget, const QString& name, QRect where) {
  widget->setObjectName(name);
  widget->setGeometry(where);
  return widget;
}

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

// A slider over the range of `setting`, at `value`.
TrackSlider* slider(QWidget* parent, const QString& name, Setting setting, int value, QRect where) {
  auto* made = placed(new TrackSlider(parent), name, where);
  made->setMin(int(declaration(setting).low));
  made->setMax(int(declaration(setting).high));
  made->setValue(value);
  return made;
}

// A slider over the range of the effect entry's setting `name`.
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

}  // namespace

QString tabCaption(const QString& caption) { return caption.leftJustified(tabCaptionLength, ' '); }

TabPanels::TabPanels(QWidget* parent)
    : QWidget(parent), tabStrip_(new QTabBar(this)), panelStack_(new QStackedWidget(this)) {
  tabStrip_->setObjectName(QStringLiteral("tabstrip1"));
  tabStrip_->setDrawBase(true);
  tabStrip_->setExpanding(false);
  for (const char* caption : {"Inside", "Edge", "Outside", "Deformation"})
    tabStrip_->addTab(tabCaption(QLatin1String(caption)));
  panelStack_->move(panelLeftInStrip, panelTopInStrip);
  for (int i = 0; i < 4; ++i) {
    panelFrames_[i] = frame(panelStack_, indexed("Frametab", i), QRect(0, 0, 552, 82));
    panelFrames_[i]->setFrameShape(QFrame::StyledPanel);
    panelStack_->addWidget(panelFrames_[i]);
  }
  buildInside(panelFrames_[0]);
  buildEdge(panelFrames_[1]);
  buildOutside(panelFrames_[2]);
  buildDeformation(panelFrames_[3]);
  showPanelOfTab(1);
  raisePattern(SurfacePatternType::None);
  raiseMaterial(Material::Profile);
  paintOutlineButton(Qt::black);
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

void TabPanels::buildOutside(QFrame* panel) {
  effectList_ = placed(new QListWidget(panel), QStringLiteral("List3"), {6, 2, 120, 78});
  for (const OutsideEffect& effect : outsideEffects())
    effectList_->addItem(QLatin1String(effect.caption));
  const int frameLeft = fitEffectList() + 8;
  shadowFrame_ = frame(panel, QStringLiteral("FrameShadow"), {frameLeft, 2, 300, 76});
  outlineFrame_ = frame(panel, QStringLiteral("FrameOutline"), {frameLeft, 2, 400, 76});
  engravedFrame_ = frame(panel, QStringLiteral("FrameEngraved"), {frameLeft, 2, 300, 76});
  buildShadowFrame();
  buildOutlineFrame();
  buildEngravedFrame();
}

// Every effect in view at once, whatever the style's row height and the
// font's width: the rows run down the list's height and on in a further
// column, each as wide as the longest caption. Returns the list's right edge.
int TabPanels::fitEffectList() {
  const QFontMetrics metrics = effectList_->fontMetrics();
  int widest = 0;
  for (int i = 0; i < effectList_->count(); ++i)
    widest = std::max(widest, metrics.horizontalAdvance(effectList_->item(i)->text()));
  const QSize row(widest + 3 * metrics.averageCharWidth(), metrics.height() + 2);
  for (int i = 0; i < effectList_->count(); ++i) effectList_->item(i)->setSizeHint(row);
  const int border = effectList_->frameWidth();
  const int rowsInView = std::max(1, (effectList_->height() - 2 * border) / row.height());
  const int columns = (effectList_->count() + rowsInView - 1) / rowsInView;
  effectList_->setFlow(QListView::TopToBottom);
  effectList_->setWrapping(true);
  effectList_->setUniformItemSizes(true);
  effectList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  effectList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  effectList_->resize(columns * row.width() + 2 * border, effectList_->height());
  return effectList_->geometry().right();
}

void TabPanels::buildShadowFrame() {
  const char* captions[] = {"S. opacity :", "S. offset X :", "S. offset Y :"};
  const char* values[] = {"50 %", "+ 5", "+ 5"};
  const auto initial = outsideEffect(EffectType::DropShadow).startPositions;
  const char* shadowSettings[] = {"strength", "offsetX", "offsetY"};
  for (int i = 0; i < 3; ++i) {
    const int top = 2 + i * 24;
    shadowCaptions_[i] =
        label(shadowFrame_, indexed("Label1", i), QLatin1String(captions[i]), {0, top, 84, 20});
    // Their object names count from 1.
    shadowSliders_[i] = effectSlider(shadowFrame_, indexed("MirelSlider1", i + 1),
                                     QString(shadowSettings[i]), initial[i], {86, top, 150, 20});
    shadowValueLabels_[i] =
        label(shadowFrame_, indexed("Label2", i + 1), QLatin1String(values[i]), {240, top, 56, 20});
  }
}

void TabPanels::buildOutlineFrame() {
  outlineCaption_ = label(outlineFrame_, QStringLiteral("LabelOutline1"),
                          QStringLiteral("O. width :"), {0, 2, 84, 20});
  outlineSlider_ =
      effectSlider(outlineFrame_, QStringLiteral("SliderOutline"), QStringLiteral("width"),
                   outsideEffect(EffectType::Outline1).startPositions[0], {86, 2, 150, 20});
  outlineValueLabel_ = label(outlineFrame_, QStringLiteral("LabelOutline2"), QStringLiteral("50 %"),
                             {240, 2, 56, 20});
  outlinePalette_ = pictureBox(outlineFrame_, QStringLiteral("PictureOutline"),
                               colourPalette({150, 22}), {86, 30});
  outlineColourButton_ =
      placed(new QPushButton(outlineFrame_), QStringLiteral("CmdOutline"), {240, 30, 40, 22});
}

void TabPanels::buildEngravedFrame() {
  engravedCaption_ = label(engravedFrame_, QStringLiteral("LabelEngraved"),
                           QStringLiteral("Width :"), {0, 2, 84, 20});
  engravedSlider_ =
      effectSlider(engravedFrame_, QStringLiteral("SliderEngraved"), QStringLiteral("width"),
                   outsideEffect(EffectType::Engraved).startPositions[0], {86, 2, 150, 20});
  engravedWidthLabel_ =
      label(engravedFrame_, indexed("Label2", 6), QStringLiteral("20 %"), {240, 2, 56, 20});
}

void TabPanels::buildDeformation(QFrame* panel) {
  const char* captions[] = {"No", "Rotate", "Curve"};
  for (int i = 0; i < 3; ++i)
    deformationButtons_[i] =
        radio(panel, indexed("Option2", i), QLatin1String(captions[i]), {6, 4 + i * 24, 80, 22});
  deformationButtons_[0]->setChecked(true);
  deformCaption_ =
      label(panel, QStringLiteral("LabelDef1"), QStringLiteral("Orientation :"), {100, 28, 84, 20});
  deformSlider_ = slider(panel, QStringLiteral("SliderDeform"), Setting::DeformationAmount, 0,
                         {186, 28, 200, 20});
  deformValueLabel_ =
      label(panel, QStringLiteral("LabelDef2"), QStringLiteral("0 °"), {392, 28, 60, 20});
}

DeformationType TabPanels::selectedDeformation() const {
  for (int i = 0; i < int(deformationButtons_.size()); ++i)
    if (deformationButtons_[i]->isChecked()) return DeformationType(i);
  return DeformationType::None;
}

std::vector<TrackSlider*> TabPanels::effectSliders(SliderGroup group) const {
  switch (group) {
    case SliderGroup::Shadow: return {shadowSliders_.begin(), shadowSliders_.end()};
    case SliderGroup::Engraved: return {engravedSlider_};
    case SliderGroup::Outline: return {outlineSlider_};
    case SliderGroup::None: break;
  }
  return {};
}

void TabPanels::showEffectFrame(EffectType effect) {
  const SliderGroup group = outsideEffect(effect).sliders;
  if (group == SliderGroup::None) return;
  shadowFrame_->setVisible(group == SliderGroup::Shadow);
  engravedFrame_->setVisible(group == SliderGroup::Engraved);
  outlineFrame_->setVisible(group == SliderGroup::Outline);
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

void TabPanels::paintOutlineButton(const QColor& colour) {
  outlineButtonColour_ = colour;
  outlineColourButton_->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 1px outset gray; }")
          .arg(colour.name()));
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
