// The "Deformation" panel: the angle label of the deformation slider. The
// deformation type itself is read from the options at Draw.
#include <QLabel>

#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/error_report.h"
#include "state/outside_effects.h"
#include "state/site_tags.h"

void FrmMain::updateDeformationLabel() {
  const auto text = deformationLabel(velloro::DeformationType{panels_->selectedDeformation()},
                                     panels_->deformSlider()->Value());
  if (text) panels_->deformValueLabel()->setText(*text);
}

void FrmMain::deformationClicked() {
  runTrapped(platform(), siteTag::frmMain_Option2_Click, [this] { updateDeformationLabel(); });
}
