// The picture tool's colour panel: loading a photo, the transparent colour,
// picking a colour and stepping the ranges; each ends by keying again.
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "design/picture_frame.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/engine_library.h"
#include "tools/kept_share.h"
#include "tools/mask_canvas.h"
#include "tools/open_picture_dialog.h"
#include "tools/picture_tool.h"
#include "widgets/main_window_link.h"
#include "widgets/track_slider.h"

void PictureTool::command1Clicked(int index) {
  runCommand([this, index] {
    switch (index) {
      case 0: apply(); break;
      case 1: cancel(); break;
      case 2: loadPictureFile(); break;
      case 3: enterMaskMode(); break;
      default: remove();
    }
  });
}

// A file that is no picture gets the tool's own plea for another one.
void PictureTool::runCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (...) {
    const Failure failure = currentFailure();
    if (failure.number() == errorNumber::UnreadablePicture)
      platform_.showMessage({QStringLiteral("I cannot read this file.Please choose another one."),
                             MessageIcon::None, MessageButtons::Ok, applicationTitle, this});
    else
      reportFailure(platform_, siteTag::FrmPicture_Command1_Click, failure);
  }
}

void PictureTool::loadPictureFile() {
  const QString folder =
      loadFolder_.isEmpty() ? main_.programFolder() + QStringLiteral("/inputs") : loadFolder_;
  const QString chosen =
      openPictureDialog({openPictureFilter(), folder, {}, {}, false, this}, platform_);
  if (chosen.isEmpty()) return;
  loadFolder_ = QFileInfo(chosen).path();
  loadPhoto(chosen);
}

void PictureTool::loadPhoto(const QString& path) {
  // Read before anything is cleared: a file that is no picture keeps the
  // picture and mask there were.
  const QImage photo = loadPictureOver(path, ranges.keyColour());
  chosenFile = path;
  // Strokes saved for another picture would give a mask of another size.
  undoFiles->reset();
  ranges.resetBounds();
  writeBoundLabels();
  showFramedPicture(photo);
  runKeying();
  enableKeyingCommands(true);
  transparentColourButton_->setEnabled(true);
  colourPanel_->setEnabled(true);
}

// Shows the photo centred in the viewing area and saves it, framed in the
// transparent colour, as the picture file. The mask canvas takes its place
// and the framed size.
void PictureTool::showFramedPicture(const QImage& photo) {
  const QImage framed = framedPicture(photo, ranges.keyColour());
  design_.saveFramedPicture(framed);
  const QPoint at = pictureViewPlacement(photo.size());
  photoView_->move(at);
  photoView_->setPicture(photo);
  maskCanvas_->move(at);
  maskCanvas_->setPicture(framed);
  maskCanvas_->penWidth = penWidthSlider_->Value();
}

void PictureTool::runKeying() {
  BusyPointer hourglass(platform_);
  const KeyedPicture keyed = keyPicture(design_.pictureFile(), ranges, engine_->entryPoints());
  photoView_->setPicture(keyed.picture);
  maskCanvas_->setPicture(keyed.mask);
  keptShare_->setText(keptReadout(keptPercent(keyed.mask)));
}

void PictureTool::transparentColourClicked() {
  runTrapped(platform_, siteTag::FrmPicture_Command2_Click, [this] {
    const std::optional<QColor> chosen = platform_.chooseColour(ranges.keyColour(), this);
    if (!chosen) return;
    const QImage photo = loadPictureOver(chosenFile, *chosen);
    QPalette viewport = viewport_->palette();
    viewport.setColor(QPalette::Window, *chosen);
    viewport_->setPalette(viewport);
    photoView_->setPalette(viewport);
    ranges.setKeyColour(*chosen);
    showFramedPicture(photo);
    runKeying();
  });
}

void PictureTool::pictureReleased(Qt::MouseButton, QPoint at) {
  runTrapped(platform_, siteTag::FrmPicture_Picture1_MouseUp, [&] {
    // Before the first load (or after Remove) there is no colour to pick.
    if (!Activated || !photoView_->picture().valid(at)) return;
    ranges.pickAround(photoView_->picture().pixelColor(at));
    writeBoundLabels();
    runKeying();
  });
}

void PictureTool::boundButtonPressed(int index, bool plus) {
  runTrapped(platform_,
             plus ? siteTag::FrmPicture_CmdPlus_MouseDown : siteTag::FrmPicture_CmdMoins_MouseDown,
             [&] {
               heldSince_ = clock();
               heldIndex_ = index;
               (plus ? PlusHeld : MinusHeld) = true;
               boundTimer_.start();
             });
}

void PictureTool::heldBoundTick() {
  if (!PlusHeld && !MinusHeld) return;
  const qint64 now = clock();
  if (now <= heldSince_ + 100) return;
  ranges.stepBound(keyBound(heldIndex_), PlusHeld);
  writeBoundLabel(heldIndex_);
  heldSince_ = now;
}

void PictureTool::boundButtonReleased(int, bool plus) {
  runTrapped(platform_,
             plus ? siteTag::FrmPicture_CmdPlus_MouseUp : siteTag::FrmPicture_CmdMoins_MouseUp,
             [&] {
               boundTimer_.stop();
               PlusHeld = MinusHeld = false;
               runKeying();
             });
}
