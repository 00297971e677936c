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
#include "main_window/source_frame.h"
#include "main_window/tab_panels.h"
#include "state/engine_library.h"
#include "state/render_pipeline.h"
#include "state/style.h"
#include "state/style_library.h"
#include "state/whole_design.h"
#include "widgets/main_window_link.h"

enum class WebFormat;
class ShapeTool;
class NewCanvasDialog;
class PictureTool;
class PrintWindow;
class SymbolPicker;
struct TitleScene;
struct WebExportChoice;
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

// The pointer y of `selectMaterial` by which the source kind switch restores
// a material.
inline constexpr int restoreMaterialY = 666;
// The height of the tab strip with its panels, under the canvas.
inline constexpr int tabStripHeight = 106;

class MainWindow : public QMainWindow, public MainWindowLink {
  Q_OBJECT
 public:
  // `programFolder` holds the curves, textures and help folders.
  explicit MainWindow(const QString& programFolder, QWidget* parent = nullptr);
  // Closes the new-canvas dialog too: it works on this window's canvas.
  ~MainWindow() override;

  // Controls.
  QToolBar* toolBar() const { return toolBar_; }
  QComboBox* fontNameBox() const { return fontNameBox_; }
  QComboBox* fontSizeBox() const { return fontSizeBox_; }
  // Letter spacing, line alignment and line spacing of the title.
  TextLayoutControls* textLayoutControls() const { return textLayout_; }
  SourceFrame* sourceFrame() const { return sourceFrame_; }
  TabPanels* panels() const { return panels_; }
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
  // False while the size box holds a size not yet checked.
  bool fontSizeChecked() const { return sizeValid_; }
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
  // Files handed over at start or dropped on a window: a style (".vstyle")
  // is applied as Load style does, any other file is opened as File > Open
  // opens a picture. Each file that cannot be opened is reported on its own
  // and the next one still opens.
  void openHandedFiles(const QStringList& files) override;
  // What a drag out of the canvas carries: the design alone as a transparent
  // PNG, as "image/png" and as a file of its own; null with nothing drawn.
  QMimeData* designDragData();

  // The JPEG size optimiser, shown modal by Save (mode "save") and Save As
  // ("saveas", with the name chosen in the save dialog): it writes the JPEG,
  // makes it the current picture name and returns its success flag. Tests
  // may answer in its place.
  std::function<bool(const QString& mode, const QString& chosenName)> showJpegSizeOptimiser;
  // The print placement window, shown beside this one by Print.
  std::function<void()> showPrintPlacement;

  // Opens a picture file as the new canvas, after the question about unsaved
  // work; returns whether it was opened. A failure is reported under Open's
  // site tag.
  bool openPictureFile(const QString& path);
  // Whether the canvas holds changes not yet saved.
  bool hasUnsavedChanges() const { return unsavedChanges_; }
  // Ends the program as closing the window does, without asking about
  // unsaved work: for the system's request to end and for scripted runs.
  void endRun();

  // The picture tool, made and loaded at its first showing, then kept.
  PictureTool* pictureTool() const;
  void showPictureTool();

  // Window load: size and place, select the text, scale the control fonts.
  void load();

  // Handlers and operations that the menus, toolbar and other windows use.
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
  void selectSource(SourceKind kind, Qt::MouseButton button) override;
  void draw();
  void effectListClicked();

  // Styles: the one of the current settings, and applying one from a file
  // (a refused file shows why and changes nothing).
  Style currentStyle() const;
  void saveStyle();
  void applyStyleFile(const QString& path);

  // The tools of the Tools menu. The shape drawing tool is made at its first
  // opening and stays loaded, hidden between openings; none before.
  void showSourceTool(SourceKind kind, Qt::MouseButton button);
  ShapeTool* shapeTool() const;
  void showSymbols();
  // The ellipse ratio dialog, modal, for the tools' ellipses.
  void showEllipseRatio() override;
  SymbolPicker* symbolPicker() const;

  // The effect panels: fill, material, outside effect, deformation.
  void fillPalettePressed(Qt::MouseButtons buttons, QPoint at);
  void fillPaletteMoved(Qt::MouseButtons buttons, QPoint at);
  void insideCommandClicked(int index);
  void editGradient();
  void curveAxisClicked(CurveAxis axis);
  void surfacePatternPressed(SurfacePatternType pattern);
  void surfacePatternClicked(SurfacePatternType pattern);
  // Pointer y `restoreMaterialY` restores the material without keeping the
  // curve of the one before: the source kind switch's call.
  void selectMaterial(Material material, int pointerY);
  void shadowSliderChanged(int k);
  void shadowSliderReleased(int k);
  void outlineSliderChanged();
  void outlineSliderReleased();
  void engravedSliderChanged();
  void engravedSliderReleased();
  void outlinePalettePressed(Qt::MouseButtons buttons, QPoint at);
  void outlinePaletteMoved(Qt::MouseButtons buttons, QPoint at);
  void outlineButtonClicked();
  void deformationClicked();

