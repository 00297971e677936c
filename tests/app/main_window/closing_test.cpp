// Every way of ending the program, through the real Qt platform inside its own event loop.
#include <QAbstractButton>
#include <QMessageBox>
#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include "desktop/qt_platform.h"
#include "main_window/startup.h"
#include "main_window_fixture.h"
#include "platform/termination_signals.h"

namespace {

// Alt+F opens the File menu; X is Exit's accelerator.
void exitThroughFileMenu(MainWindow& window) {
  QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
  QWidget* fileMenu = QApplication::activePopupWidget();
  ASSERT_NE(fileMenu, nullptr);
  QTest::keyClick(fileMenu, Qt::Key_X);
}

void clickWhenShown(QMessageBox::StandardButton button, QString& text) {
  QTimer::singleShot(10, [button, &text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return clickWhenShown(button, text);
    text = box->text();
    QTest::mouseClick(box->button(button), Qt::LeftButton);
  });
}

// The folder a run killed before this one left behind.
QString endedRunFolder(const QString& temporary) {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const QString folder = temporary + u"/Velloro-%1-k1LLed"_s.arg(child);
  QDir().mkpath(folder);
  writeContent(folder + u"/Undo0.tmp"_s, "left behind");
  return folder;
}

class Closing : public MainWindowTest {
 protected:
  void SetUp() override {
    savedTemporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    removeRunFolder();
    killedRun = endedRunFolder(temporary.path());
    copyFiles(QStringLiteral(SHIPPED_CURVES), "curves", {"default.txt"});
    writeContent(path("help/velloro.htm"),
                 "<html><body><a name=\"FirstRun\">Welcome</a></body></html>");
    QSettings(u"Velloro"_s, u"Velloro"_s).remove(u"First"_s);
    auto seam = std::make_unique<QtPlatform>();
    qtPlatform = seam.get();
    usePlatform(std::move(seam));
    window = startVelloro(folder.path(), *qtPlatform,
                          [this](MainWindow& made) { qtPlatform->setOwner(&made); });
    window->useEngine(engine);
    endingSignals = std::make_unique<TerminationSignals>([this] { window->endRun(); });
  }

  void TearDown() override {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->objectName() == u"MyWindow"_s) delete widget;
    endingSignals.reset();
    window.reset();
    usePlatform(std::make_unique<QtPlatform>());
    qputenv("TMPDIR", savedTemporaryFolder);
  }

  // The loop's exit code, or -1 when it still runs after `step` and all it started.
  int runEventLoop(const std::function<void()>& step) {
    QTimer::singleShot(0, step);
    const QObject stillRunning;  // its end cancels the stop below
    QTimer::singleShot(3000, &stillRunning, [] { QCoreApplication::exit(-1); });
    return QApplication::exec();
  }

  QTemporaryDir temporary;
  QtPlatform* qtPlatform = nullptr;
  std::unique_ptr<TerminationSignals> endingSignals;
  QString killedRun;
};

struct ClosingWay {
  const char* name;
  void (*close)(MainWindow&);
  bool asksAboutUnsavedWork;
};

TEST_F(Closing, EveryWayEndsTheProgramWithTheHelpAndNewDialogOpenAndLeavesNoFile) {
  const ClosingWay ways[] = {{"title bar", [](MainWindow& w) { w.close(); }, true},
                             {"File > Exit", exitThroughFileMenu, true},
                             {"SIGTERM", [](MainWindow&) { ::raise(SIGTERM); }, false},
                             {"SIGHUP", [](MainWindow&) { ::raise(SIGHUP); }, false},
                             {"SIGINT", [](MainWindow&) { ::raise(SIGINT); }, false}};
  for (const ClosingWay& way : ways) {
    SCOPED_TRACE(way.name);
    if (&way != ways) TearDown(), SetUp();
    QWidget* help = shownWindow("MyWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->parentWidget(), window.get());

    focusTextBox();
    QTest::keyClick(textBox(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(shownWindow("FrmNew"), nullptr);
    window->draw();
    DesignState& state = window->document();
    state.undo.record(state.workingFiles.canvas, *qtPlatform);
    writeContent(state.undo.undoFile(3), "undo");  // a gap in the undo files
    const QStringList workingFiles = state.workingFiles.all();
    ASSERT_TRUE(QFile::exists(state.workingFiles.canvas));
    ASSERT_GE(QDir(temporary.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(killedRun));

    QString question;
    if (way.asksAboutUnsavedWork) clickWhenShown(QMessageBox::Discard, question);
    EXPECT_EQ(runEventLoop([this, &way] { way.close(*window); }), 0);
    EXPECT_EQ(question, way.asksAboutUnsavedWork
                            ? u"Do you want to save the changes to Untitled ?"_s
                            : QString());

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shownWindow("FrmNew"), nullptr);
    for (const QString& file : workingFiles)
      EXPECT_TRUE(file.isEmpty() || !QFile::exists(file)) << file.toStdString();
    EXPECT_EQ(QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
  }
}

}  // namespace
