#include "main_window/edge_panel.h"

#include <QDir>
#include <QFileInfo>

#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/source_kind_switch.h"
#include "files/failure.h"
#include "files/site_tags.h"
#include "main_window/inside_panel.h"
#include "main_window/panel_building.h"
#include "main_window/panel_pictures.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/picture_box.h"

namespace {

constexpr QSize materialThumbnailSize{52, 52};

}  // namespace

EdgePanel::EdgePanel(const PanelContext& context, InsidePanel& inside, QWidget* parent)
    : QFrame(parent), context_(context), inside_(inside) {
  for (int i = 0; i < materialCount; ++i)
    materialPictures_[i] =
        pictureBox(this, indexed("Picture3", i), materialThumbnail(i, materialThumbnailSize),
                   {8 + i * 62, 12});
  raiseMaterial(Material::Profile);
  describeControls();
  for (int i = 0; i < materialCount; ++i) {
    connect(materialPictures_[i], &PictureBox::mousePressed, this,
            [this, i] { selectMaterial(Material(i)); });
    connect(materialPictures_[i], &PictureBox::mousePressed, this, &EdgePanel::settingChanged);
  }
  context_.design.model.listen([this](Setting setting) {
    if (setting == Setting::Material) raiseMaterial(context_.design.model.style().material);
  });
}

void EdgePanel::describeControls() {
  for (int i = 0; i < materialCount; ++i) {
    describeChoice(materialPictures_[i], Setting::Material, i);
    materialPictures_[i]->takeKeyboardClicks();
  }
}

void EdgePanel::raiseMaterial(Material material) {
  for (int i = 0; i < int(materialPictures_.size()); ++i) {
    const QImage flat = materialThumbnail(i, materialThumbnailSize);
    materialPictures_[i]->setPicture(i == velloro::toInt(material) ? raisedPicture(flat) : flat);
  }
}

void EdgePanel::selectMaterial(Material material) {
  runTrapped(context_.platform, siteTag::frmMain_Picture3_MouseDown, [&] {
    keepMaterialCurve();
    setKind(context_.design.model, Setting::Material, material);
    showMaterial(material);
  });
}

void EdgePanel::showMaterial(Material material) {
  DesignState& state = context_.design;
  state.model.set(Setting::FillColour,
                  styleColour(state.kindSettings[state.sourceKind].fillColour));
  setKind(state.model, Setting::CurveAxis,
          keptCurveAxis(state, state.sourceKind, materialGroup(material)));
  loadMaterialCurve(material);
  inside_.drawFillPreview();
  raiseMaterial(material);
}

// Keeping the curve is best effort, as every stored curve is: a curve that
// cannot be written leaves the kind with the preset curve next time.
void EdgePanel::keepMaterialCurve() {
  DesignState& state = context_.design;
  const Style& current = state.model.style();
  const int group = materialGroup(current.material);
  keptCurveAxis(state, state.sourceKind, group) = current.curveAxis;
  try {
    QDir().mkpath(context_.curvesFolder());
    writeCurveFile(context_.curvesFolder() + '/' + storedCurveName(state.sourceKind, group),
                   curvePoints(current));
  } catch (const Failure&) {
  }
}

void EdgePanel::loadMaterialCurve(Material material) {
  DesignState& state = context_.design;
  QString name = QStringLiteral("default.txt");
  if (const std::optional<MaterialLook>& look = materialRow(material).ownLook) {
    setKind(state.model, Setting::CurveAxis, look->axis);
    state.model.set(Setting::FillColour, styleColour(look->fillColour));
    name = look->curveFile;
  } else if (const QString stored = storedCurveName(state.sourceKind, 1);
             QFileInfo::exists(context_.curvesFolder() + '/' + stored)) {
    name = stored;
  }
  CurvePoints curve = curvePoints(state.model.style());
  if (loadCurve(curve, name, context_.curvesFolder(), context_.platform))
    setCurve(state.model, curve);
  inside_.curveBox().draw();
}
