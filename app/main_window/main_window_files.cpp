// The File and Help commands: new canvas, open, save, save as, print, the
// help contents and the About box.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

#include "main_window/about_box.h"
#include "main_window/main_window.h"
#include "output/jpeg_optimiser.h"
#include "output/print_window.h"
#include "output/web_export.h"
#include "platform/platform.h"
#include "state/bmp_file.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/file_filter.h"
#include "state/paths.h"
#include "state/picture_formats.h"
#include "state/picture_loading.h"
#include "state/recent_files.h"
#include "state/site_tags.h"
#include "state/tool_design.h"
#include "state/work_names.h"
#include "tools/new_canvas_dialog.h"

namespace {

// The dialog asked before overwriting the name the user typed; when the
// extension changes, the name written is another one, so ask for that too.
bool mayWrite(const QString& name, const QString& chosen) {
  if (name == chosen || pathKindOf(name) == pathKind::Nothing) return true;
  const Message replace{
      fileNamePart(name) + QStringLiteral(" already exists.\r\nDo you want to replace it?"),
      MessageIcon::Exclamation, MessageButtons::YesNo};
  return platform().showMessage(replace) == MessageAnswer::Yes;
}

void recordUndoStep() {
  DesignState& state = design();
  state.undo.record(state.workingFiles.canvas, platform());
}

}  // namespace

MainWindow::~MainWindow() { delete newCanvasDialog_; }

void MainWindow::connectFileCommands() {
  auto on = [this](const char* name, std::string_view tag, void (MainWindow::*command)()) {
    connect(menuEntry(QLatin1String(name)), &QAction::triggered, this,
            [this, tag, command] { runTrapped(platform(), tag, [&] { (this->*command)(); }); });
  };
  showJpegSizeOptimiser = [this](const QString& mode, const QString& chosenName) {
    JpegOptimiser optimiser(canvasView_->picture(), {mode, chosenName, design().currentPictureName},
                            screenScaleOf(design()), platform(), this);
    optimiser.load();
    optimiser.exec();
    if (optimiser.jpegSucceeded()) design().currentPictureName = optimiser.savedName();
    return optimiser.jpegSucceeded();
  };
  showPrintPlacement = [this] { openPrintPlacement(); };
  on("mnuFileNew", siteTag::frmMain_mnuFileNew_Click, &MainWindow::newBackground);
  on("mnuFileOpen", siteTag::frmMain_mnuFileOpen_Click, &MainWindow::openPicture);
  on("mnuFileSave", siteTag::frmMain_mnuFileSave_Click, &MainWindow::savePicture);
  on("mnuFileSaveAs", siteTag::frmMain_mnuFileSaveAs_Click, &MainWindow::savePictureAs);
  on("mnuFileExportWeb", siteTag::frmMain_mnuFileExportWeb_Click, &MainWindow::exportForTheWeb);
  on("mnuHelpContents", siteTag::frmMain_mnuHelpContents_Click, &MainWindow::showHelpContents);
  on("mnuHelpAbout", siteTag::frmMain_mnuHelpAbout_Click, &MainWindow::showAbout);
  connect(menuEntry(QStringLiteral("mnuFilePrint")), &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuFilePrint_Click, [this] { showPrintPlacement(); });
  });
}

// The dialog has no owner and stays open beside this window; a second New
// brings the open one forward. A closed one is only waiting to be deleted.
void MainWindow::newBackground() {
  if (!newCanvasDialog_ || newCanvasDialog_->isHidden()) {
    if (!unsavedWorkSettled()) return;
    newCanvasDialog_ = new NewCanvasDialog(*this, ToolDesign(design()), platform());
    newCanvasDialog_->load();
  }
  newCanvasDialog_->show();
  newCanvasDialog_->raise();
}

// Owned by this window and not modal; a second Print brings the open one
// forward.
void MainWindow::openPrintPlacement() {
  if (!printWindow_) {
    printWindow_ = new PrintWindow([this] { return canvasView_->picture(); },
                                   screenScaleOf(design()), platform(), this);
    printWindow_->load();
  }
  printWindow_->show();
  printWindow_->raise();
}

void MainWindow::openPicture() {
  if (!unsavedWorkSettled()) return;
  FileDialogRequest request;
  request.folder = programFolder_ + QStringLiteral("/inputs");
  request.filter = qtFileFilter(openPictureFilter());
  const QString chosen = platform().chooseFileToOpen(request);
  if (!chosen.isEmpty()) showOpenedPicture(chosen);
}

bool MainWindow::openPictureFile(const QString& path) {
  bool opened = false;
  runTrapped(platform(), siteTag::frmMain_mnuFileOpen_Click, [&] {
    if (!unsavedWorkSettled()) return;
    showOpenedPicture(path);
    opened = true;
  });
  return opened;
}

void MainWindow::showOpenedPicture(const QString& path) {
  // Read before the name changes: a file that is no picture must not become
  // the name that Save writes over.
  const QImage picture = loadPicture(path);
  recordUndoStep();
  design().currentPictureName = path;
  canvasView_->setPicture(picture);
  captureCanvas();
  // The opened file is the saved state, unless a drawn design now lies on it.
  unsavedChanges_ = design().layersStored;
  rememberRecentFile(path);
  if (hasDeepChannels(path))
    statusPanes_[0]->setText(
        QStringLiteral("16 bits a channel reduced to 8: the canvas holds 8 bits a channel"));
}

