// The "Outside" panel: the controls each outside effect shows, the value
// labels of its sliders and the outline and glow colours; and the
// "Deformation" panel, whose type is read from its options at Draw.
#include <QLabel>
#include <QPushButton>

#include "design/design_state.h"
#include "design/outside_effects.h"
#include "files/site_tags.h"
#include "main_window/design_panels.h"
#include "main_window/panel_pictures.h"
#include "main_window/tab_panels.h"
#include "platform/error_report.h"
#include "platform/platform.h"

namespace {

QColor shown(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

// The sliders are set by then; the frame, the labels and the colour button
// follow the effect.
void DesignPanels::showEffectControls(EffectType effect) {
  const OutsideEffect& described = outsideEffect(effect);
  if (described.sliders == SliderGroup::Shadow) {
    updateShadowLabels(2);
    updateShadowLabels(3);
  } else if (described.sliders == SliderGroup::Outline) {
    if (described.colour != EffectColour::None)
      panels_.paintOutlineButton(shown(entryRgb(design_.model.style().effects.back())));
    panels_.outlineCaption()->setText(QString::fromUtf8(described.widthCaption));
  }
  panels_.showEffectFrame(effect);
}

void DesignPanels::updateShadowLabels(int k) {
  runTrapped(platform_, siteTag::frmMain_UpdateShadowPanel, [&] {
    const auto labels = shadowLabels(k, panels_.shadowSlider(k)->Value(),
                                     outsideEffect(panelEffect(design_.model.style())));
    if (!labels) return;
    panels_.shadowValueLabel(k)->setText(labels->value);
    if (labels->first) panels_.shadowCaptions()[1]->setText(*labels->first);
    if (labels->second) panels_.shadowCaptions()[2]->setText(*labels->second);
  });
}

bool DesignPanels::noContour() const { return design_.model.style().effects.empty(); }

void DesignPanels::warnNoContour() {
  platform_.showMessage({QStringLiteral(" \"No contour\" selected !"), MessageIcon::Exclamation});
}

void DesignPanels::shadowSliderChanged(int k) {
  runTrapped(platform_, siteTag::frmMain_MirelSlider1_ValueChange, [&] { updateShadowLabels(k); });
}

// The opacity slider has a meaning of its own; the offsets only with a shadow.
void DesignPanels::shadowSliderReleased(int k) {
  runTrapped(platform_, siteTag::frmMain_MirelSlider1_Release, [&] {
    if (k >= 2 && noContour()) warnNoContour();
    updateShadowLabels(k);
  });
}

void DesignPanels::outlineSliderChanged() {
  runTrapped(platform_, siteTag::frmMain_SliderOutline_ValueChange, [this] {
    panels_.outlineValueLabel()->setText(percentLabel(panels_.outlineSlider()->Value()));
  });
}

void DesignPanels::outlineSliderReleased() {
  runTrapped(platform_, siteTag::frmMain_SliderOutline_Release, [this] {
    if (noContour()) warnNoContour();
    panels_.outlineValueLabel()->setText(percentLabel(panels_.outlineSlider()->Value()));
  });
}

void DesignPanels::engravedSliderChanged() {
  runTrapped(platform_, siteTag::frmMain_SliderEngraved_ValueChange, [this] {
    panels_.engravedWidthLabel()->setText(percentLabel(panels_.engravedSlider()->Value()));
  });
}

void DesignPanels::engravedSliderReleased() {
  runTrapped(platform_, siteTag::frmMain_SliderEngraved_Release, [this] {
    if (noContour()) warnNoContour();
    panels_.engravedWidthLabel()->setText(percentLabel(panels_.engravedSlider()->Value()));
  });
}

// The button always shows the colour picked; the design takes it as the
// outline or glow colour only while such an effect is selected.
void DesignPanels::takeOutlineColour(const QColor& colour) {
  panels_.paintOutlineButton(colour);
  DesignModel& model = design_.model;
  if (outsideEffect(panelEffect(model.style())).colour == EffectColour::None) return;
  EffectEntry top = model.style().effects.back();
  top.colour = styleColour(colour);
  setEffectEntry(model, int(model.style().effects.size()) - 1, top);
}

void DesignPanels::pickOutlineColour(Qt::MouseButtons buttons, QPoint at) {
  if (auto colour = paletteColour(panels_.outlinePalette()->picture(), buttons, at))
    takeOutlineColour(*colour);
}

void DesignPanels::outlinePalettePressed(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_PictureOutline_MouseDown,
             [&] { pickOutlineColour(buttons, at); });
}

void DesignPanels::outlinePaletteMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmMain_PictureOutline_MouseMove,
             [&] { pickOutlineColour(buttons, at); });
}

void DesignPanels::outlineButtonClicked() {
  runTrapped(platform_, siteTag::frmMain_CmdOutline_Click, [this] {
    if (auto chosen = platform_.chooseColour(panels_.outlineButtonColour(), &window_.ownerWidget()))
      takeOutlineColour(*chosen);
  });
}

void DesignPanels::updateDeformationLabel() {
  const Style& style = design_.model.style();
  const auto text = deformationLabel(style.deformationType, style.deformationAmount);
  // Without a deformation the slider means nothing: its label shows no angle
  // rather than the last one set.
  panels_.deformValueLabel()->setText(text.value_or(QStringLiteral("0 °")));
}

void DesignPanels::deformationClicked() {
  runTrapped(platform_, siteTag::frmMain_Option2_Click, [this] { updateDeformationLabel(); });
}
