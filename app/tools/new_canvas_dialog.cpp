#include "tools/new_canvas_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "files/paths.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/tiling.h"
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

}  // namespace

NewCanvasDialog::NewCanvasDialog(MainWindowLink& main, ToolDesign design, Platform& platform)
    : main_(main), design_(design), platform_(platform) {
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
  connect(chooseBackgroundButton_, &QPushButton::clicked, this, &NewCanvasDialog::whichOneClicked);
  connect(okButton_, &QPushButton::clicked, this, &NewCanvasDialog::applyClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &NewCanvasDialog::cancelClicked);
  cancelOnEscape(*this, *cancelButton_);
}

void NewCanvasDialog::load() {
  runTrapped(platform_, siteTag::FrmNew_Load, [this] {
    const ScreenScale scale = design_.screenScale();
    placeFixedWindow(*this, scale, windowWidth, windowHeight);
    adjustControlFonts(*this, scale.fontScaleFactor, platform_);
    for (QSpinBox* spin : sizeBoxes_) {
      QFont font = spin->font();
      font.setPointSizeF(font.pointSizeF() * scale.fontScaleFactor);
      spin->setFont(font);
    }
  });
}

void NewCanvasDialog::whichOneClicked() {
  runTrapped(platform_, siteTag::FrmNew_Command1_Click, [this] {
    if (backgroundButtons_[0]->isChecked())
      chooseColour();
    else
      chooseTexture();
  });
}

void NewCanvasDialog::chooseColour() {
  const std::optional<QColor> chosen = platform_.chooseColour(Qt::white, this);
  if (chosen) main_.setCanvasBackColour(*chosen);
}

void NewCanvasDialog::chooseTexture() {
  const QString known = design_.firstTextureName();
  const QString folder =
      known.isEmpty() ? main_.programFolder() + QStringLiteral("/textures") : folderPart(known);
  const QString chosen = openPictureDialog(
      {imageFilesFilter(), folder, fileNamePart(known), QStringLiteral("Textures"), true, this},
      platform_);
  if (chosen.isEmpty()) return;
  if (pathKindOf(chosen) != pathKind::File) {
    platform_.showMessage(
        {QStringLiteral("File not found !"), MessageIcon::Exclamation, {}, applicationTitle, this});
    return;
  }
  // Loaded first: a file that is no picture must not become the kind's texture.
  design_.setCanvasTexture(chosen, loadPicture(chosen));
}

void NewCanvasDialog::applyClicked() {
  runTrapped(platform_, siteTag::FrmNew_OKButton_Click, [this] {
    // A number still being typed counts, clamped like when the box is left.
    for (QSpinBox* spin : sizeBoxes_) spin->interpretText();
    design_.recordUndoStep(platform_);
    QImage canvas(sizeBoxes_[0]->value(), sizeBoxes_[1]->value(), QImage::Format_RGB888);
    canvas.fill(main_.canvasBackColour());
    // A new canvas is a new design, saved nowhere yet.
    design_.setCurrentPictureName({});
    if (backgroundButtons_[1]->isChecked()) tileOver(canvas, design_.canvasTexture());
    main_.replaceCanvas(canvas);
    done(Accepted);
  });
}

void NewCanvasDialog::cancelClicked() {
  runTrapped(platform_, siteTag::FrmNew_CancelButton_Click, [this] { done(Rejected); });
}
