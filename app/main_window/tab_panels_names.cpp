// The names and tooltips of the panels' controls. A slider is named by the
// caption beside it, which changes with the outside effect.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "main_window/panel_building.h"
#include "main_window/tab_panels.h"
#include "widgets/described.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

// Arrow key steps in points: a palette's colours change little from one
// pixel to the next; a curve point is hit within three pixels.
constexpr int paletteKeyStep = 2;
constexpr int curveKeyStep = 2;

}  // namespace

void TabPanels::describeControls() {
  const char* tabHints[] = {"Fill, surface pattern and profile curve", "Material of the bevel",
                            "Effect around the design", "Turn or bend the design"};
  for (int i = 0; i < 4; ++i) tabStrip_->setTabToolTip(i, QLatin1String(tabHints[i]));
  fillSourceButtons_[0]->setToolTip(QStringLiteral("Fill the design with a colour"));
  fillSourceButtons_[1]->setToolTip(QStringLiteral("Fill the design with a texture picture"));
  fillSourceButtons_[2]->setToolTip(QStringLiteral("Fill the design with a colour gradient"));
  gradientButton_->setToolTip(QStringLiteral("Choose the gradient's colours and angle"));
  describe(gradientPreview_, QStringLiteral("Gradient"));
  gradientPreview_->setFocusPolicy(Qt::TabFocus);
  describe(fillPalette_, QStringLiteral("Fill colour palette"),
           QStringLiteral("Click a colour to fill the design with it; "
                          "or move the marker with the arrow keys and press Space"));
  fillPalette_->takeKeyboardPointer(paletteKeyStep);
  fillButtons_[0]->setToolTip(QStringLiteral("Choose any fill colour"));
  fillButtons_[1]->setToolTip(QStringLiteral("Load a texture picture"));
  describe(fillPreviews_[0], QStringLiteral("Fill colour"));
  describe(fillPreviews_[1], QStringLiteral("Texture"));
  // Tab reaches the previews too, so a screen reader tells what is chosen.
  for (PictureBox* preview : fillPreviews_) preview->setFocusPolicy(Qt::TabFocus);
  const char* patterns[] = {"Smooth surface", "Streaks", "Grain", "Ripples"};
  for (int i = 0; i < 4; ++i) {
    describe(patternPictures_[i], QLatin1String(patterns[i]),
             QStringLiteral("Surface pattern: ") + QLatin1String(patterns[i]));
    patternPictures_[i]->takeKeyboardClicks();
  }
  describe(curveView_, QStringLiteral("Profile curve"),
           QStringLiteral("Drag a point to shape the brightness across the design; "
                          "right-click to reset, save or load the curve. Keys: Space picks up "
                          "the point under the marker, the arrow keys move it, Space drops it"));
  curveView_->takeKeyboardPointer(curveKeyStep, true);
  for (int i = 0; i < materialCount; ++i) {
    const QString name = materials[size_t(i)].name;
    describe(materialPictures_[i], name, QStringLiteral("Material: ") + name);
    materialPictures_[i]->takeKeyboardClicks();
  }
}
