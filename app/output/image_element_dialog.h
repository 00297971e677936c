// After an export with denser copies: the HTML element that shows the
// picture and offers the copies to screens of high density, shown to read
// and put on the clipboard with one button.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class ImageElementDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ImageElementDialog(const QString& element, QWidget* owner = nullptr);

  QLineEdit* elementBox;
  QPushButton* copyButton;
};
