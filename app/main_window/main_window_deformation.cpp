// The "Deformation" panel: the angle label of the deformation slider. The
// deformation type itself is read from the options at Draw.
#include <QLabel>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/error_report.h"
#include "state/outside_effects.h"
#include "state/site_tags.h"

void MainWindow::updateDeformationLabel() {
  const auto text =
      deformationLabel(panels_->selectedDeformation(), panels_->deformSlider()->Value());
  // Without a deformation the slider means nothing: its label shows no angle
  // rather than the last one set.
  panels_->deformValueLabel()->setText(text.value_or(QStringLiteral("0 °")));
}

void MainWindow::deformationClicked() {
  runTrapped(platform(), siteTag::frmMain_Option2_Click, [this] { updateDeformationLabel(); });
}
