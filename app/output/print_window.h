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
#include <memory>

#include "design/screen_scale.h"
#include "output/print_placement.h"

class PictureBox;
class Platform;
class QLabel;
class QPushButton;

class PrintWindow : public QDialog {
  Q_OBJECT
 public:
  // `relief` gives the picture to print; it is read at each layout and print.
  PrintWindow(std::function<QImage()> relief, ScreenScale scale, Platform& platform,
              QWidget* owner);

  // The page in miniature with the picture's box on it.
  PictureBox* pageView() const { return pageView_; }
  QPushButton* shrinkButton() const { return shrinkButton_; }
  QPushButton* growButton() const { return growButton_; }
  QPushButton* moreButton() const { return moreButton_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

  QPrinter& printer() { return *printer_; }
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
  void print();

  PictureBox* pageView_;
  QLabel* sizeCaption_;
  QPushButton* shrinkButton_;
  QPushButton* growButton_;
  QPushButton* moreButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  std::function<QImage()> relief_;
  ScreenScale scale_;
  Platform& platform_;
  QImage shownRelief_;  // the picture the page miniature shows, taken at layout
  // Replaced after a failed print: a printer whose print failed stays busy
  // for good and refuses every other printer or file the user then picks.
  std::unique_ptr<QPrinter> printer_;
  PrinterPage laidOut_;  // the sheet last read, to tell a change of printer or paper
  bool layoutPending_ = false;
  PagePreview preview_;
  QRect box_;
  QPoint dragStart_;
};
