// `frmJPG`: the JPEG size optimiser. It encodes the relief picture at the
// quality of its slider, shows the result in a pannable preview with the
// sizes of the current file and of the new JPEG, and on Apply puts the JPEG
// under the name it is saved as. While it is open the current picture name
// is its temporary BMP, the encoder's source; closing writes back the name
// of the saved JPEG (Apply) or the one from before (Cancel).
#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <map>

class FormatChoice;
class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSlider;

class FrmJpg : public QDialog {
  Q_OBJECT
 public:
  // `relief` is the picture to save; `mode` is "save" or "saveas", and
  // `chosenName` the name picked in Save As's dialog.
  FrmJpg(const QImage& relief, const QString& mode, const QString& chosenName,
         QWidget* owner = nullptr);

  QGroupBox* Frame1;
  QSlider* CCRPSlider1;
  std::map<int, QLabel*> Label1;  // captions 0, 1, 2, 5; sizes 9, 8 (current), 3, 4 (new)
  QPushButton* Command1;          // "&Apply"
  QPushButton* Command2;          // "&Cancel"
  QWidget* Picture2;              // the viewport
  PictureBox* Picture1;           // the preview inside it
  QScrollBar* HScroll1;
  QScrollBar* VScroll1;
  FormatChoice* formatChoice;  // JPEG, PNG or WebP

  bool jpegSucceeded() const { return jpegSuccess_; }
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
  void buildControls();
  void encodeAndShow(int quality);
  void applyWebFormat();
  void showPreview();
  void showNewSize();
  void fitScrollBars();

  QImage relief_;
  QString mode_;
  QString chosenName_;
  QString temporaryBmp_;
  QString temporaryJpeg_;
  QString rememberedName_;
  bool jpegSuccess_ = false;
  bool activated_ = false;
  bool unloaded_ = false;
  QPoint panStart_;
};
