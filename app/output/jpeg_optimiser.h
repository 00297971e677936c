// `frmJPG`: the JPEG size optimiser. It encodes the relief picture at the
// quality of its slider, shows the result in a pannable preview with the
// sizes of the current file and of the new JPEG, and on Apply puts the JPEG
// under the name it is saved as, which its opener then makes the current
// picture name.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>

#include "design/screen_scale.h"

class FormatChoice;
class PictureBox;
class Platform;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;

// Where the optimiser saves: `mode` is "save" (under the current picture's
// name) or "saveas" (under `chosenName`, picked in Save As's dialog).
struct JpegSave {
  QString mode;
  QString chosenName;
  QString currentName;
};

class JpegOptimiser : public QDialog {
  Q_OBJECT
 public:
  // `relief` is the picture to save.
  JpegOptimiser(const QImage& relief, JpegSave save, ScreenScale scale, Platform& platform,
                QWidget* owner = nullptr);

  QGroupBox* sizeFrame() const { return sizeFrame_; }
  QSlider* qualitySlider() const { return qualitySlider_; }
  QLabel* newSizeCaption() const { return newSizeCaption_; }
  QLabel* currentSizeCaption() const { return currentSizeCaption_; }
  QLabel* qualityCaption() const { return qualityCaption_; }
  QLabel* compressionCaption() const { return compressionCaption_; }
  // The slider's quality as a number, following a drag as it goes.
  QLabel* qualityNumber() const { return qualityNumber_; }
  QLabel* currentBytesLabel() const { return currentBytesLabel_; }
  QLabel* currentKilobytesLabel() const { return currentKilobytesLabel_; }
  QLabel* newBytesLabel() const { return newBytesLabel_; }
  QLabel* newKilobytesLabel() const { return newKilobytesLabel_; }
  QPushButton* applyButton() const { return applyButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }
  QWidget* viewport() const { return viewport_; }
  PictureBox* previewBox() const { return previewBox_; }
  QScrollBar* horizontalScroll() const { return horizontalScroll_; }
  QScrollBar* verticalScroll() const { return verticalScroll_; }
  FormatChoice* formatChoice() const { return formatChoice_; }

  bool jpegSucceeded() const { return jpegSuccess_; }
  // The name of the file Apply wrote; the current name before that.
  const QString& savedName() const { return pictureName_; }
  const QString& temporaryBmp() const { return temporaryBmp_; }
  const QString& temporaryJpeg() const { return temporaryJpeg_; }

  void load();
  void activate();
  void qualityChanged();
  void applyClicked();
  void cancelClicked();
  void unload();
  void scrolled();
  void previewPressed(QPoint at);
  void previewMoved(Qt::MouseButtons buttons, QPoint at);
  void previewReleased();

  // Escape and the close box are Cancel; every ending unloads.
  void reject() override { cancelClicked(); }
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* sizeFrame_;
  QSlider* qualitySlider_;
  QLabel* newSizeCaption_;
  QLabel* currentSizeCaption_;
  QLabel* qualityCaption_;
  QLabel* compressionCaption_;
  QLabel* qualityNumber_;
  QLabel* currentBytesLabel_;
  QLabel* currentKilobytesLabel_;
  QLabel* newBytesLabel_;
  QLabel* newKilobytesLabel_;
  QPushButton* applyButton_;   // "&Apply"
  QPushButton* cancelButton_;  // "&Cancel"
  QWidget* viewport_;          // the viewport
  PictureBox* previewBox_;     // the preview inside it
  QScrollBar* horizontalScroll_;
  QScrollBar* verticalScroll_;
  FormatChoice* formatChoice_;  // JPEG, PNG or WebP
  void buildControls();
  void encodeAndShow(int quality);
  void applyWebFormat();
  void showPreview();
  void showNewSize();
  void showQualityNumber(int quality);
  void reportMissingJpeg();
  void fitScrollBars();

  QImage relief_;
  QString mode_;
  QString chosenName_;
  QString pictureName_;
  ScreenScale scale_;
  Platform& platform_;
  QString temporaryBmp_;
  QString temporaryJpeg_;
  bool jpegSuccess_ = false;
  bool activated_ = false;
  bool unloaded_ = false;
  QPoint panStart_;
};
