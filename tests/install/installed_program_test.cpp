// Installs the build into a fresh prefix and starts the installed program
// the way a user's desktop does: with a home of its own and nothing else.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <string_view>

#include "desktop/scripted_platform.h"
#include "main_window/canvas_viewport.h"
#include "main_window/main_window.h"
#include "main_window/startup.h"
#include "platform/program_folder.h"
#include "state/engine_library.h"
#include "test_files.h"

namespace {

// Every entry below `folder` by its path from there, sorted; with `writes`,
// also what would show a write: its size and time.
QStringList entriesBelow(const QString& folder, QDir::Filters kinds, bool writes = false) {
  QStringList entries;
  QDirIterator it(folder, kinds | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    const qint64 written = entry.lastModified().toMSecsSinceEpoch();
    entries << QDir(folder).relativeFilePath(entry.filePath()) +
                   (writes ? QStringLiteral(" %1 %2").arg(entry.size()).arg(written) : QString());
  }
  entries.sort();
  return entries;
}

int bluePixels(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      if (pixel.blue() > pixel.red() + 80 && pixel.blue() > pixel.green() + 80) ++count;
    }
  return count;
}

class InstalledProgram : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix = new QTemporaryDir;
    QProcess install;
    install.start(QStringLiteral(CMAKE_COMMAND_PATH),
                  {QStringLiteral("--install"), QStringLiteral(BUILD_FOLDER),
                   QStringLiteral("--prefix"), prefix->path()});
    installed = install.waitForFinished(120000) && install.exitCode() == 0;
    if (!installed) installLog = install.readAll();
  }
  static void TearDownTestSuite() { delete prefix; }

  void SetUp() override { ASSERT_TRUE(installed) << installLog.constData(); }

  // Runs the installed program with only a fresh home, its own data,
  // runtime and temporary folders; asks it to draw into `picture` and end.
  int runInstalled(const QString& program, const QString& picture) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("data"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VELLORO_DRAW_TO"), picture);
    for (const char* sanitizer : {"ASAN_OPTIONS", "UBSAN_OPTIONS"})
      if (qEnvironmentVariableIsSet(sanitizer))
        environment.insert(QLatin1String(sanitizer), qEnvironmentVariable(sanitizer));
    QProcess velloro;
    velloro.setProcessEnvironment(environment);
    velloro.start(prefix->filePath(program), {});
    EXPECT_TRUE(velloro.waitForFinished(120000)) << velloro.readAllStandardError().constData();
    return velloro.exitStatus() == QProcess::NormalExit ? velloro.exitCode() : -1;
  }

  QString userFolder() const { return home.filePath("data/Velloro/Velloro"); }

  static inline QTemporaryDir* prefix = nullptr;
  static inline bool installed = false;
  static inline QByteArray installLog;
  QTemporaryDir home;
  QTemporaryDir runtime;
  QTemporaryDir temporary;
};

TEST_F(InstalledProgram, EveryFileIsWhereTheDesktopAndTheProgramLookForIt) {
  for (const char* file :
       {"share/applications/velloro.desktop", "share/metainfo/org.velloro.Velloro.metainfo.xml",
        "share/mime/packages/velloro.xml", "share/icons/hicolor/scalable/apps/velloro.svg",
        "share/velloro/curves/default.txt", "share/velloro/curves/steel.txt",
        "share/velloro/curves/gold.txt", "share/velloro/textures/wood.bmp",
        "share/velloro/help/velloro.htm"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(file)).isFile()) << file;
  for (const char* program : {"bin/Velloro", "lib/velloro/Uninstall"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(program)).isExecutable()) << program;
  const QFileInfo link(prefix->filePath("bin/velloro"));
  EXPECT_TRUE(link.isSymLink());
  EXPECT_EQ(link.symLinkTarget(), prefix->filePath("bin/Velloro"));
  // Nothing of the build's own comes along: no tests, no static libraries.
  EXPECT_EQ(QDir(prefix->filePath("bin")).entryList(QDir::Files | QDir::System, QDir::Name),
            QStringList({"Velloro", "velloro"}));
  EXPECT_EQ(QDir(prefix->filePath("lib/velloro")).entryList(QDir::Files, QDir::Name),
            QStringList({"Uninstall", "libVelloro.so", "libVelloroWindow.so"}));
}

