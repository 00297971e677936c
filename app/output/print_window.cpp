#include "output/print_window.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "files/failure.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/picture_box.h"
#include "widgets/placed_control.h"

namespace {

// Full-page coordinates for the print only: the box is measured from the
// sheet's corner, as the miniature shows it. Left on, the next reading of
// the page would see other margins and lay the page out again.
class FullPageWhilePrinting {
 public:
  explicit FullPageWhilePrinting(QPrinter& printer) : printer_(printer) {
    printer_.setFullPage(true);
  }
  ~FullPageWhilePrinting() { printer_.setFullPage(false); }
  FullPageWhilePrinting(const FullPageWhilePrinting&) = delete;
  FullPageWhilePrinting& operator=(const FullPageWhilePrinting&) = delete;

 private:
  QPrinter& printer_;
};

// A printer as the user set it up, not yet used.
std::unique_ptr<QPrinter> unusedCopyOf(const QPrinter& used) {
  auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
  fresh->setOutputFormat(used.outputFormat());
  if (used.outputFormat() == QPrinter::NativeFormat) fresh->setPrinterName(used.printerName());
  fresh->setOutputFileName(used.outputFileName());
  fresh->setPageLayout(used.pageLayout());
  fresh->setCopyCount(used.copyCount());
  fresh->setCollateCopies(used.collateCopies());
  fresh->setColorMode(used.colorMode());
  fresh->setDuplex(used.duplex());
  return fresh;
}

}  // namespace

PrintWindow::PrintWindow(std::function<QImage()> relief, ScreenScale scale, Platform& platform,
                         QWidget* owner)
    : QDialog(owner),
      relief_(std::move(relief)),
      scale_(scale),
      platform_(platform),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("frmPrint"));
  setWindowTitle(QStringLiteral(" Position the picture on the page ..."));
  setAttribute(Qt::WA_DeleteOnClose);
  pageView_ = new PictureBox(this);
  pageView_->setObjectName(QStringLiteral("Picture1"));
  describe(pageView_, QStringLiteral("Page"),
           QStringLiteral("Drag the picture to place it on the page"));
  pageView_->move(12, 12);
  sizeCaption_ = placed<QLabel>(this, "Label2", QStringLiteral("Size :"), {288, 16, 48, 24});
  shrinkButton_ = placed<QPushButton>(this, "CmdDecrease", QStringLiteral("-"), {336, 14, 32, 28});
  growButton_ = placed<QPushButton>(this, "CmdIncrease", QStringLiteral("+"), {372, 14, 32, 28});
  moreButton_ =
      placed<QPushButton>(this, "Morebutton", QStringLiteral("&More"), {288, 168, 116, 28});
  okButton_ = placed<QPushButton>(this, "OKButton", QStringLiteral("&OK"), {288, 204, 116, 28});
  cancelButton_ =
      placed<QPushButton>(this, "CancelButton", QStringLiteral("&Cancel"), {288, 240, 116, 28});
  shrinkButton_->setToolTip(QStringLiteral("Make the picture smaller on the page"));
  growButton_->setToolTip(QStringLiteral("Make the picture larger on the page"));
  moreButton_->setToolTip(QStringLiteral("Printer and page settings"));
  okButton_->setToolTip(QStringLiteral("Print"));
  cancelButton_->setToolTip(QStringLiteral("Close without printing"));
  pageView_->setFocusPolicy(Qt::TabFocus);
  setFixedSize(416, 283);
  connect(shrinkButton_, &QPushButton::clicked, this, &PrintWindow::decreaseClicked);
  connect(growButton_, &QPushButton::clicked, this, &PrintWindow::increaseClicked);
  connect(moreButton_, &QPushButton::clicked, this, &PrintWindow::moreClicked);
  connect(okButton_, &QPushButton::clicked, this, &PrintWindow::okClicked);
  connect(cancelButton_, &QPushButton::clicked, this, &PrintWindow::cancelClicked);
  cancelOnEscape(*this, *cancelButton_);
  connect(pageView_, &PictureBox::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons buttons, QPoint at) {
            previewPressed(buttons, at);
          });
  connect(pageView_, &PictureBox::mouseMoved, this, &PrintWindow::previewMoved);
}

