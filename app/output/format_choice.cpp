#include "output/format_choice.h"

#include <QLabel>
#include <QRadioButton>

#include "output/size_readout.h"

namespace {

constexpr int rowTop = 20;
constexpr int rowHeight = 20;

}  // namespace

FormatChoice::FormatChoice(QWidget* parent) : QGroupBox(QStringLiteral("Format"), parent) {
  setObjectName(QStringLiteral("formatChoice"));
  jpegOption = new QRadioButton(QStringLiteral("JPEG"), this);
  jpegOption->setGeometry(8, rowTop, 70, rowHeight);
  jpegOption->setChecked(true);
  pngOption = new QRadioButton(QStringLiteral("PNG"), this);
  pngOption->setGeometry(90, rowTop, 60, rowHeight);
  pngSizeLabel = new QLabel(this);
  pngSizeLabel->setGeometry(150, rowTop, 125, rowHeight);
  webpOption = new QRadioButton(QStringLiteral("WebP"), this);
  webpOption->setGeometry(290, rowTop, 65, rowHeight);
  webpSizeLabel = new QLabel(this);
  webpSizeLabel->setGeometry(355, rowTop, 125, rowHeight);
  webpOption->setVisible(webpOffered_);
  jpegOption->setToolTip(QStringLiteral("Save as JPEG: small, without transparency"));
  pngOption->setToolTip(QStringLiteral("Save as PNG: lossless, with transparency"));
  webpOption->setToolTip(QStringLiteral("Save as WebP: small, with transparency"));
  webpSizeLabel->setVisible(webpOffered_);
}

void FormatChoice::encode(const QImage& picture, int quality) {
  if (picture.cacheKey() != pngPictureKey_ || pngBytes_.isEmpty()) {
    pngBytes_ = encodeWebPicture(picture, {WebFormat::Png, true, quality});
    pngPictureKey_ = picture.cacheKey();
  }
  pngSizeLabel->setText(bytesReadout(pngBytes_.size()));
  if (!webpOffered_) return;
  webpBytes_ = encodeWebPicture(picture, {WebFormat::Webp, quality >= 100, quality});
  webpSizeLabel->setText(bytesReadout(webpBytes_.size()));
}

std::optional<WebFormat> FormatChoice::pickedWebFormat() const {
  if (pngOption->isChecked()) return WebFormat::Png;
  if (webpOption->isChecked()) return WebFormat::Webp;
  return std::nullopt;
}

QByteArray FormatChoice::pickedBytes() const {
  const std::optional<WebFormat> picked = pickedWebFormat();
  if (!picked) return {};
  return *picked == WebFormat::Png ? pngBytes_ : webpBytes_;
}
