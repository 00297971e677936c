// `frmMain`: the editing window. It owns the design document and its parts:
// the canvas area, the design panels under it and the file commands; itself
// it holds the source frame, the toolbar with the font lists, the menus and
// the status bar. Its handlers trap failures and report them under their
// own site tags, so the window stays usable after any of them fails.
#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "design/design_state.h"
#include "design/style.h"
#include "design/style_library.h"
#include "main_window/box_fit_option.h"
#include "main_window/canvas_area.h"
#include "main_window/curve_editor.h"
#include "main_window/file_commands.h"
#include "main_window/menu_actions.h"
#include "main_window/panel_context.h"
#include "main_window/source_frame.h"
#include "main_window/tab_panels.h"
#include "main_window/window_slot.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "rendering/whole_design.h"
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
class QToolBar;
class TextLayoutControls;
class MissingGlyphsNotice;
class FontFileCommand;

// The height of the tab strip with its panels, under the canvas.
inline constexpr int tabStripHeight = 106;

class MainWindow : public QMainWindow,
                   public MainWindowLink,
                   private FileCommandsWindow,
                   private DesignPanelsWindow,
                   private CanvasAreaWindow {
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
  // The canvas in its viewport, with the mouse on it, the zoom and the crop.
  CanvasArea& canvasArea() const { return *canvasArea_; }
  PictureBox* canvasView() const { return canvasArea_->view(); }
  // "Status", date, time.
  QLabel* statusPane(int index) const { return statusPanes_.at(index); }
  MissingGlyphsNotice* missingGlyphsNotice() const { return missingGlyphsNotice_; }
  FontFileCommand* fontFileCommand() const { return fontFile_; }

  QAction* toolButton(const QString& key) const { return toolButtons_.value(key); }
  // An entry by its name in the menu table; the window's code reaches
  // entries by `actions`.
  QAction* menuEntry(const QString& name) const { return menuEntries_.value(name); }
  const MenuActions& actions() const { return actions_; }
  QMenu* menu(const QString& name) const { return menus_.value(name); }

  // Window state.
  // Draws the design again when a setting of its source changes.
  LivePreview& livePreview() const { return *livePreview_; }

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
  void draw() override;

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
  void editMenuOpening();
  void fontListClicked();
  // The family the title is drawn in for the family chosen.
  QString familyNowDrawn(const QFont& chosen);
  void chooseAddedFamily(const QString& family);
  // Prints the title fitted to the box of "Fit title to box".
  void printFittedTitle(const QString& text, QSize box);
  void keepFontFileBeside(const QString& styleFile, Style& style);
  void sizeListClicked();
  void sizeListValidated();
  void validateFontSize();
  void fontDialog();
  void showTextFontFamily(const QString& family);
  void saveStyle();
  void showSourceTool(SourceKind kind, Qt::MouseButton button);
  void showSymbols();
  void buildToolbar();
  void buildMenus();
  void buildStatusBar();
  void connectControls();
  void connectMenuEntries();
  void connectHelpCommands();
  void connectStyleCommands();
  void listStyles();
  void showStyleThumbnails(const std::vector<StyleEntry>& entries, const QList<QAction*>& choices);
  QString stylesFolder() const;
  void applyStyle(const Style& style, const QString& texturePath);
  void applyStyleFont(const StyleFont& font);
  void connectUndoStore();
  void enableUndoCommand(const QString& key, QAction* entry, bool enabled);
  void enablePaste();
  void connectPictureTool();
  void updateClock();
  void layOutRegions();
  QSize sizeShowingCanvas(QSize canvas) const;
  QSize boundedToScreen(QSize wanted) const;
  void placeAtStart();
  void placeAsLastLeft();
  void stepAsideFromOtherCopies();
  void growToCanvas();
  void rememberPlacement();

  void toggleFontAttribute(const QString& key);
  void connectLivePreview();
  void connectTextPreview();
  void showSourceHint(SourceKind kind, Qt::MouseButton button);
  void renderDesign();
  bool showRender();
  void showDesignOverrun();
  WholeDesign drawnDesign() const override;
  void copyCanvas();
  void pasteCanvas();
  // What the file commands and the canvas area ask of this window.
  QWidget& ownerWidget() override { return *this; }
  MainWindowLink& link() override { return *this; }
  const QImage& canvasPicture() const override;
  void showBackground(const QImage& picture) override;
  QString titleText() const override;
  DesignBeside designBeside() const override;
  void showDocument(const VelloroDocument& opened) override;
  std::shared_ptr<PrivateEngine> privateEngine() override;
  void showStatus(const QString& text) override;
  QSize sourceSize() const override;
  void canvasChanged() override { fileCommands_->canvasChanged(); }
  void returnToTitle() override;
  void keepSizeFor(QSize zoomedCanvas) override { grownForCanvas_ = zoomedCanvas; }
  void showHelpContents();
  void showAbout();
  void closeSequence();

  QToolBar* toolBar_;
  QComboBox* fontNameBox_;
  QComboBox* fontSizeBox_;
  TextLayoutControls* textLayout_;
  SourceFrame* sourceFrame_;
  TabPanels* panels_;
  CanvasArea* canvasArea_;
  std::array<QLabel*, 3> statusPanes_;
  MissingGlyphsNotice* missingGlyphsNotice_ = nullptr;
  FontFileCommand* fontFile_ = nullptr;
  BoxFitOption boxFit_;

  bool sizeValid_ = true;

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
  MenuActions actions_;
  QHash<QString, QMenu*> menus_;
  QPointer<ShapeTool> shapeTool_;
  QPointer<SymbolPicker> symbolPicker_;
  QPointer<PictureTool> pictureTool_;
  LivePreview* livePreview_;
  bool endingWithoutQuestion_ = false;
  // Held while the window lives: tells further copies where not to open.
  WindowSlot windowSlot_;
  // The canvas size the window last grew for: a size met before (the canvas
  // shown for the first time) leaves the user's window size alone.
  QSize grownForCanvas_;
  // Destroyed before the window's widgets: its dialogs work on them.
  std::unique_ptr<FileCommands> fileCommands_;
};
