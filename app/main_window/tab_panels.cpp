#include "main_window/tab_panels.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <algorithm>

#include "main_window/panel_pictures.h"
#include "state/fill_preview.h"
#include "state/outside_effects.h"

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

MirelSlider* slider(QWidget* parent, const QString& name, int value, QRect where) {
  auto* made = placed(new MirelSlider(parent), name, where);
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

TabPanels::TabPanels(QWidget* parent) : QWidget(parent), tabstrip1(new QTabBar(this)) {
  tabstrip1->setObjectName(QStringLiteral("tabstrip1"));
  tabstrip1->setDrawBase(true);
  tabstrip1->setExpanding(false);
  for (const char* caption : {"Inside", "Edge", "Outside", "Deformation"})
    tabstrip1->addTab(tabCaption(QLatin1String(caption)));
  for (int i = 0; i < 4; ++i) {
    Frametab[i] =
        frame(this, indexed("Frametab", i), QRect(panelHiddenLeft, panelTopInStrip, 552, 82));
    Frametab[i]->setFrameShape(QFrame::StyledPanel);
  }
  buildInside(Frametab[0]);
  buildEdge(Frametab[1]);
  buildOutside(Frametab[2]);
  buildDeformation(Frametab[3]);
  showPanelOfTab(1);
  raisePattern(0);
  raiseMaterial(0);
  paintOutlineButton(Qt::black);
}

void TabPanels::showPanelOfTab(int selectedTab) {
  for (int i = 0; i < 4; ++i) {
    const bool selected = i == selectedTab - 1;
    Frametab[i]->move(selected ? panelShownLeft : panelHiddenLeft, panelTopInStrip);
    Frametab[i]->setEnabled(selected);
  }
}

void TabPanels::resizeEvent(QResizeEvent*) {
  tabstrip1->setGeometry(0, 0, width(), tabstrip1->sizeHint().height());
  for (QFrame* panel : Frametab)
    panel->resize(std::max(0, width() - 2 * panelShownLeft), height() - panelTopInStrip);
}

void TabPanels::buildInside(QFrame* panel) {
  Option3[0] = radio(panel, indexed("Option3", 0), QStringLiteral("color :"), {6, 4, 92, 20});
  Option3[1] = radio(panel, indexed("Option3", 1), QStringLiteral("Texture :"), {104, 4, 92, 20});
  Option3[0]->setChecked(true);
  Picture4 = pictureBox(panel, QStringLiteral("Picture4"), colourPalette({92, 24}), {6, 27});
  CmdInside[0] = placed(new QPushButton(QStringLiteral("more"), panel), indexed("CmdInside", 0),
                        {6, 55, 92, 23});
  QImage texturePreview(texturePreviewSize, QImage::Format_RGB888);
  texturePreview.fill(Qt::white);
  PicInside2[1] = pictureBox(panel, indexed("PicInside2", 1), texturePreview, {104, 27});
  CmdInside[1] = placed(new QPushButton(QStringLiteral("load texture"), panel),
                        indexed("CmdInside", 1), {104, 55, 86, 23});
  for (int i = 0; i < 4; ++i)
    PicInside1[i] = pictureBox(panel, indexed("PicInside1", i),
                               surfacePatternThumbnail(i, patternThumbnailSize), {198 + i * 27, 4});
  QImage preview(fillPreviewWidth, fillPreviewHeight, QImage::Format_RGB888);
  preview.fill(Qt::white);
  PicInside2[0] = pictureBox(panel, indexed("PicInside2", 0), preview, {198, 36});
  Frame2 = frame(panel, QStringLiteral("Frame2"), {310, 2, 66, 76});
  const char* axes[] = {"T-> B", "L-> R", "C-> E"};
  const char* tips[] = {"Top --> Bottom", "Left --> Right", "Center --> Edge"};
  for (int i = 0; i < 3; ++i) {
    OptClr[i] =
        radio(Frame2, indexed("OptClr", i), QLatin1String(axes[i]), {2, 2 + i * 24, 64, 22});
    OptClr[i]->setToolTip(QLatin1String(tips[i]));
  }
  OptClr[0]->setChecked(true);
  QImage curveBox(142, 66, QImage::Format_RGB888);
  curveBox.fill(Qt::white);
  PicBezier = pictureBox(panel, QStringLiteral("PicBezier"), curveBox, {380, 6});
}

void TabPanels::buildEdge(QFrame* panel) {
  for (int i = 0; i < 8; ++i)
    Picture3[i] = pictureBox(panel, indexed("Picture3", i),
                             materialThumbnail(i, materialThumbnailSize), {8 + i * 62, 12});
}

void TabPanels::buildOutside(QFrame* panel) {
  List3 = placed(new QListWidget(panel), QStringLiteral("List3"), {6, 4, 120, 74});
  List3->addItems({QStringLiteral("No contour"), QStringLiteral("Drop shadow"),
                   QStringLiteral("Casted shadow"), QStringLiteral("Engraved"),
                   QStringLiteral("Raised"), QStringLiteral("Outline 1"),
                   QStringLiteral("Outline 2"), QStringLiteral("Glow")});
  FrameShadow = frame(panel, QStringLiteral("FrameShadow"), {134, 2, 300, 76});
  FrameOutline = frame(panel, QStringLiteral("FrameOutline"), {134, 2, 400, 76});
  FrameEngraved = frame(panel, QStringLiteral("FrameEngraved"), {134, 2, 300, 76});
  buildShadowFrame();
  buildOutlineFrame();
  buildEngravedFrame();
}

void TabPanels::buildShadowFrame() {
  const char* captions[] = {"S. opacity :", "S. offset X :", "S. offset Y :"};
  const char* values[] = {"50 %", "+ 5", "+ 5"};
  const int initial[] = {50, 60, 60};
  for (int i = 0; i < 3; ++i) {
    const int top = 2 + i * 24;
    Label1[i] =
        label(FrameShadow, indexed("Label1", i), QLatin1String(captions[i]), {0, top, 84, 20});
    // Their object names count from 1.
    shadowSliders_[i] =
        slider(FrameShadow, indexed("MirelSlider1", i + 1), initial[i], {86, top, 150, 20});
    shadowValueLabels_[i] =
        label(FrameShadow, indexed("Label2", i + 1), QLatin1String(values[i]), {240, top, 56, 20});
  }
}

void TabPanels::buildOutlineFrame() {
  LabelOutline1 = label(FrameOutline, QStringLiteral("LabelOutline1"), QStringLiteral("O. width :"),
                        {0, 2, 84, 20});
  SliderOutline = slider(FrameOutline, QStringLiteral("SliderOutline"), 50, {86, 2, 150, 20});
  LabelOutline2 = label(FrameOutline, QStringLiteral("LabelOutline2"), QStringLiteral("50 %"),
                        {240, 2, 56, 20});
  PictureOutline = pictureBox(FrameOutline, QStringLiteral("PictureOutline"),
                              colourPalette({150, 22}), {86, 30});
  CmdOutline =
      placed(new QPushButton(FrameOutline), QStringLiteral("CmdOutline"), {240, 30, 40, 22});
}

void TabPanels::buildEngravedFrame() {
  label(FrameEngraved, QStringLiteral("LabelEngraved"), QStringLiteral("Width :"), {0, 2, 84, 20});
  SliderEngraved = slider(FrameEngraved, QStringLiteral("SliderEngraved"), 20, {86, 2, 150, 20});
  engravedWidthLabel_ =
      label(FrameEngraved, indexed("Label2", 6), QStringLiteral("20 %"), {240, 2, 56, 20});
}

void TabPanels::buildDeformation(QFrame* panel) {
  const char* captions[] = {"No", "Rotate", "Curve"};
  for (int i = 0; i < 3; ++i)
    Option2[i] =
        radio(panel, indexed("Option2", i), QLatin1String(captions[i]), {6, 4 + i * 24, 80, 22});
  Option2[0]->setChecked(true);
  LabelDef1 =
      label(panel, QStringLiteral("LabelDef1"), QStringLiteral("Orientation :"), {100, 28, 84, 20});
  SliderDeform = slider(panel, QStringLiteral("SliderDeform"), 0, {186, 28, 200, 20});
  LabelDef2 = label(panel, QStringLiteral("LabelDef2"), QStringLiteral("0 °"), {392, 28, 60, 20});
}

int TabPanels::selectedDeformation() const {
  for (int i = 0; i < 3; ++i)
    if (Option2[i]->isChecked()) return i;
  return 0;
}

void TabPanels::showEffectFrame(EffectType effect) {
  const SliderGroup group = outsideEffect(effect).sliders;
  if (group == SliderGroup::None) return;
  FrameShadow->setVisible(group == SliderGroup::Shadow);
  FrameEngraved->setVisible(group == SliderGroup::Engraved);
  FrameOutline->setVisible(group == SliderGroup::Outline);
}

void TabPanels::raisePattern(int index) {
  for (int i = 0; i < int(PicInside1.size()); ++i) {
    const QImage flat = surfacePatternThumbnail(i, patternThumbnailSize);
    PicInside1[i]->setPicture(i == index ? raisedPicture(flat) : flat);
  }
}

void TabPanels::raiseMaterial(int index) {
  for (int i = 0; i < int(Picture3.size()); ++i) {
    const QImage flat = materialThumbnail(i, materialThumbnailSize);
    Picture3[i]->setPicture(i == index ? raisedPicture(flat) : flat);
  }
}

void TabPanels::selectCurveAxis(int axis) { OptClr[std::clamp(axis, 0, 2)]->setChecked(true); }

void TabPanels::paintOutlineButton(const QColor& colour) {
  outlineButtonColour_ = colour;
  CmdOutline->setStyleSheet(
      QStringLiteral("QPushButton { background-color: %1; border: 1px outset gray; }")
          .arg(colour.name()));
}

void TabPanels::showTexturePreview(const QImage& texture) {
  QImage swatch = PicInside2[1]->picture();
  tilePicture(swatch, texture);
  PicInside2[1]->setPicture(swatch);
}