  // The profile curve editor `PicBezier` and its popup menu.
  void curveBoxPressed(Qt::MouseButton button, QPoint at);
  void curveBoxMoved(Qt::MouseButtons buttons, QPoint at);
  void curveBoxReleased(Qt::MouseButton button, QPoint at);
  void resetCurve();
  void saveCurveAs();
  void loadCurveFile();
  void canvasPressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);
  void canvasMoved(Qt::MouseButtons buttons, QPoint at);
  void canvasReleased(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint at);

  // Shared steps.
  void fillFontList();
  void fillSizeList();
  // The picture in the canvas is a new background: captured, with the drawn
  // design laid over it again.
  void captureCanvas();
  void drawFillPreview();
  void drawCurveBox();
  PanelReadings panelReadings() const;
  bool cropModeOn() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildToolbar();
  void buildMenus();
  void buildStatusBar();
  void connectControls();
  void connectMenuEntries();
  void connectFileCommands();
  void connectStyleCommands();
  void connectRecentFiles();
  void connectDesignDrag();
  void listRecentFiles();
  void openRecentFile(const QString& path);
  void listStyles();
  void showStyleThumbnails(const std::vector<StyleEntry>& entries, const QList<QAction*>& choices);
  QString stylesFolder() const;
  void applyStyle(const Style& style, const QString& texturePath);
  void applyStyleEffect(const Style& style);
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
  void switchSourceKind(SourceKind previousKind);
  void connectPanels();
  void connectLivePreview();
  void connectTextPreview();
  QString curvesFolder() const;
  void setFillColour(const QColor& colour);
  void loadTextureCommand();
  void showTexture(const QString& path);
  void keepMaterialCurve();
  void loadMaterialCurve(Material material);
  void showEffectControls(EffectType effect);
  void updateShadowLabels(int k);
  void warnNoContour();
  void pickOutlineColour(Qt::MouseButtons buttons, QPoint at);
  void takeOutlineColour(const QColor& colour);
  void updateDeformationLabel();
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
  WholeDesign drawnDesign() const;
  bool designMayRunPast() const;
  void showDesignOverrun();
  void fitCanvasToDesign();
  void copyCanvas();
  void pasteCanvas();
  void newBackground();
  void openPrintPlacement();
  void openPicture();
  void showOpenedPicture(const QString& path);
  bool unsavedWorkSettled();
  void savePicture();
  bool saveToCurrentName();
  void savePictureAs();
  bool saveBitmapAs(const QString& chosen);
  QString bitmapNameInsteadOfGif(const QString& name);
  bool saveWebPictureAs(const QString& chosen, WebFormat format);
  void exportForTheWeb();
  void offerTransparentDesign(QMimeData& clipboard);
  // The title of the text box drawn in `style` on a canvas of `canvasSize`
  // at `position`, as --render draws it.
  TitleScene titleScene(const Style& style, QSize canvasSize, QPoint position) const;
  // The relief engine for renders that leave the window's design alone.
  std::shared_ptr<PrivateEngine> privateEngine();
  QList<QImage> denserPictures(const WholeDesign& whole, const WebExportChoice& choice);
  bool saveThroughJpegOptimiser(const QString& mode, const QString& chosenName);
  void savedAs(const QString& name);
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
  int selectedCurvePoint_ = noCurvePoint;
  CanvasGesture gesture_;

  QString programFolder_;
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
  QPointer<NewCanvasDialog> newCanvasDialog_;
  QPointer<ShapeTool> shapeTool_;
  QPointer<SymbolPicker> symbolPicker_;
  QPointer<PrintWindow> printWindow_;
  QPointer<PictureTool> pictureTool_;
  LivePreview* livePreview_;
  bool unsavedChanges_ = false;
  bool endingWithoutQuestion_ = false;
  // The canvas size the window last grew for: a size met before (the canvas
  // shown for the first time) leaves the user's window size alone.
  QSize grownForCanvas_;
  // Holds the files dragged out of the canvas until the window closes.
  std::unique_ptr<QTemporaryDir> dragFolder_;
};
