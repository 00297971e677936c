// A style applied in the window: what the user's clicks keep on leaving a
// material and an effect is kept first, then the style is applied to the
// model as on the command line, and the controls follow the model.
#include "design/design_state.h"
#include "design/style.h"
#include "design/style_design.h"
#include "main_window/design_panels.h"
#include "main_window/tab_panels.h"

void DesignPanels::applyStyle(const Style& style, const QString& texturePath) {
  DesignState& state = design_;
  keepMaterialCurve();
  panels_.outside().keepEffectSliders(state.sourceKind);
  ::applyStyle(style, state);
  if (style.fillKind == FillKind::Texture) {
    showTexture(texturePath);
    state.textureNames[state.sourceKind] = texturePath;
  }
  // A pattern or material pressed but not chosen shows raised until then.
  panels_.raisePattern(style.surfacePattern);
  panels_.raiseMaterial(style.material);
  drawFillPreview();
}