void PrintWindow::load() {
  runTrapped(platform_, siteTag::frmPrint_Load, [this] {
    adjustControlFonts(*this, scale_.fontScaleFactor, platform_);
    laidOut_ = printerPage();
    layoutPending_ = true;
  });
}

// A changed printer or paper lays the page out again and centres the
// picture anew; otherwise the box stays where it is. The sheet's size counts
// as well as its margins: turning a sheet with even margins changes only it.
void PrintWindow::activate() {
  runTrapped(platform_, siteTag::frmPrint_Activate, [this] {
    const PrinterPage page = printerPage();
    if (page.page != laidOut_.page || page.printable != laidOut_.printable) {
      laidOut_ = page;
      layoutPending_ = true;
    }
    if (layoutPending_) layOut();
    drawBox();
  });
}

void PrintWindow::okClicked() {
  runTrapped(platform_, siteTag::frmPrint_OKButton_Click, [this] {
    try {
      print();
    } catch (const Failure&) {
      printer_ = unusedCopyOf(*printer_);
      throw;
    }
    close();
  });
}

void PrintWindow::print() {
  const QImage picture = relief_();
  const FullPageWhilePrinting fullPage(*printer_);
  QPainter painter;
  if (!painter.begin(printer_.get()))
    throw Failure(errorNumber::DeviceUnavailable, QStringLiteral("Printer error"));
  painter.drawImage(onPrinter(box_, preview_), picture, picture.rect());
  if (!painter.end()) throw Failure(errorNumber::DeviceIoError, QStringLiteral("Printer error"));
}

void PrintWindow::moreClicked() {
  runTrapped(platform_, siteTag::frmPrint_Morebutton_Click, [this] {
    platform_.setUpPrinter(*printer_, this);
    pageView_->hideRubberBand();
    activate();
  });
}

void PrintWindow::cancelClicked() {
  runTrapped(platform_, siteTag::frmPrint_CancelButton_Click, [this] { close(); });
}

void PrintWindow::previewPressed(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmPrint_Picture1_MouseDown, [this, buttons, at] {
    if (buttons & Qt::LeftButton) dragStart_ = at;
  });
}

void PrintWindow::previewMoved(Qt::MouseButtons buttons, QPoint at) {
  runTrapped(platform_, siteTag::frmPrint_Picture1_MouseMove, [this, buttons, at] {
    if (!(buttons & Qt::LeftButton)) return;
    box_ = dragged(box_, at - dragStart_, preview_);
    dragStart_ = at;
    drawBox();
  });
}

void PrintWindow::decreaseClicked() {
  runTrapped(platform_, siteTag::frmPrint_CmdDecrease_Click, [this] {
    box_ = shrunk(box_, preview_);
    drawBox();
  });
}

void PrintWindow::increaseClicked() {
  runTrapped(platform_, siteTag::frmPrint_CmdIncrease_Click, [this] {
    box_ = grown(box_, preview_);
    drawBox();
  });
}

void PrintWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) activate();
}

void PrintWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
}

PrinterPage PrintWindow::printerPage() {
  const QPageLayout page = printer_->pageLayout();
  const int resolution = printer_->resolution();
  return {page.fullRectPixels(resolution).size(), page.paintRectPixels(resolution).size()};
}

void PrintWindow::layOut() {
  preview_ = previewOf(printerPage(), scale_.layoutUnitX, scale_.layoutUnitY);
  shownRelief_ = relief_();
  box_ = centredPicture(preview_, shownRelief_.size());
  layoutPending_ = false;
}

// The miniature shows the picture itself where it will print, framed by the
// box the user moves and sizes.
void PrintWindow::drawBox() {
  QImage page(preview_.pixels, QImage::Format_RGB888);
  page.fill(Qt::white);
  QPainter painter(&page);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(box_), shownRelief_);
  painter.end();
  pageView_->setPicture(page);
  pageView_->showRubberBand(box_, Qt::SolidLine);
}
