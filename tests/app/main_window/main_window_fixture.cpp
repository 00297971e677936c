#include "main_window_fixture.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QUrl>
#include <cstdio>

#include "empty_layers.h"
#include "headless/render_run.h"

void MainWindowTest::SetUp() {
  // Each test has a temporary folder, and so a run folder, of its own.
  savedTemporaryFolder = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(folder.path()));
  removeRunFolder();
  auto scripted = std::make_unique<ScriptedPlatform>();
  seam = scripted.get();
  usePlatform(std::move(scripted));
  // Remembered choices (window place, export choice, live preview) start afresh.
  QSettings(u"Velloro"_s, u"Velloro"_s).clear();
  for (const char* made : {"inputs", "outputs"}) QDir().mkpath(path(made));
  copyFiles(QStringLiteral(SHIPPED_CURVES), "curves", {"default.txt", "steel.txt", "gold.txt"});
  // The engine's stored layers outlive a test; each starts from none.
  emptyEveryLayer(engine.entryPoints());
  DesignState document;
  createStartupWorkingFiles(document.workingFiles);
  document.currentPictureName = path("inputs/MyPic.bmp");
  window = std::make_unique<MainWindow>(folder.path(), std::move(document));
  window->useEngine(engine);
  window->resize(556, 433);
  window->fillFontList();
  window->fillSizeList();
  window->canvasArea().captureCanvas();
  window->show();
  // A user's first press comes after the window has handled its show
  // events, which settle how text is antialiased in the printed mask.
  QCoreApplication::processEvents();
}

void MainWindowTest::TearDown() {
  if (window) {
    deleteWorkingFiles(design().workingFiles);
    design().undo.deleteUndoFiles();
  }
  window.reset();
  removeRunFolder();
  qputenv("TMPDIR", savedTemporaryFolder);
}

void MainWindowTest::mouseOnCanvas(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  PictureBox* view = window->canvasView();
  const QPointF shown = QPointF(at) * view->zoom();
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, shown, view->mapToGlobal(shown), button, held, Qt::NoModifier);
  QApplication::sendEvent(view, &event);
}

void MainWindowTest::focusTextBox() {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  textBox()->setFocus();
}

void MainWindowTest::loadDefaultCurve() {
  CurvePoints curve;
  ASSERT_TRUE(loadCurve(curve, u"default.txt"_s, path("curves"), *seam));
  setCurve(design().model, curve);
}

QString MainWindowTest::toldByRender(const QStringList& arguments) {
  std::FILE* errors = std::tmpfile();
  EXPECT_EQ(runRenderCommand(
                QStringList{u"--render"_s} + arguments + QStringList{u"-o"_s, path("rendered.png")},
                {folder.path(), QStringLiteral(ENGINE_PATH), stdout, errors}),
            0);
  std::rewind(errors);
  QByteArray told(4096, '\0');
  told.truncate(qsizetype(std::fread(told.data(), 1, size_t(told.size()), errors)));
  std::fclose(errors);
  return QString::fromUtf8(told).trimmed();
}

QByteArray MainWindowTest::rendered(const QStringList& arguments) {
  toldByRender(arguments);
  return contentOf(path("rendered.png"));
}

void MainWindowTest::expectDrawnAsRendered(const QString& options) {
  const QByteArray drawn = drawnPng();
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(rendered(options.split(u'|')), drawn) << options.toStdString();
}

bool MainWindowTest::drop(QWidget* target, const QStringList& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& file : files) urls.append(QUrl::fromLocalFile(file));
  data.setUrls(urls);
  QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &dropped);
  return dropped.isAccepted();
}

const Message& MainWindowTest::onlyMessage() const {
  static const Message none;
  EXPECT_EQ(seam->messages.size(), 1u);
  return seam->messages.size() == 1 ? seam->messages[0] : none;
}

void MainWindowTest::copyFiles(const QString& from, const char* to,
                               std::initializer_list<const char*> names) {
  QDir().mkpath(path(to));
  for (const char* name : names)
    QFile::copy(from + u'/' + QLatin1String(name), path(to) + u'/' + QLatin1String(name));
}

QWidget* MainWindowTest::shownWindow(const char* objectName) {
  for (QWidget* shown : QApplication::topLevelWidgets())
    if (shown->objectName() == QLatin1String(objectName) && shown->isVisible()) return shown;
  return nullptr;
}

void MainWindowTest::expectPixels(const QImage& picture, Pixels pixels, QPoint offset) {
  for (const auto& [at, colour] : pixels)
    EXPECT_EQ(picture.pixelColor(at + offset), colour) << "at " << at.x() << "," << at.y();
}

void MainWindowTest::pressOk(QDialog& dialog) {
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void MainWindowTest::stackEffects(std::initializer_list<EffectType> effects) {
  OutsidePanel& outside = window->panels()->outside();
  QTabBar& tabs = *window->panels()->tabStrip();
  const int tabBefore = tabs.currentIndex();
  tabs.setCurrentIndex(2);  // the panel is enabled while shown
  while (outside.removeButton()->isEnabled()) outside.removeButton()->click();
  for (EffectType effect : effects) addEffect(effect);
  tabs.setCurrentIndex(tabBefore);
}

void MainWindowTest::addEffect(EffectType effect) {
  for (QAction* offered : window->panels()->outside().addMenu()->actions())
    if (offered->data().toInt() == velloro::toInt(effect)) offered->trigger();
}
