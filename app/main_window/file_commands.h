// The File menu's picture commands: New, Open, Open Recent, Save, Save As,
// Export for the web and Print, and the files handed over or dropped. They
// keep whether the canvas holds unsaved work, ask before such work goes,
// and report failures under the File menu's site tags.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

class MainWindowLink;
class NewCanvasDialog;
class Platform;
class PrintWindow;
class PrivateEngine;
class QAction;
struct MenuActions;
class QImage;
class QMenu;
class QPushButton;
class QWidget;
enum class WebFormat;
struct DesignBeside;
struct DesignState;
struct Style;
struct VelloroDocument;
struct WebExportChoice;
struct WholeDesign;

// A design not saved yet has no file: the caption and the questions call
// it this.
inline const QString untitledName = QStringLiteral("Untitled");

// The window's caption for the design saved under `path`.
inline QString captionOf(const QString& path) { return path.isEmpty() ? untitledName : path; }

// The name questions give the design saved under `path`.
QString shownName(const QString& path);

// File > Open: documents and pictures; the document first.
QString openFilter();

// What the file commands need of the window that owns them.
class FileCommandsWindow {
 public:
  // Owns the dialogs; its caption names the canvas picture.
  virtual QWidget& ownerWidget() = 0;
  virtual MainWindowLink& link() = 0;
  virtual const QImage& canvasPicture() const = 0;
  // Shows `picture` as the new background, the drawn design laid over it.
  virtual void showBackground(const QImage& picture) = 0;
  // The drawn design whole, also where it runs past the canvas.
  virtual WholeDesign drawnDesign() const = 0;
  virtual QString titleText() const = 0;
  // What a document keeps beside the design state: the typed title, the
  // panels' readings, the tools' pictures and the canvas as shown.
  virtual DesignBeside designBeside() const = 0;
  // Shows the design of an opened document; throws a DocumentRefusal
  // before anything changes.
  virtual void showDocument(const VelloroDocument& opened) = 0;
  virtual Style currentStyle() const = 0;
  // The relief engine for renders that leave the window's design alone.
  virtual std::shared_ptr<PrivateEngine> privateEngine() = 0;
  virtual void applyStyleFile(const QString& path) = 0;
  virtual void showStatus(const QString& text) = 0;

 protected:
  ~FileCommandsWindow() = default;
};

class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(FileCommandsWindow& window, DesignState& design, Platform& platform,
               QString programFolder);
  // Closes the new-canvas dialog, which works on the window's canvas.
  ~FileCommands() override;

  // Connects the File menu's entries, looked up by name, and Open Recent.
  void attach(const MenuActions& actions, QMenu& recentMenu);

  // A style (".vstyle") is applied as Load style does, a document
  // (".velloro") opens its design, any other file is opened as File > Open
  // opens a picture. Each file that cannot be opened
  // is reported on its own and the next one still opens.
  void openHandedFiles(const QStringList& files);
  // Closing, New and Open ask before the canvas with unsaved changes goes.
  // Save writes where Save (Ctrl+S) would; a save that fails or is declined
  // keeps the work: false.
  bool unsavedWorkSettled();
  // The canvas changed: unsaved work, and no longer the flat picture whose
  // document was offered.
  void canvasChanged();
  // A fresh canvas holds nothing worth keeping until a design lies on it.
  void canvasReplaced();
  void closeNewCanvasDialog();

  // The JPEG size optimiser, shown modal by Save (mode "save") and Save As
  // ("saveas", with the name chosen in the save dialog): it writes the JPEG,
  // makes it the current picture name and returns its success flag. Tests
  // may answer in its place.
  std::function<bool(const QString& mode, const QString& chosenName)> showJpegSizeOptimiser;

 private slots:
  void newBackground();
  void openPicture();
  void savePicture();
  void savePictureAs();
  void exportForTheWeb();
  void openPrintPlacement();
  void listRecentFiles();

 private:
  bool openPictureFile(const QString& path);
  void showOpenedDocument(const QString& path);
  void showOpenedFile(const QString& path);
  void tellOfAFlatPicture(const QString& path);
  void offerDocument(const QString& document);
  bool saveDocumentAs(const QString& chosen);
  void saveDocument(const QString& name);
  void openRecentFile(const QString& path);
  void showOpenedPicture(const QString& path);
  bool saveToCurrentName();
  bool saveAsChosen();
  void savedAs(const QString& name);
  QString bitmapNameInsteadOfGif(const QString& name);
  bool mayWrite(const QString& name, const QString& chosen);
  bool saveBitmapAs(const QString& chosen);
  bool saveWebPictureAs(const QString& chosen, WebFormat format);
  bool saveThroughJpegOptimiser(const QString& mode, const QString& chosenName);
  bool jpegOptimiserSaved(const QString& mode, const QString& chosenName);
  QList<QImage> denserPictures(const WholeDesign& whole, const WebExportChoice& choice);
  QList<QImage> denserShapes(const WholeDesign& whole, const WebExportChoice& choice);
  QString denserRefusal(const WholeDesign& whole);
  PrivateEngine& shapeEngine();

  FileCommandsWindow& window_;
  DesignState& design_;
  Platform& platform_;
  QString programFolder_;
  QMenu* recentMenu_ = nullptr;
  bool unsavedChanges_ = false;
  QPointer<NewCanvasDialog> newCanvasDialog_;
  QPointer<PrintWindow> printWindow_;
  // In the status bar while a flat picture shows: opens its document.
  QPointer<QPushButton> documentOffer_;
  QString offeredDocument_;
  // Draws shapes anew: its one layer is the last shape it drew, never the
  // window's design nor a title of the window's own private engine.
  std::shared_ptr<PrivateEngine> shapeEngine_;
};
