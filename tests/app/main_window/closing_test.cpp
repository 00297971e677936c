// Closing the main window ends the program whatever else is open (the help
// window of the first start, the new-canvas dialog), and leaves no working
// file or undo folder behind. Driven through the real Qt platform and the
// shown windows, inside the program's own event loop.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "main_window/frm_main.h"
#include "main_window/source_frame.h"
#include "main_window/startup.h"
#include "platform/qt_platform.h"
#include "state/design_state.h"
#include "state/engine_library.h"
#include "test_files.h"

namespace {

struct ClosingWay {
  const char* name;
  std::function<void(FrmMain&)> close;
};

void PrintTo(const ClosingWay& way, std::ostream* out) { *out << way.name; }

void closeByTitleBar(FrmMain& window) { window.close(); }

// Alt+F opens the File menu; X is Exit's accelerator.
void exitThroughFileMenu(FrmMain& window) {
  QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
  QWidget* fileMenu = QApplication::activePopupWidget();
  ASSERT_NE(fileMenu, nullptr);
  QTest::keyClick(fileMenu, Qt::Key_X);
}

QWidget* shownTopLevel(const QString& objectName) {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == objectName && widget->isVisible()) return widget;
  return nullptr;
}

class Closing : public testing::TestWithParam<ClosingWay> {
 protected:
  void SetUp() override {
    savedTemporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QDir().mkpath(folder.filePath(QStringLiteral("curves")));
    QFile::copy(QStringLiteral(SHIPPED_CURVES "/default.txt"),
                folder.filePath(QStringLiteral("curves/default.txt")));
    QDir().mkpath(folder.filePath(QStringLiteral("help")));
    writeContent(folder.filePath(QStringLiteral("help/velloro.htm")),
                 "<html><body><a name=\"FirstRun\">Welcome</a></body></html>");
    QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).remove(QStringLiteral("First"));
    design() = DesignState{};
    auto seam = std::make_unique<QtPlatform>();
    qtPlatform = seam.get();
    usePlatform(std::move(seam));
    window = startVelloro(folder.path(), *qtPlatform,
                          [this](FrmMain& made) { qtPlatform->setOwner(&made); });
    window->useEngine(engine);
  }

  void TearDown() override {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == QStringLiteral("MyWindow")) delete widget;
    window.reset();
    usePlatform(std::make_unique<QtPlatform>());
    qputenv("TMPDIR", savedTemporaryFolder);
  }

  // Runs the application's event loop with `step` as its first event; the
  // result is the loop's exit code, or -1 when the loop was still running
  // after the step and everything it started.
  int runEventLoop(const std::function<void()>& step) {
    QTimer::singleShot(0, step);
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    QObject::connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    stillRunning.start(3000);
    return QApplication::exec();
  }

  QTemporaryDir folder;
  QTemporaryDir temporary;
  QByteArray savedTemporaryFolder;
  QtPlatform* qtPlatform = nullptr;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  std::unique_ptr<FrmMain> window;
};

TEST_P(Closing, EndsTheProgramWithTheHelpAndNewDialogOpenAndLeavesNoFile) {
  QWidget* help = shownTopLevel(QStringLiteral("MyWindow"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->parentWidget(), window.get());

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window->sourceFrame()->textBox(), Qt::Key_N, Qt::ControlModifier);
  QWidget* newDialog = shownTopLevel(QStringLiteral("FrmNew"));
  ASSERT_NE(newDialog, nullptr);
  window->draw();
  design().undo.record(design().workingFiles.canvas, *qtPlatform);
  const QStringList workingFiles = design().workingFiles.all();
  ASSERT_TRUE(QFile::exists(design().workingFiles.canvas));
  ASSERT_GE(QDir(temporary.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);

  EXPECT_EQ(runEventLoop([this] { GetParam().close(*window); }), 0);

  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(shownTopLevel(QStringLiteral("FrmNew")), nullptr);
  for (const QString& file : workingFiles) {
    if (!file.isEmpty()) {
      EXPECT_FALSE(QFile::exists(file)) << file.toStdString();
    }
  }
  EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Closing,
                         testing::Values(ClosingWay{"TitleBarClose", closeByTitleBar},
                                         ClosingWay{"FileExit", exitThroughFileMenu}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