TEST_F(InstalledProgram, IconsComeInEveryThemeSizeAtThatSize) {
  if (!PNG_ICONS) GTEST_SKIP() << "rsvg-convert was not found: no PNG icons were made";
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString icon =
        prefix->filePath(QStringLiteral("share/icons/hicolor/%1x%1/apps/velloro.png").arg(size));
    EXPECT_EQ(QImage(icon).size(), QSize(size, size)) << icon.toStdString();
  }
}

TEST_F(InstalledProgram, FirstStartFillsTheUserFolderDrawsAndWritesNothingUnderThePrefix) {
  const QStringList before = entriesBelow(prefix->path(), QDir::AllEntries, true);
  const QString picture = home.filePath("drawn.bmp");
  ASSERT_EQ(runInstalled(QStringLiteral("bin/velloro"), picture), 0);

  EXPECT_EQ(entriesBelow(prefix->path(), QDir::AllEntries, true), before);
  const QString shipped = prefix->filePath("share/velloro");
  const QStringList shippedFiles = entriesBelow(shipped, QDir::Files);
  ASSERT_FALSE(shippedFiles.isEmpty());
  EXPECT_EQ(entriesBelow(userFolder(), QDir::Files), shippedFiles);
  for (const QString& file : shippedFiles)
    EXPECT_EQ(contentOf(userFolder() + '/' + file), contentOf(shipped + '/' + file))
        << file.toStdString();
  for (const char* working : {"inputs", "outputs", "textures", "curves", "styles"})
    EXPECT_TRUE(QFileInfo(userFolder() + '/' + working).isDir()) << working;
  // Closing deleted every working file of the run.
  EXPECT_EQ(entriesBelow(temporary.path(), QDir::AllEntries), QStringList());

  const QImage drawn(picture);
  ASSERT_EQ(drawn.size(), QSize(631, 331));
  EXPECT_EQ(drawn.pixelColor(630, 330), QColor(Qt::white));
  EXPECT_GT(bluePixels(drawn), 1000);
}

// An installed copy whose shared data folder is missing, a plain file or
// empty still starts with the default curve it carries inside, and draws.
TEST(MissingData, StartsWithItsOwnDefaultCurveAndStillDraws) {
  const QByteArray savedTemporaryFolder = qgetenv("TMPDIR");
  for (const std::string_view dataFolder : {"Missing", "PlainFile", "Empty"}) {
    SCOPED_TRACE(dataFolder.data());
    QTemporaryDir prefix;
    QTemporaryDir user;
    QTemporaryDir temporary;
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QDir().mkpath(prefix.filePath("bin"));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath("lib/velloro")));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(ENGINE_PATH), prefix.filePath("lib/velloro/libVelloro.so")));
    if (dataFolder == "PlainFile") writeContent(prefix.filePath("share/velloro"), "");
    if (dataFolder == "Empty") QDir().mkpath(prefix.filePath("share/velloro"));
    QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro")).remove(QStringLiteral("First"));

    const QString folder = prepareProgramFolder(prefix.filePath("bin"), user.filePath("data"));
    ASSERT_EQ(folder, user.filePath("data"));
    EngineLibrary engine(programLayout(prefix.filePath("bin")).engineLibrary);
    auto seam = std::make_unique<ScriptedPlatform>();
    ScriptedPlatform& scripted = *seam;
    usePlatform(std::move(seam));
    std::unique_ptr<MainWindow> window = startVelloro(folder, scripted);
    window->useEngine(engine);

    EXPECT_TRUE(scripted.messages.empty());
    EXPECT_GT(QFileInfo(folder + QStringLiteral("/curves/default.txt")).size(), 99);
    EXPECT_NE(window->document().curve.y, CurvePoints().y);
    // Without its page the first-run help stays unshown.
    EXPECT_TRUE(scripted.helpPages.empty());

    window->draw();
    EXPECT_TRUE(scripted.messages.empty());
    const QImage drawn = window->canvasView()->picture();
    QImage blank(drawn.size(), drawn.format());
    blank.fill(Qt::white);
    EXPECT_NE(drawn, blank);
    window->endRun();
    EXPECT_EQ(entriesBelow(temporary.path(), QDir::AllEntries), QStringList());
    window.reset();
    qputenv("TMPDIR", savedTemporaryFolder);
  }
}

}  // namespace
