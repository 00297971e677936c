// Installs the build into a fresh prefix and starts the installed program
// the way a user's desktop does: with a home of its own and nothing else.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <string_view>

#include "test_files.h"
#include "test_pictures.h"

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

// Whether the program drew nothing: every pixel white.
bool allWhite(const QImage& picture) {
  return picture == filledPicture(picture.width(), picture.height(), Qt::white, picture.format());
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
        "share/velloro/help/velloro.htm", "lib/systemd/system/velloro.service",
        "share/doc/velloro/examples/nginx-velloro.conf.in"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(file)).isFile()) << file;
  for (const char* program : {"bin/Velloro", "lib/velloro/Uninstall"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(program)).isExecutable()) << program;
  const QFileInfo link(prefix->filePath("bin/velloro"));
  EXPECT_TRUE(link.isSymLink());
  EXPECT_EQ(link.symLinkTarget(), prefix->filePath("bin/Velloro"));
  // Nothing of the build's own comes along: no tests, no static libraries.
  EXPECT_EQ(QDir(prefix->filePath("bin")).entryList(QDir::Files | QDir::System, QDir::Name),
            QStringList({"Velloro", "velloro"}));
  EXPECT_EQ(
      QDir(prefix->filePath("lib/velloro")).entryList(QDir::Files, QDir::Name),
      QStringList({"Uninstall", "libVelloro.so", "libVelloroService.so", "libVelloroWindow.so"}));
  // Icons in every theme size, each at its size, where rsvg-convert made them.
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString icon = QStringLiteral("share/icons/hicolor/%1x%1/apps/velloro.png").arg(size);
    if (PNG_ICONS) {
      EXPECT_EQ(QImage(prefix->filePath(icon)).size(), QSize(size, size)) << size;
    }
  }
}

// The working folders it makes there are the program folder's test.
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
  // Closing deleted every working file of the run.
  EXPECT_EQ(entriesBelow(temporary.path(), QDir::AllEntries), QStringList());

  const QImage drawn(picture);
  ASSERT_EQ(drawn.size(), QSize(631, 331));
  EXPECT_EQ(drawn.pixelColor(630, 330), QColor(Qt::white));
  EXPECT_FALSE(allWhite(drawn));
}

// Whatever the shared data folder is (missing, a plain file, empty), the
// program starts with the default curve it carries inside, and draws.
TEST_F(InstalledProgram, WithoutItsSharedDataItStartsWithItsOwnCurveAndDraws) {
  const QString shared = prefix->filePath("share/velloro");
  ASSERT_TRUE(QDir().rename(shared, shared + ".kept"));
  for (const std::string_view kind : {"missing", "plain file", "empty"}) {
    SCOPED_TRACE(kind.data());
    if (kind == "plain file") writeContent(shared, "");
    if (kind == "empty") QDir().mkpath(shared);
    const QString picture = home.filePath("drawn.bmp");
    EXPECT_EQ(runInstalled(QStringLiteral("bin/velloro"), picture), 0);
    EXPECT_FALSE(allWhite(QImage(picture)));
    EXPECT_GT(QFileInfo(userFolder() + QStringLiteral("/curves/default.txt")).size(), 99);
    EXPECT_EQ(entriesBelow(temporary.path(), QDir::AllEntries), QStringList());
    QFile::remove(shared);
    QDir(shared).removeRecursively();
    QDir(home.path()).removeRecursively();
    QDir().mkpath(home.path());
  }
  QDir().rename(shared + ".kept", shared);
}

}  // namespace
