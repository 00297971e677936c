#include "output/jpeg_optimiser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStorageInfo>

#include "files/bmp_file.h"
#include "files/file_writing.h"
#include "files/paths.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "files/temp_file.h"
#include "output/format_choice.h"
#include "output/jpeg_encoding.h"
#include "output/jpeg_target.h"
#include "output/size_readout.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/control_fonts.h"
#include "widgets/picture_box.h"
#include "widgets/window_placement.h"

namespace {

constexpr int windowWidth = 579;
// The JPEG controls take 328 pixels; the format row lies below them.
constexpr int windowHeight = 384;

qint64 fileLength(const QString& path) { return QFileInfo(path).size(); }

void removeIfThere(const QString& path) {
  if (!path.isEmpty() && QFileInfo::exists(path)) QFile::remove(path);
}

}  // namespace

JpegOptimiser::JpegOptimiser(const QImage& relief, JpegSave save, ScreenScale scale,
                             Platform& platform, QWidget* owner)
    : QDialog(owner),
      relief_(relief),
      mode_(std::move(save.mode)),
      chosenName_(std::move(save.chosenName)),
      pictureName_(std::move(save.currentName)),
      scale_(scale),
      platform_(platform) {
  setObjectName(QStringLiteral("frmJPG"));
  setWindowTitle(QStringLiteral(" JPEG quality/weight optimizer."));
  setModal(true);
  buildControls();
}

void JpegOptimiser::load() {
  runTrapped(platform_, siteTag::frmJPG_Load, [this] {
    placeFixedWindow(*this, scale_, windowWidth, windowHeight);
    adjustControlFonts(*this, scale_.fontScaleFactor, platform_);
    BusyPointer busy(platform_);
    temporaryBmp_ = File().fullPath();
    temporaryJpeg_ = File().fullPath();
    saveBmp(relief_, temporaryBmp_);
    removeIfThere(temporaryJpeg_);
    qualitySlider_->blockSignals(true);
    qualitySlider_->setValue(100);
    qualitySlider_->blockSignals(false);
    showQualityNumber(100);
    encodeAndShow(100);
  });
}

// The sizes are read once, when the dialog first shows.
void JpegOptimiser::activate() {
  runTrapped(platform_, siteTag::frmJPG_Activate, [this] {
    if (activated_) return;
    activated_ = true;
    // The size a BMP of the relief picture would have when it was never
    // saved: computed, so no file has to be written and removed for it.
    const qint64 current =
        QFileInfo(pictureName_).isFile() ? fileLength(pictureName_) : bmpFileBytes(relief_).size();
    currentBytesLabel_->setText(bytesReadout(current));
    currentKilobytesLabel_->setText(kilobytesReadout(current));
    showNewSize();
    fitScrollBars();
  });
}

void JpegOptimiser::qualityChanged() {
  runTrapped(platform_, siteTag::frmJPG_CCRPSlider1_Change, [this] {
    BusyPointer busy(platform_);
    removeIfThere(temporaryJpeg_);
    showQualityNumber(qualitySlider_->value());
    encodeAndShow(qualitySlider_->value());
    showNewSize();
  });
}

void JpegOptimiser::applyClicked() {
  runTrapped(platform_, siteTag::frmJPG_Command1_Click, [this] {
    if (formatChoice_->pickedWebFormat()) {
      applyWebFormat();
      return;
    }
    if (!QFileInfo(temporaryJpeg_).isFile()) {
      reportMissingJpeg();
      return;
    }
    BusyPointer busy(platform_);
    const QString target = jpegTargetName(mode_, pictureName_, chosenName_);
    // Copied beside the target and renamed over it: a failure leaves the
    // older file whole, and the temporary folder may be on another disk.
    copyFileReplacing(temporaryJpeg_, target);
    pictureName_ = target;
    jpegSuccess_ = true;
    done(Accepted);
  });
}

// PNG or WebP bytes as counted, under the name with that format's extension.
// That name is another file than the one the save dialog asked about, so
// replacing it is asked here.
void JpegOptimiser::applyWebFormat() {
  const WebFormat format = *formatChoice_->pickedWebFormat();
  const QString name = mode_ == QStringLiteral("saveas") ? chosenName_ : pictureName_;
  const QString target = webNameOf(name, format);
  if (target != name && pathKindOf(target) != pathKind::Nothing) {
    const Message replace{
        fileNamePart(target) + QStringLiteral(" already exists.\r\nDo you want to replace it?"),
        MessageIcon::Exclamation, MessageButtons::YesNo, applicationTitle, this};
    if (platform_.showMessage(replace) != MessageAnswer::Yes) return;
  }
  BusyPointer busy(platform_);
  writeFileReplacing(target, formatChoice_->pickedBytes());
  pictureName_ = target;
  jpegSuccess_ = true;
  done(Accepted);
}

void JpegOptimiser::cancelClicked() {
  runTrapped(platform_, siteTag::frmJPG_Command2_Click, [this] {
    jpegSuccess_ = false;
    done(Rejected);
  });
}

void JpegOptimiser::done(int result) {
  unload();
  QDialog::done(result);
}

void JpegOptimiser::unload() {
  runTrapped(platform_, siteTag::frmJPG_Unload, [this] {
    if (unloaded_) return;
    unloaded_ = true;
    removeIfThere(temporaryBmp_);
    removeIfThere(temporaryJpeg_);
  });
}

void JpegOptimiser::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
}

void JpegOptimiser::encodeAndShow(int quality) {
  encodeJpeg(temporaryBmp_, temporaryJpeg_, quality, platform_);
  formatChoice_->encode(relief_, quality);
  showPreview();
}

// Whatever JPEG there is; none after a failed encoding.
void JpegOptimiser::showPreview() {
  previewBox_->setPicture(QFileInfo(temporaryJpeg_).isFile() ? loadPicture(temporaryJpeg_)
                                                             : QImage());
}

void JpegOptimiser::showQualityNumber(int quality) {
  qualityNumber_->setText(QStringLiteral("Quality: %1").arg(quality));
}

// The JPEG is encoded into the temporary folder first; when that failed
// there is nothing to put in place, and copying it would only report the
// missing file instead of what went wrong.
void JpegOptimiser::reportMissingJpeg() {
  const QString folder = QFileInfo(temporaryJpeg_).absolutePath();
  const QStorageInfo disk(folder);
  const QString cause =
      disk.isValid() && disk.bytesAvailable() == 0 ? QStringLiteral("the disk is full")
      : !QFileInfo(folder).isWritable()            ? QStringLiteral("the folder cannot be written")
                                                   : QStringLiteral("the write failed");
  platform_.showMessage(
      {QStringLiteral("The JPEG could not be written to %1: %2. Nothing was saved.")
           .arg(QDir::toNativeSeparators(folder), cause),
       MessageIcon::Exclamation, MessageButtons::Ok, applicationTitle, this});
}

void JpegOptimiser::showNewSize() {
  const qint64 size = fileLength(temporaryJpeg_);
  newBytesLabel_->setText(bytesReadout(size));
  newKilobytesLabel_->setText(kilobytesReadout(size));
}
