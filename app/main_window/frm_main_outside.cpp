// The "Outside" panel: the controls each outside effect shows, the value
// labels of its sliders and the outline and glow colours.
#include <QLabel>
#include <QPushButton>

#include "main_window/frm_main.h"
#include "main_window/panel_pictures.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/outside_effects.h"
#include "state/site_tags.h"

namespace {

bool noContour() { return design().effectType == EffectType::NoContour; }

QColor shown(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

// The sliders are set by then; the frame, the labels and the colour button
// follow the effect.
void FrmMain::showEffectControls(EffectType effect) {
  const DesignState& state = design();
  const OutsideEffect& described = outsideEffect(effect);
  if (described.sliders == SliderGroup::Shadow) {
    updateShadowLabels(2);
    updateShadowLabels(3);
  } else if (described.sliders == SliderGroup::Outline) {
    const bool glow = described.colour == EffectColour::Glow;
    panels_->paintOutlineButton(shown(glow ? state.glowColour : state.outlineColour));
    panels_->outlineCaption()->setText(QString::fromUtf8(described.widthCaption));
  }
  panels_->showEffectFrame(effect);
}

void FrmMain::updateShadowLabels(int k) {
  runTrapped(platform(), siteTag::frmMain_UpdateShadowPanel, [&] {
    const auto labels =
        shadowLabels(k, panels_->shadowSlider(k)->Value(), outsideEffect(design().effectType));
    if (!labels) return;
    panels_->shadowValueLabel(k)->setText(labels->value);
    if (labels->first) panels_->shadowCaptions()[1]->setText(*labels->first);
    if (labels->second) panels_->shadowCaptions()[2]->setText(*labels->second);
  });
}

void FrmMain::warnNoContour() {
  platform().showMessage({QStringLiteral(" \"No contour\" selected !"), MessageIcon::Exclamation});
}

void FrmMain::shadowSliderChanged(int k) {
  runTrapped(platform(), siteTag::frmMain_MirelSlider1_ValueChange, [&] { updateShadowLabels(k); });
}

// The opacity slider has a meaning of its own; the offsets only with a shadow.
void FrmMain::shadowSliderReleased(int k) {
  runTrapped(platform(), siteTag::frmMain_MirelSlider1_Release, [&] {
    if (k >= 2 && noContour()) warnNoContour();
    updateShadowLabels(k);
  });
}

void FrmMain::outlineSliderChanged() {
  runTrapped(platform(), siteTag::frmMain_SliderOutline_ValueChange, [this] {
    panels_->outlineValueLabel()->setText(percentLabel(panels_->outlineSlider()->Value()));
  });
}

void FrmMain::outlineSliderReleased() {
  runTrapped(platform(), siteTag::frmMain_SliderOutline_Release, [this] {
    if (noContour()) warnNoContour();
    panels_->outlineValueLabel()->setText(percentLabel(panels_->outlineSlider()->Value()));
  });
}

void FrmMain::engravedSliderChanged() {
  runTrapped(platform(), siteTag::frmMain_SliderEngraved_ValueChange, [this] {
    panels_->engravedWidthLabel()->setText(percentLabel(panels_->engravedSlider()->Value()));
  });
}

void FrmMain::engravedSliderReleased() {
  runTrapped(platform(), siteTag::frmMain_SliderEngraved_Release, [this] {
    if (noContour()) warnNoContour();
    panels_->engravedWidthLabel()->setText(percentLabel(panels_->engravedSlider()->Value()));
  });
}

// The button always shows the colour picked; the design takes it as the
// outline or glow colour only while such an effect is selected.
void FrmMain::takeOutlineColour(const QColor& colour) {
  panels_->paintOutlineButton(colour);
  DesignState& state = design();
  const Rgb picked{colour.red(), colour.green(), colour.blue()};
  switch (outsideEffect(state.effectType).colour) {
    case EffectColour::Outline: state.outlineColour = picked; break;
    case EffectColour::Glow: state.glowColour = picked; break;
    case EffectColour::None: break;
  }
}

void FrmMain::pickOutlineColour(Qt::MouseButtons buttons, QPoint at) {
  if (auto colour = paletteColour(panels_->outlinePalette()->picture(), buttons, at))
    takeOutlineColour(*colour);
}

void FrmMain::outlinePalettePressed(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_PictureOutline_MouseDown,
             [&] { pickOutlineColour(buttons, at); });
}

void FrmMain::outlinePaletteMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform(), siteTag::frmMain_PictureOutline_MouseMove,
             [&] { pickOutlineColour(buttons, at); });
}

void FrmMain::outlineButtonClicked() {
  runTrapped(platform(), siteTag::frmMain_CmdOutline_Click, [this] {
    if (auto chosen = platform().chooseColour(panels_->outlineButtonColour(), this))
      takeOutlineColour(*chosen);
  });
}
