#include "tools/frm_new.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "platform/platform.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/input_picture_name.h"
#include "state/paths.h"
#include "state/picture_formats.h"
#include "state/picture_loading.h"
#include "state/site_tags.h"
#include "state/tiling.h"
#include "tools/open_picture_dialog.h"
#include "widgets/clamping_spin_box.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/main_window_link.h"
#include "widgets/placed_control.h"
#include "widgets/window_placement.h"

namespace {

constexpr int windowWidth = 408;
constexpr int windowHeight = 238;

QSpinBox* spinBox(QWidget* window, int value, int maximum, QRect at) {
  auto* spin = new ClampingSpinBox(window);
  spin->setObjectName(QStringLiteral("ES1"));
  spin->setRange(1, maximum);
  spin->setValue(value);
  spin->setGeometry(at);
  return spin;
}

// The texture of the first source kind that has one, the current one first.
QString firstTextureName(const DesignState& state) {
  if (!state.textureNames[state.sourceKind].isEmpty()) return state.textureNames[state.sourceKind];
  for (SourceKind kind : sourceKinds)
    if (!state.textureNames[kind].isEmpty()) return state.textureNames[kind];
  return {};
}

}  // namespace

FrmNew::FrmNew(MainWindowLink& main) : main_(main) {
  setObjectName(QStringLiteral("FrmNew"));
  setWindowTitle(QStringLiteral(" New"));
  setAttribute(Qt::WA_DeleteOnClose);
  sizeCaption_ = placed<QLabel>(this, "Label1", QStringLiteral("Size :"), {16, 12, 120, 20});
  widthCaption_ =
      placed<QLabel>(this, "Label2", QStringLiteral("Pixels Width :"), {32, 40, 110, 20});
  heightCaption_ =
      placed<QLabel>(this, "Label3", QStringLiteral("Pixels Height :"), {32, 72, 110, 20});
  sizeBoxes_[0] = spinBox(this, 600, 1024, {150, 36, 80, 26});
  sizeBoxes_[1] = spinBox(this, 400, 768, {150, 68, 80, 26});
  describe(sizeBoxes_[0], QStringLiteral("Width"),
           QStringLiteral("Width of the new canvas in pixels"));
  describe(sizeBoxes_[1], QStringLiteral("Height"),
           QStringLiteral("Height of the new canvas in pixels"));
  backgroundButtons_[0] =
      placed<QRadioButton>(this, "Option1", QStringLiteral("Color "), {32, 116, 100, 22});
  backgroundButtons_[1] =
      placed<QRadioButton>(this, "Option1", QStringLiteral("Texture"), {32, 144, 100, 22});
  backgroundButtons_[0]->setChecked(true);
  chooseBackgroundButton_ =
      placed<QPushButton>(this, "Command1", QStringLiteral("Which one ?"), {150, 126, 100, 28});
  okButton_ = placed<QPushButton>(this, "OKButton", QStringLiteral("&Apply"), {296, 16, 96, 28});
  cancelButton_ =
      placed<QPushButton>(this, "CancelButton", QStringLiteral("&Cancel"), {296, 52, 96, 28});
  backgroundButtons_[0]->setToolTip(QStringLiteral("Start the canvas in one colour"));
  backgroundButtons_[1]->setToolTip(QStringLiteral("Start the canvas with a texture picture"));
  chooseBackgroundButton_->setToolTip(QStringLiteral("Choose the colour or the texture"));
  okButton_->setToolTip(QStringLiteral("Make the new canvas"));
  cancelButton_->setToolTip(QStringLiteral("Close without a new canvas"));
  connect(chooseBackgroundButton_, &QPushButton::clicked, this, &FrmNew::whichOneClicked);
  connect(okButton_, &QPushButton::clicked, this, &FrmNew::applyClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &FrmNew::cancelClicked);
  cancelOnEscape(*this, *cancelButton_);
}

void FrmNew::load() {
  runTrapped(platform(), siteTag::FrmNew_Load, [this] {
    const DesignState& state = design();
    placeFixedWindow(*this, windowWidth, windowHeight);
    adjustControlFonts(*this, state.fontScaleFactor, platform());
    for (QSpinBox* spin : sizeBoxes_) {
      QFont font = spin->font();
      font.setPointSizeF(font.pointSizeF() * state.fontScaleFactor);
      spin->setFont(font);
    }
  });
}

void FrmNew::whichOneClicked() {
  runTrapped(platform(), siteTag::FrmNew_Command1_Click, [this] {
    if (backgroundButtons_[0]->isChecked())
      chooseColour();
    else
      chooseTexture();
  });
}

void FrmNew::chooseColour() {
  const std::optional<QColor> chosen = platform().chooseColour(Qt::white, this);
  if (chosen) main_.setCanvasBackColour(*chosen);
}

void FrmNew::chooseTexture() {
  DesignState& state = design();
  const QString known = firstTextureName(state);
  const QString folder =
      known.isEmpty() ? main_.programFolder() + QStringLiteral("/textures") : folderPart(known);
  const QString chosen = openPictureDialog(
      {imageFilesFilter(), folder, fileNamePart(known), QStringLiteral("Textures"), true, this});
  if (chosen.isEmpty()) return;
  if (pathKindOf(chosen) != pathKind::File) {
    platform().showMessage(
        {QStringLiteral("File not found !"), MessageIcon::Exclamation, {}, applicationTitle, this});
    return;
  }
  // Loaded first: a file that is no picture must not become the kind's texture.
  design().projectionPicture = loadPicture(chosen);
  state.textureNames[state.sourceKind] = chosen;
}

void FrmNew::applyClicked() {
  runTrapped(platform(), siteTag::FrmNew_OKButton_Click, [this] {
    DesignState& state = design();
    // A number still being typed counts, clamped like when the box is left.
    for (QSpinBox* spin : sizeBoxes_) spin->interpretText();
    state.undo.record(state.workingFiles.canvas, platform());
    QImage canvas(sizeBoxes_[0]->value(), sizeBoxes_[1]->value(), QImage::Format_RGB888);
    canvas.fill(main_.canvasBackColour());
    state.currentPictureName = findInputPictureName(main_.programFolder(), platform());
    if (backgroundButtons_[1]->isChecked()) tileOver(canvas, design().projectionPicture);
    main_.replaceCanvas(canvas);
    done(Accepted);
  });
}

void FrmNew::cancelClicked() {
  runTrapped(platform(), siteTag::FrmNew_CancelButton_Click, [this] { done(Rejected); });
}
