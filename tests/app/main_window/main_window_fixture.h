// A main window on the offscreen screen with a scripted platform, a fresh
// design state, working files of its own and the real relief engine.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "design/curve_file.h"
#include "desktop/scripted_platform.h"
#include "files/bmp_file.h"
#include "files/picture_formats.h"
#include "files/run_folder.h"
#include "headless/picture_output.h"
#include "main_window/about_box.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "output/web_export_dialog.h"
#include "rendering/stored_layers.h"
#include "test_files.h"
#include "test_pictures.h"
#include "tools/ellipse_ratio_dialog.h"
#include "tools/picture_tool.h"
#include "tools/symbol_picker.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

using namespace Qt::StringLiterals;

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Left-button mouse events on the canvas, in canvas pixels, with `held` down after each.
  void mouseOnCanvas(QEvent::Type type, QPoint at, Qt::MouseButtons held);
  void pressCanvas(QPoint at) { mouseOnCanvas(QEvent::MouseButtonPress, at, Qt::LeftButton); }
  void moveCanvas(QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
    mouseOnCanvas(QEvent::MouseMove, at, held);
  }
  void releaseCanvas(QPoint at) { mouseOnCanvas(QEvent::MouseButtonRelease, at, Qt::NoButton); }
  void dragOnCanvas(QPoint from, QPoint to) {
    pressCanvas(from);
    moveCanvas(to);
    releaseCanvas(to);
  }

  void useCanvas(QSize size) { window->canvasArea().showBackground(filled(size, Qt::white)); }
  QImage canvas() const { return window->canvasView()->picture(); }
  DesignState& design() const { return window->document(); }
  QImage drawnAgain() {
    window->draw();
    return canvas();
  }
  // The window active, with the focus where a user leaves it: in the text box.
  void focusTextBox();
  TitleTextBox* textBox() const { return window->sourceFrame()->textBox(); }

  void clickToolButton(const char* key) {
    QTest::mouseClick(window->toolBar()->widgetForAction(window->toolButton(QLatin1String(key))),
                      Qt::LeftButton);
  }
  void run(const char* menuEntry) { window->menuEntry(QLatin1String(menuEntry))->trigger(); }
  // Runs `menuEntry` with `file` the answer of the file dialog it opens.
  void run(const char* menuEntry, const QString& file) {
    seam->fileAnswers.push_back(file);
    run(menuEntry);
  }
  // Save As to `file` with the type `filter` of the dialog chosen.
  void saveAs(const QString& file, int filter) {
    seam->filterAnswers.push_back(filter);
    run("mnuFileSaveAs", file);
  }
  // The entries of the menu `name` as it opens.
  QList<QAction*> openedMenu(const char* name) {
    emit window->menu(QLatin1String(name))->aboutToShow();
    return window->menu(QLatin1String(name))->actions();
  }
  // The title `text` in `size` points, its design at `at`.
  void setTitle(const QString& text, int size, QPoint at) {
    window->fontSizeBox()->setEditText(QString::number(size));
    textBox()->setText(text);
    placeDesign(at);
  }
  void placeDesign(QPoint at) {
    design().designFrame.left = at.x();
    design().designFrame.top = at.y();
  }
  // The tool windows the menus open: New, Print, the picture and the shape tool.
  void openToolWindows() {
    for (const char* opening : {"mnuFileNew", "mnuFilePrint", "mnuToolsPicture", "mnuToolsDrawing"})
      run(opening);
  }
  // Drags local `files` over `target` and drops them; whether the drop was taken.
  static bool drop(QWidget* target, const QStringList& files);
  QString path(const char* relative) const { return folder.filePath(QLatin1String(relative)); }
  // Loads the shipped default curve, as a fresh start of the command line does.
  void loadDefaultCurve();
  // The Outside panel's stack emptied with Remove, then `effects` added
  // with Add, bottom first.
  void stackEffects(std::initializer_list<EffectType> effects);
  void addEffect(EffectType effect);
  // The PNG `Velloro --render ARGUMENTS -o FILE` writes.
  QByteArray rendered(const QStringList& arguments);
  // What `Velloro --render ARGUMENTS -o FILE` tells on its error stream.
  QString toldByRender(const QStringList& arguments);
  // `window`'s title drawn again is `Velloro --render OPTIONS` to the byte,
  // the options parted by '|'.
  void expectDrawnAsRendered(const QString& options);
  QByteArray drawnPng() { return encodedPicture(drawnAgain(), u"png"_s, std::nullopt); }

  // The one message shown so far; unless exactly one was, a failure and an empty message.
  const Message& onlyMessage() const;

  void copyFiles(const QString& from, const char* to, std::initializer_list<const char*> names);
  static QWidget* shownWindow(const char* objectName);
  static QImage filled(QSize size, QColor colour) {
    return filledPicture(size.width(), size.height(), colour);
  }
  using Pixels = std::initializer_list<std::pair<QPoint, QColor>>;
  // Each listed pixel of `picture`, moved by `offset`, has its colour.
  static void expectPixels(const QImage& picture, Pixels pixels, QPoint offset = {});
  static void pressOk(QDialog& dialog);

  QTemporaryDir folder;
  QByteArray savedTemporaryFolder;
  ScriptedPlatform* seam = nullptr;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  std::unique_ptr<MainWindow> window;
};
