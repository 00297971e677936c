#include "main_window/file_commands.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include "design/design_state.h"
#include "design/tool_design.h"
#include "document/document_container.h"
#include "document/document_file.h"
#include "files/file_filter.h"
#include "files/paths.h"
#include "files/picture_formats.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "files/velloro_mark.h"
#include "main_window/menu_actions.h"
#include "output/print_window.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "platform/recent_files.h"
#include "tools/new_canvas_dialog.h"
#include "widgets/dropped_files.h"

using namespace Qt::StringLiterals;

QString shownName(const QString& path) {
  return path.isEmpty() ? untitledName : fileNamePart(path);
}

QString openFilter() {
  const QString pictures = openPictureFilter();
  return u"Velloro documents and pictures |*.velloro;"_s + pictures.section(u'|', 1, 1) +
         u"|Velloro document (*.velloro)|*.velloro|"_s + pictures.section(u'|', 2);
}

FileCommands::FileCommands(FileCommandsWindow& window, DesignState& design, Platform& platform,
                           QString programFolder)
    : window_(window),
      design_(design),
      platform_(platform),
      programFolder_(std::move(programFolder)) {
  showJpegSizeOptimiser = [this](const QString& mode, const QString& chosenName) {
    return jpegOptimiserSaved(mode, chosenName);
  };
}

FileCommands::~FileCommands() { delete newCanvasDialog_; }

void FileCommands::attach(const MenuActions& actions, QMenu& recentMenu) {
  auto on = [&](QAction* entry, std::string_view tag, void (FileCommands::*command)()) {
    connect(entry, &QAction::triggered, this,
            [this, tag, command] { runTrapped(platform_, tag, [&] { (this->*command)(); }); });
  };
  on(actions.fileNew, siteTag::frmMain_mnuFileNew_Click, &FileCommands::newBackground);
  on(actions.fileOpen, siteTag::frmMain_mnuFileOpen_Click, &FileCommands::openPicture);
  on(actions.fileSave, siteTag::frmMain_mnuFileSave_Click, &FileCommands::savePicture);
  on(actions.fileSaveAs, siteTag::frmMain_mnuFileSaveAs_Click, &FileCommands::savePictureAs);
  on(actions.exportWeb, siteTag::frmMain_mnuFileExportWeb_Click, &FileCommands::exportForTheWeb);
  on(actions.print, siteTag::frmMain_mnuFilePrint_Click, &FileCommands::openPrintPlacement);
  recentMenu_ = &recentMenu;
  connect(recentMenu_, &QMenu::aboutToShow, this, &FileCommands::listRecentFiles);
}

void FileCommands::openHandedFiles(const QStringList& files) {
  for (const QString& path : files) {
    if (isStyleFile(path))
      runTrapped(platform_, siteTag::frmMain_mnuFileLoadStyle_Click,
                 [&] { window_.applyStyleFile(path); });
    else
      runTrapped(platform_, siteTag::frmMain_mnuFileOpen_Click, [&] { openPictureFile(path); });
  }
}

void FileCommands::canvasChanged() {
  unsavedChanges_ = true;
  if (documentOffer_) documentOffer_->hide();
}

void FileCommands::canvasReplaced() { unsavedChanges_ = design_.layersStored; }

void FileCommands::closeNewCanvasDialog() {
  if (newCanvasDialog_) newCanvasDialog_->close();
}

// The dialog has no owner and stays open beside the window; a second New
// brings the open one forward. A closed one is only waiting to be deleted.
void FileCommands::newBackground() {
  if (!newCanvasDialog_ || newCanvasDialog_->isHidden()) {
    if (!unsavedWorkSettled()) return;
    newCanvasDialog_ = new NewCanvasDialog(window_.link(), ToolDesign(design_), platform_);
    newCanvasDialog_->load();
  }
  newCanvasDialog_->show();
  newCanvasDialog_->raise();
}

// Owned by the window and not modal; a second Print brings the open one
// forward.
void FileCommands::openPrintPlacement() {
  if (!printWindow_) {
    printWindow_ = new PrintWindow([this] { return window_.canvasPicture(); },
                                   screenScaleOf(design_), platform_, &window_.ownerWidget());
    printWindow_->load();
  }
  printWindow_->show();
  printWindow_->raise();
}

void FileCommands::openPicture() {
  if (!unsavedWorkSettled()) return;
  FileDialogRequest request;
  request.folder = programFolder_ + u"/inputs"_s;
  request.filter = qtFileFilter(openFilter());
  const QString chosen = platform_.chooseFileToOpen(request);
  if (!chosen.isEmpty()) showOpenedFile(chosen);
}

bool FileCommands::openPictureFile(const QString& path) {
  if (!unsavedWorkSettled()) return false;
  showOpenedFile(path);
  return true;
}

