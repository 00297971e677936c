#include "main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>

#include "design/design_state.h"
#include "files/run_folder.h"
#include "files/site_tags.h"
#include "main_window/canvas_keys.h"
#include "main_window/live_preview.h"
#include "main_window/missing_glyphs_notice.h"
#include "main_window/status_pane.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "rendering/engine_library.h"
#include "widgets/control_fonts.h"

MainWindow::MainWindow(const QString& programFolder, DesignState document, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(programFolder),
      document_(std::move(document)),
      ownEngine_(programLayout(QCoreApplication::applicationDirPath()).engineLibrary),
      engine_(&ownEngine_) {
  setObjectName(QStringLiteral("frmMain"));
  setAcceptDrops(true);
  central_ = new QWidget(this);
  setCentralWidget(central_);
  sourceFrame_ = new SourceFrame(central_);
  new CanvasKeys(*sourceFrame_->textBox(), *this);
  CanvasAreaWindow& holder = *this;
  canvasArea_ = new CanvasArea(*central_, holder, document_, platform());
  panels_ = new TabPanels(central_);
  grownForCanvas_ = canvasView()->size();
  connect(canvasView(), &PictureBox::resized, this, &MainWindow::growToCanvas);
  buildToolbar();
  buildMenus();
  buildStatusBar();
  FileCommandsWindow& asked = *this;
  fileCommands_ = std::make_unique<FileCommands>(asked, document_, platform(), programFolder_);
  fileCommands_->attach([this](const QString& name) { return menuEntry(name); },
                        *menu(QStringLiteral("mnuFileRecent")));
  menu(QStringLiteral("mnuFile"))
      ->insertMenu(menuEntry(QStringLiteral("mnuFileBar0")), menu(QStringLiteral("mnuFileRecent")));
  connectControls();
  connectMenuEntries();
  canvasArea_->attach([this](const QString& name) { return menuEntry(name); },
                      *toolButton(QStringLiteral("Crop")), *menu(QStringLiteral("mnuTools")),
                      *statusBar());
  missingGlyphsNotice_ = new MissingGlyphsNotice(*statusBar());
  connectStyleCommands();
  connectUndoStore();
  DesignPanelsWindow& panelsHolder = *this;
  designPanels_ = new DesignPanels(*panels_, panelsHolder, document_, platform(), programFolder_);
  designPanels_->setParent(this);
  designPanels_->attach(
      {menu(QStringLiteral("mnubezier")), menuEntry(QStringLiteral("mnubezierreset")),
       menuEntry(QStringLiteral("mnubeziersave")), menuEntry(QStringLiteral("mnubezierload"))});
  // A kind with nothing to draw is left alone: the preview never asks for a shape or picture.
  livePreview_ = new LivePreview(
      [this] {
        const DesignState& state = document_;
        if (state.sourceKind == SourceKind::Text || state.kindSettings[state.sourceKind].available)
          draw();
      },
      this);
  connect(designPanels_, &DesignPanels::settingChanged, livePreview_, &LivePreview::settingChanged);
  connectLivePreview();
  panels_->showEffectFrame(panelEffect(document_.model.style()));
}

void MainWindow::load() {
  runTrapped(platform(), siteTag::frmMain_Load, [this] {
    placeAtStart();
    sizeValid_ = true;
    sourceFrame_->textBox()->setSelection(0, int(sourceFrame_->textBox()->text().size()));
    adjustControlFonts(*this, document_.fontScaleFactor, platform());
    platform().processPendingEvents();
  });
}

void MainWindow::buildStatusBar() {
  // The message pane starts empty: a word of its own there reads as a
  // message that says nothing.
  statusPanes_[0] = new StatusPane(this);
  statusPanes_[1] = new QLabel(this);
  statusPanes_[2] = new QLabel(this);
  statusPanes_[0]->setObjectName(QStringLiteral("Status"));
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->addWidget(statusPanes_[0], 1);
  statusBar()->addPermanentWidget(statusPanes_[1]);
  statusBar()->addPermanentWidget(statusPanes_[2]);
  updateClock();
  auto* clock = new QTimer(this);
  connect(clock, &QTimer::timeout, this, &MainWindow::updateClock);
  clock->start(1000);
}

void MainWindow::showStatus(const QString& text) { statusPanes_[0]->setText(text); }

QString MainWindow::titleText() const { return sourceFrame_->textBox()->text(); }

void MainWindow::updateClock() {
  const QDateTime now = QDateTime::currentDateTime();
  statusPanes_[1]->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
  statusPanes_[2]->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  runTrapped(platform(), siteTag::frmMain_Resize, [this] { layOutRegions(); });
}

// Top to bottom: the source frame, the viewport, the tab strip; the toolbar
// and the status bar place themselves.
void MainWindow::layOutRegions() {
  const int width = central_->width();
  const int height = central_->height();
  sourceFrame_->setGeometry(0, 0, width, sourceFrameHeight);
  const int stripTop = std::max(sourceFrameHeight, height - tabStripHeight);
  panels_->setGeometry(0, stripTop, width, tabStripHeight);
  canvasArea_->viewport()->setGeometry(0, sourceFrameHeight, width,
                                       std::max(0, stripTop - sourceFrameHeight));
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  runTrapped(platform(), siteTag::frmMain_Activate,
             [this] { sourceFrame_->textBox()->setFocus(); });
}

// The tab strip's click has no site tag of its own: it only moves panels.
void MainWindow::selectTab() {
  statusPanes_[0]->setText(QString());
  panels_->showPanelOfTab(panels_->tabStrip()->currentIndex() + 1);
}

// Closing this window ends the program whatever else is open: the help
// window and the new-canvas dialog would otherwise keep it running. Unsaved
// work is saved or discarded first, on the user's word; Cancel keeps it open.
void MainWindow::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  if (!endingWithoutQuestion_)
    runTrapped(platform(), siteTag::frmMain_Unload,
               [&] { mayClose = fileCommands_->unsavedWorkSettled(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  rememberPlacement();
  windowSlot_.release();
  runTrapped(platform(), siteTag::frmMain_Unload, [this] { closeSequence(); });
  event->accept();
  QCoreApplication::quit();
}

void MainWindow::endRun() {
  endingWithoutQuestion_ = true;
  close();
}

void MainWindow::closeSequence() {
  // The new-canvas dialog writes into the working files deleted below.
  fileCommands_->closeNewCanvasDialog();
  deleteWorkingFiles(document_.workingFiles);
  document_.undo.deleteUndoFiles();
  // The tools' undo files and any other file of this run go with its folder.
  removeRunFolder();
}
