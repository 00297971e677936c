// The optimiser's choice of the format Apply writes: JPEG as the slider
// shows it, or the same picture as PNG or WebP, each with the byte count of
// its real encoding at the slider's quality (PNG has no quality; WebP at 100
// is lossless). WebP is offered only when this run can write it.
#pragma once

#include <QByteArray>
#include <QGroupBox>
#include <QImage>
#include <optional>

#include "files/web_encoding.h"

class QLabel;
class QRadioButton;

class FormatChoice : public QGroupBox {
  Q_OBJECT
 public:
  explicit FormatChoice(QWidget* parent);

  QRadioButton* jpegOption;
  QRadioButton* pngOption;
  QRadioButton* webpOption;
  QLabel* pngSizeLabel;
  QLabel* webpSizeLabel;

  // Encodes `picture` as PNG (once per picture) and as WebP at `quality`,
  // and shows both sizes.
  void encode(const QImage& picture, int quality);

  // The format picked when it is not JPEG.
  std::optional<WebFormat> pickedWebFormat() const;

  // The last encoding of the picked web format; empty for JPEG.
  QByteArray pickedBytes() const;

 private:
  QByteArray pngBytes_;
  QByteArray webpBytes_;
  qint64 pngPictureKey_ = 0;
  bool webpOffered_ = writableWebFormats().contains(WebFormat::Webp);
};
