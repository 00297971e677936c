#include "output/web_export_dialog.h"
#include "widgets/described.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int largestMargin = 500;

}  // namespace

QString webFormatCaption(WebFormat format) {
  return format == WebFormat::Webp ? QStringLiteral("WebP") : QStringLiteral("PNG");
}

WebExportDialog::WebExportDialog(const QList<WebFormat>& formats, const WebExportChoice& initial,
                                 QWidget* owner)
    : QDialog(owner), formats_(formats) {
  setWindowTitle(QStringLiteral("Export for the web"));
  buildControls();
  showChoice(initial);
  enableDependentControls();
}

void WebExportDialog::buildControls() {
  formatBox = new QComboBox(this);
  for (WebFormat format : formats_) formatBox->addItem(webFormatCaption(format));
  losslessBox = new QCheckBox(QStringLiteral("&Lossless"), this);
  qualityBox = new QSpinBox(this);
  qualityBox->setRange(0, 100);
  trimOption = new QRadioButton(QStringLiteral("&Trim to the design, margin (pixels):"), this);
  marginBox = new QSpinBox(this);
  marginBox->setRange(0, largestMargin);
  describe(marginBox, QStringLiteral("Margin (pixels)"),
           QStringLiteral("Pixels kept around the design when trimming"));
  wholeCanvasOption = new QRadioButton(QStringLiteral("&Whole canvas"), this);
  denserBox = new QCheckBox(QStringLiteral("&Also at 2x and 3x"), this);
  denserBox->setToolTip(
      QStringLiteral("Also write name@2x and name@3x, drawn anew at twice and three times the "
                     "density, for screens of high density"));
  formatBox->setToolTip(QStringLiteral("Picture format of the exported file"));
  losslessBox->setToolTip(QStringLiteral("Keep every pixel exactly, at a larger size"));
  qualityBox->setToolTip(QStringLiteral("Higher quality makes a larger file"));
  trimOption->setToolTip(QStringLiteral("Export only the design and a margin around it"));
  wholeCanvasOption->setToolTip(QStringLiteral("Export the whole canvas"));
  denserRefusal = new QLabel(this);
  denserRefusal->setObjectName(QStringLiteral("denserRefusal"));
  denserRefusal->setWordWrap(true);
  denserRefusal->hide();
  buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Export..."));
  buttons->button(QDialogButtonBox::Ok)
      ->setToolTip(QStringLiteral("Choose where to save the file"));
  buttons->button(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Close without exporting"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Format:"), formatBox);
  form->addRow(QString(), losslessBox);
  form->addRow(QStringLiteral("&Quality:"), qualityBox);
  auto* trimRow = new QHBoxLayout;
  trimRow->addWidget(trimOption);
  trimRow->addWidget(marginBox);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(trimRow);
  layout->addWidget(wholeCanvasOption);
  layout->addWidget(denserBox);
  layout->addWidget(denserRefusal);
  layout->addWidget(buttons);

  connect(formatBox, &QComboBox::currentIndexChanged, this, [this] { enableDependentControls(); });
  connect(losslessBox, &QCheckBox::toggled, this, [this] { enableDependentControls(); });
  connect(trimOption, &QRadioButton::toggled, this, [this] { enableDependentControls(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void WebExportDialog::showChoice(const WebExportChoice& initial) {
  const qsizetype format = formats_.indexOf(initial.encoding.format);
  formatBox->setCurrentIndex(format < 0 ? 0 : int(format));
  losslessBox->setChecked(initial.encoding.lossless);
  qualityBox->setValue(initial.encoding.quality);
  marginBox->setValue(initial.margin);
  (initial.wholeCanvas ? wholeCanvasOption : trimOption)->setChecked(true);
  denserBox->setChecked(initial.alsoDenser);
}

// PNG has no lossy form, and a quality or margin that has no effect is not
// offered.
void WebExportDialog::enableDependentControls() {
  const bool png = chosenFormat() == WebFormat::Png;
  if (png) losslessBox->setChecked(true);
  losslessBox->setEnabled(!png);
  qualityBox->setEnabled(!losslessBox->isChecked());
  marginBox->setEnabled(trimOption->isChecked());
}

WebFormat WebExportDialog::chosenFormat() const {
  const int index = formatBox->currentIndex();
  return index >= 0 && index < formats_.size() ? formats_[index] : WebFormat::Png;
}

WebExportChoice WebExportDialog::choice() const {
  WebExportChoice chosen;
  chosen.encoding = {chosenFormat(), losslessBox->isChecked(), qualityBox->value()};
  chosen.wholeCanvas = wholeCanvasOption->isChecked();
  chosen.margin = marginBox->value();
  chosen.alsoDenser = denserBox->isEnabled() ? denserBox->isChecked() : denserWanted_;
  return chosen;
}

void WebExportDialog::refuseDenser(const QString& why) {
  denserWanted_ = denserBox->isChecked();
  denserBox->setChecked(false);
  denserBox->setEnabled(false);
  denserRefusal->setText(why);
  denserRefusal->show();
}