// Closing, New and Open ask before the canvas with unsaved changes goes.
// Save writes where Save (Ctrl+S) would; a save that fails or is declined
// keeps the work and stops the command.
bool MainWindow::unsavedWorkSettled() {
  if (!unsavedChanges_) return true;
  const QString name = design().currentPictureName;
  const Message question{QStringLiteral("Do you want to save the changes to ") +
                             fileNamePart(name) + QStringLiteral(" ?"),
                         MessageIcon::Question, MessageButtons::SaveDiscardCancel, applicationTitle,
                         this};
  const MessageAnswer answer = platform().showMessage(question);
  if (answer == MessageAnswer::Discard) return true;
  if (answer != MessageAnswer::Save) return false;
  bool saved = false;
  runTrapped(platform(), siteTag::frmMain_mnuFileSave_Click, [&] { saved = saveToCurrentName(); });
  return saved;
}

void MainWindow::savePicture() { saveToCurrentName(); }

// Writes the canvas as it is shown; the background and the drawn design stay
// apart, so the next Draw still replaces the design.
bool MainWindow::saveToCurrentName() {
  const QString name = design().currentPictureName;
  if (isJpegName(name)) {
    if (!saveThroughJpegOptimiser(QStringLiteral("save"), QString())) return false;
  } else if (const std::optional<WebFormat> web = webFormatOfName(name)) {
    // A PNG or WebP picture stays one: the canvas is written in its format.
    writeWebPicture(canvasView_->picture(), savedWebEncoding(*web), name);
  } else {
    const QString bitmapName = bitmapNameInsteadOfGif(name);
    if (bitmapName.isEmpty()) return false;
    saveBmp(canvasView_->picture(), bitmapName);
    design().currentPictureName = bitmapName;
  }
  savedAs(design().currentPictureName);
  return true;
}

void MainWindow::savedAs(const QString& name) {
  unsavedChanges_ = false;
  setWindowTitle(name);
}

// GIF pictures are read but not written: their canvas becomes a bitmap beside
// them, once the user agrees, so the GIF is never overwritten with other
// bytes. Any other name is kept; an empty name means the user declined.
QString MainWindow::bitmapNameInsteadOfGif(const QString& name) {
  if (!name.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive)) return name;
  const QString bitmapName = bitmapNameOf(name);
  const Message question{fileNamePart(name) +
                             QStringLiteral(" cannot be written as GIF.\r\nSave the picture as ") +
                             fileNamePart(bitmapName) + QStringLiteral(" instead?"),
                         MessageIcon::Question, MessageButtons::YesNo};
  if (platform().showMessage(question) != MessageAnswer::Yes) return {};
  return bitmapName;
}

void MainWindow::savePictureAs() {
  const QString outputs = programFolder_ + QStringLiteral("/outputs");
  FileDialogRequest request;
  request.filter = qtFileFilter(savePictureFilter());
  request.folder = outputs;
  request.fileName = QStringLiteral("MyWork%1").arg(freeWorkNumber(outputs, platform()));
  request.selectedFilter = saveEntryOfName(design().currentPictureName, bitmapEntry);
  const FileChoice choice = platform().chooseFileAndTypeToSave(request);
  if (choice.path.isEmpty()) return;
  const int entry = saveEntryOfName(choice.path, choice.filter);
  const std::optional<WebFormat> web = webFormatOfSaveEntry(entry);
  bool saved = false;
  if (entry == bitmapEntry)
    saved = saveBitmapAs(choice.path);
  else if (web)
    saved = saveWebPictureAs(choice.path, *web);
  else
    saved = saveThroughJpegOptimiser(QStringLiteral("saveas"), choice.path);
  if (saved) savedAs(design().currentPictureName);
}

bool MainWindow::saveBitmapAs(const QString& chosen) {
  const QString name = bitmapNameOf(chosen);
  if (!mayWrite(name, chosen)) return false;
  // A failed write throws before the name changes: Save keeps its old target.
  saveBmp(canvasView_->picture(), name);
  design().currentPictureName = name;
  return true;
}

// PNG and WebP keep the canvas losslessly; the name is the file's once it
// is written.
bool MainWindow::saveWebPictureAs(const QString& chosen, WebFormat format) {
  const QString name = webNameOf(chosen, format);
  if (!mayWrite(name, chosen)) return false;
  writeWebPicture(canvasView_->picture(), savedWebEncoding(format), name);
  design().currentPictureName = name;
  return true;
}

// The optimiser writes the JPEG and makes it the current picture name; the
// canvas keeps the picture it shows.
bool MainWindow::saveThroughJpegOptimiser(const QString& mode, const QString& chosenName) {
  platform().processPendingEvents();
  if (!showJpegSizeOptimiser(mode, chosenName)) return false;
  platform().processPendingEvents();
  return true;
}

void MainWindow::showHelpContents() {
  const QString contents = programFolder_ + QStringLiteral("/help/velloro.htm");
  if (QFileInfo(contents).isFile()) {
    platform().showHelp(QUrl::fromLocalFile(contents));
    return;
  }
  platform().showMessage({QStringLiteral("Unable to display Help Contents. There is no Help "
                                         "associated with this project."),
                          MessageIcon::Information, MessageButtons::Ok, windowTitle()});
}

void MainWindow::showAbout() {
  AboutBox about(this);
  about.load();
  about.exec();
}
