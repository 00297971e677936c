// `frmPrint`: the print placement window. It shows the printer's page in
// miniature with the relief picture as a box on it; the user drags the box,
// makes it larger or smaller, may set up the printer, and prints the picture
// where the box is. It stays open beside the main window until closed.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QSize>
#include <functional>

#include "output/print_placement.h"

class PictureBox;
class QLabel;
class QPushButton;

class FrmPrint : public QDialog {
  Q_OBJECT
 public:
  // `relief` gives the picture to print; it is read at each layout and print.
  FrmPrint(std::function<QImage()> relief, QWidget* owner);

  PictureBox* Picture1;
  QPushButton* CmdDecrease;
  QPushButton* CmdIncrease;
  QPushButton* Morebutton;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QLabel* Label2;

  QPrinter& printer() { return printer_; }
  const PagePreview& preview() const { return preview_; }
  const QRect& pictureBox() const { return box_; }

  void load();
  void activate();
  void okClicked();
  void moreClicked();
  void cancelClicked();
  void previewPressed(Qt::MouseButtons buttons, QPoint at);
  void previewMoved(Qt::MouseButtons buttons, QPoint at);
  void decreaseClicked();
  void increaseClicked();

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  PrinterPage printerPage();
  void layOut();
  void drawBox();

  std::function<QImage()> relief_;
  QPrinter printer_{QPrinter::HighResolution};
  PrinterPage laidOut_;  // the sheet last read, to tell a change of printer or paper
  bool layoutPending_ = false;
  PagePreview preview_;
  QRect box_;
  QPoint dragStart_;
};