void FileCommands::showOpenedFile(const QString& path) {
  if (documentOffer_) documentOffer_->hide();
  if (isDocumentName(path))
    showOpenedDocument(path);
  else
    showOpenedPicture(path);
}

// The document's design replaces the window's; the steps of the design
// before it are no steps of this one.
void FileCommands::showOpenedDocument(const QString& path) {
  const VelloroDocument opened = readDocumentFile(path);
  try {
    window_.showDocument(opened);
  } catch (const DocumentRefusal& refusal) {
    throw Failure(errorNumber::UnreadableDocument,
                  u"Unreadable document (%1): %2"_s.arg(refusal.cause(), path));
  }
  design_.undo.forgetSteps();
  design_.currentPictureName = path;
  savedAs(path);
  rememberRecentFile(path);
}

void FileCommands::showOpenedPicture(const QString& path) {
  // Read before the name changes: a file that is no picture must not become
  // the name that Save writes over.
  const QImage picture = loadPicture(path);
  design_.undo.record(design_.workingFiles.canvas, platform_);
  design_.currentPictureName = path;
  // A picture this program wrote holds its design already: the design is
  // laid over it only once the user draws.
  const bool flat = carriesVelloroMark(path);
  if (flat) design_.layersStored = false;
  window_.showBackground(picture);
  // The opened file is the saved state, unless a drawn design now lies on it.
  canvasReplaced();
  rememberRecentFile(path);
  if (hasDeepChannels(path))
    window_.showStatus(u"16 bits a channel reduced to 8: the canvas holds 8 bits a channel"_s);
  if (flat) tellOfAFlatPicture(path);
}

// The document of the same name beside the picture is the design to edit.
void FileCommands::tellOfAFlatPicture(const QString& path) {
  const QFileInfo picture(path);
  const QString document = picture.path() + u'/' + picture.completeBaseName() + documentSuffix;
  QString status = u"A flat picture: its title is part of the picture."_s;
  if (QFileInfo(document).isFile()) {
    status += u" Its design is in "_s + QFileInfo(document).fileName() + u'.';
    offerDocument(document);
  }
  window_.showStatus(status);
}

void FileCommands::offerDocument(const QString& document) {
  if (!documentOffer_) {
    auto* owner = qobject_cast<QMainWindow*>(&window_.ownerWidget());
    if (!owner) return;
    documentOffer_ = new QPushButton(owner->statusBar());
    documentOffer_->setObjectName(u"OpenDocumentOffer"_s);
    owner->statusBar()->addWidget(documentOffer_);
    connect(documentOffer_, &QPushButton::clicked, this, [this] {
      runTrapped(platform_, siteTag::frmMain_mnuFileOpen_Click,
                 [this] { openPictureFile(offeredDocument_); });
    });
  }
  offeredDocument_ = document;
  documentOffer_->setText(u"Open "_s + QFileInfo(document).fileName());
  documentOffer_->show();
}

bool FileCommands::unsavedWorkSettled() {
  if (!unsavedChanges_) return true;
  const Message question{
      u"Do you want to save the changes to "_s + shownName(design_.currentPictureName) + u" ?"_s,
      MessageIcon::Question, MessageButtons::SaveDiscardCancel, applicationTitle,
      &window_.ownerWidget()};
  const MessageAnswer answer = platform_.showMessage(question);
  if (answer == MessageAnswer::Discard) return true;
  if (answer != MessageAnswer::Save) return false;
  bool saved = false;
  runTrapped(platform_, siteTag::frmMain_mnuFileSave_Click, [&] { saved = saveToCurrentName(); });
  return saved;
}

// Numbered entries, so each has a key of its own; the full path shows as the
// tooltip, since names alone repeat across folders.
void FileCommands::listRecentFiles() {
  recentMenu_->clear();
  recentMenu_->setToolTipsVisible(true);
  const QStringList files = recentFiles();
  for (qsizetype index = 0; index < files.size(); ++index) {
    const QString& path = files[index];
    const QString number = index < 9 ? u"&%1"_s.arg(index + 1) : u"1&0"_s;
    QAction* choice = recentMenu_->addAction(number + u"  "_s + QFileInfo(path).fileName());
    choice->setToolTip(path);
    connect(choice, &QAction::triggered, this, [this, path] {
      runTrapped(platform_, siteTag::frmMain_mnuFileOpen_Click, [&] { openRecentFile(path); });
    });
  }
  if (recentMenu_->isEmpty()) recentMenu_->addAction(u"(no recent files)"_s)->setEnabled(false);
}

void FileCommands::openRecentFile(const QString& path) {
  if (QFileInfo(path).isFile()) {
    openPictureFile(path);
    return;
  }
  forgetRecentFile(path);
  platform_.showMessage({path + u" no longer exists.\r\nIt was removed from the recent files."_s,
                         MessageIcon::Exclamation, MessageButtons::Ok, applicationTitle,
                         &window_.ownerWidget()});
}
