#include "output/image_element_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

ImageElementDialog::ImageElementDialog(const QString& element, QWidget* owner) : QDialog(owner) {
  setWindowTitle(QStringLiteral("Export for the web"));
  auto* caption = new QLabel(QStringLiteral("&HTML for the page:"), this);
  elementBox = new QLineEdit(element, this);
  elementBox->setReadOnly(true);
  // Wide enough to read the element whole, up to a width that fits a screen.
  constexpr int widest = 900;
  elementBox->setMinimumWidth(
      std::min(elementBox->fontMetrics().horizontalAdvance(element) + 16, widest));
  caption->setBuddy(elementBox);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  copyButton = buttons->addButton(QStringLiteral("&Copy"), QDialogButtonBox::ActionRole);
  copyButton->setToolTip(QStringLiteral("Put the HTML on the clipboard"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(elementBox);
  layout->addWidget(buttons);
  connect(copyButton, &QPushButton::clicked, this, [this] {
    QGuiApplication::clipboard()->setText(elementBox->text());
    copyButton->setText(QStringLiteral("Copied"));
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
