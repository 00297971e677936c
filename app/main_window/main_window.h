// `frmMain`: the editing window. The canvas with its scroll bars, the source
// frame, the toolbar with the font lists, the menus, the four tab panels and
// the status bar. Its handlers trap failures and report them under their
// own site tags, so the window stays usable after any of them fails.
#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <memory>

#include "main_window/canvas_gesture.h"
#include "main_window/canvas_viewport.h"
#include "main_window/canvas_zoom.h"
#include "main_window/curve_editor.h"
#include "main_window/design_panels.h"
#include "main_window/file_commands.h"
#include "main_window/source_frame.h"
#include "main_window/tab_panels.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "state/render_pipeline.h"
#include "state/style.h"
#include "state/style_library.h"
#include "state/whole_design.h"
#include "widgets/main_window_link.h"

class ShapeTool;
class PictureTool;
class SymbolPicker;
class PrivateEngine;
class StyleGallery;
class LivePreview;
class QAction;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMimeData;
class QToolBar;
class TextLayoutControls;

// The height of the tab strip with its panels, under the canvas.
inline constexpr int tabStripHeight = 106;

class MainWindow : public QMainWindow,
                   public MainWindowLink,
                   private FileCommandsWindow,
                   private DesignPanelsWindow {
  Q_OBJECT
 public:
  // `programFolder` holds the curves, textures and help folders. The window
  // owns `document`, the design being worked on, and hands it to its parts.
  explicit MainWindow(const QString& programFolder, DesignState document = {},
                      QWidget* parent = nullptr);
  // The tool windows work on the document: they go before it.
  ~MainWindow() override;

  DesignState& document() { return document_; }

  // Controls.
  QToolBar* toolBar() const { return toolBar_; }
  QComboBox* fontNameBox() const { return fontNameBox_; }
  QComboBox* fontSizeBox() const { return fontSizeBox_; }
  // Letter spacing, line alignment and line spacing of the title.
  TextLayoutControls* textLayoutControls() const { return textLayout_; }
  SourceFrame* sourceFrame() const { return sourceFrame_; }
  TabPanels* panels() const { return panels_; }
  // The handlers of the tab panels and the curve box.
  DesignPanels& designPanels() const { return *designPanels_; }
  // The scrolled area around the canvas, with its scroll bars.
  CanvasViewport* canvasViewport() const { return canvasViewport_; }
  PictureBox* canvasView() const { return canvasView_; }
  // "Status", date, time.
  QLabel* statusPane(int index) const { return statusPanes_.at(index); }
  // The zoom of the canvas view, and the notice of a design that runs past the canvas.
  QLabel* zoomPane() const { return zoomPane_; }
  QLabel* cutNotice() const { return cutNotice_; }

  QAction* toolButton(const QString& key) const { return toolButtons_.value(key); }
  QAction* menuEntry(const QString& name) const { return menuEntries_.value(name); }
  QMenu* menu(const QString& name) const { return menus_.value(name); }

  // Window state.
  // Draws the design again when a setting of its source changes.
  LivePreview& livePreview() const { return *livePreview_; }
  const CanvasGesture& canvasGesture() const { return gesture_; }

  // The relief engine that Draw uses; the program's own unless replaced.
  void useEngine(EngineLibrary& engine) { engine_ = &engine; }
  // Renders the thumbnails of File > Styles.
  StyleGallery* styleGallery() const { return styleGallery_; }
  EngineLibrary& engine() const override { return *engine_; }

  // What the tool and output windows ask of this one.
  QWidget& ownerWindow() override { return *this; }
  void activateOwner() override { activateWindow(); }
  void setTextInFont(const QString& text, const QString& fontFamily) override;
  void replaceCanvas(const QImage& canvas) override;
  QColor canvasBackColour() const override { return canvasBackColour_; }
  void setCanvasBackColour(const QColor& colour) override { canvasBackColour_ = colour; }
  const QString& programFolder() const override { return programFolder_; }
  // Files handed over at start or dropped on a window, opened as the file
  // commands open them.
  void openHandedFiles(const QStringList& files) override;
  // New, Open, Save, Save As, Export for the web, Print and recent files.
  FileCommands& fileCommands() const { return *fileCommands_; }
  // What a drag out of the canvas carries: the design alone as a transparent
  // PNG, as "image/png" and as a file of its own; null with nothing drawn.
  QMimeData* designDragData();

  // Ends the program as closing the window does, without asking about
  // unsaved work: for the system's request to end and for scripted runs.
  void endRun();

  // The picture tool, made and loaded at its first showing, then kept.
  PictureTool* pictureTool() const;
  void showPictureTool();

  // Window load: size and place, select the text, scale the control fonts.
  void load();

  // What "Draw it !" and the source options run.
  void selectSource(SourceKind kind, Qt::MouseButton button) override;
  void draw();

  // Styles: the one of the current settings, and applying one from a file
  // (a refused file shows why and changes nothing).
  Style currentStyle() const override;
  void applyStyleFile(const QString& path) override;

  // The tools of the Tools menu. The shape drawing tool is made at its first
  // opening and stays loaded, hidden between openings; none before.
  ShapeTool* shapeTool() const;
  // The ellipse ratio dialog, modal, for the tools' ellipses.
  void showEllipseRatio() override;
  SymbolPicker* symbolPicker() const;

  // Shared steps.
  void fillFontList();
  void fillSizeList();
  // The picture in the canvas is a new background: captured, with the drawn
  // design laid over it again.
  void captureCanvas();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Handlers of the toolbar, the menus and the font lists.
  void toolbarClicked(const QString& key);
  void selectTab();
  void cropModeClicked();
  void toolsMenuOpening();
  void editMenuOpening();
  void fontListClicked();
  void sizeListClicked();
  void sizeListValidated();
  void validateFontSize();
  void fontDialog();
  void saveStyle();
  void showSourceTool(SourceKind kind, Qt::MouseButton button);
  void showSymbols();
  // The canvas's mouse: move the design, pan, crop.
  void canvasPressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void canvasMoved(Qt::MouseButtons buttons, QPoint at);
  void canvasReleased(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  bool cropModeOn() const;
  void buildToolbar();
  void buildMenus();
  void buildStatusBar();
  void connectControls();
  void connectMenuEntries();
  void connectHelpCommands();
  void connectStyleCommands();
  void connectDesignDrag();
  void listStyles();
  void showStyleThumbnails(const std::vector<StyleEntry>& entries, const QList<QAction*>& choices);
  QString stylesFolder() const;
  void applyStyle(const Style& style, const QString& texturePath);
  void applyStyleFont(const StyleFont& font);
  void connectUndoStore();
  void enableUndoCommand(const QString& key, bool enabled);
  void enablePaste();
  void connectPictureTool();
  void updateClock();
  void layOutRegions();
  QSize sizeShowingCanvas(QSize canvas) const;
  QSize boundedToScreen(QSize wanted) const;
  void placeAtStart();
  void growToCanvas();
  void rememberPlacement();

  void toggleFontAttribute(const QString& key);
  void setCropMode(bool on);
  void connectLivePreview();
  void connectTextPreview();
  void showSourceHint(SourceKind kind, Qt::MouseButton button);
  void renderDesign();
  void refreshDesignFrameSize();
  bool insideDesignFrame(QPoint at, QPoint offset = {}) const;
  QRect designFrameRectangle(QPoint offset) const;
  void pan(QPoint at);
  void dragFrame(Qt::MouseButtons buttons, QPoint at);
  void scrollAtEdge(QPoint at);
  void dropFrame(Qt::MouseButton button, QPoint at);
  void askAndCrop();
  void cropCanvas(QPoint from, QPoint to);
  void connectViewCommands();
  void setCanvasZoom(int percent);
  WholeDesign drawnDesign() const override;
  // What can be seen of the drawn design, in canvas pixels (see wholeDesign).
  QRect drawnDesignExtent() const;
  int roomPastCanvas() const;
  bool designMayRunPast() const;
  void showDesignOverrun();
  void fitCanvasToDesign();
  void copyCanvas();
  void pasteCanvas();
  void offerTransparentDesign(QMimeData& clipboard);
  // What the file commands ask of this window.
  QWidget& ownerWidget() override { return *this; }
  MainWindowLink& link() override { return *this; }
  const QImage& canvasPicture() const override;
  void showBackground(const QImage& picture) override;
  QString titleText() const override;
  std::shared_ptr<PrivateEngine> privateEngine() override;
  void showStatus(const QString& text) override;
  void showHelpContents();
  void showAbout();
  void closeSequence();

  QToolBar* toolBar_;
  QComboBox* fontNameBox_;
  QComboBox* fontSizeBox_;
  TextLayoutControls* textLayout_;
  SourceFrame* sourceFrame_;
  TabPanels* panels_;
  CanvasViewport* canvasViewport_;
  PictureBox* canvasView_;
  std::array<QLabel*, 3> statusPanes_;
  QLabel* zoomPane_;
  QLabel* cutNotice_;
  int zoomPercent_ = actualSize;

  bool sizeValid_ = true;
  CanvasGesture gesture_;

  QString programFolder_;
  // Declared before every part, which keeps a reference to it.
  DesignState document_;
  // A new plain canvas is filled with it.
  QColor canvasBackColour_{Qt::white};
  // The engine beside the executable, loaded at its first use.
  EngineLibrary ownEngine_;
  EngineLibrary* engine_;
  std::shared_ptr<PrivateEngine> privateEngine_;
  StyleGallery* styleGallery_ = nullptr;
  QWidget* central_;
  QHash<QString, QAction*> toolButtons_;
  QHash<QString, QAction*> menuEntries_;
  QHash<QString, QMenu*> menus_;
  QPointer<ShapeTool> shapeTool_;
  QPointer<SymbolPicker> symbolPicker_;
  QPointer<PictureTool> pictureTool_;
  LivePreview* livePreview_;
  bool endingWithoutQuestion_ = false;
  // The canvas size the window last grew for: a size met before (the canvas
  // shown for the first time) leaves the user's window size alone.
  QSize grownForCanvas_;
  // Holds the files dragged out of the canvas until the window closes.
  std::unique_ptr<QTemporaryDir> dragFolder_;
  // Destroyed before the window's widgets: its dialogs work on them.
  std::unique_ptr<FileCommands> fileCommands_;
  DesignPanels* designPanels_;
};
