// Installs the build into a fresh prefix and starts the installed program
// the way a user's desktop does: with a home of its own and nothing else.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include "test_files.h"

namespace {

// Every entry under `folder` with what would show a write: size and times.
QMap<QString, QString> snapshot(const QString& folder) {
  QMap<QString, QString> entries;
  QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo entry(it.next());
    entries.insert(entry.filePath(), QString::number(entry.size()) + ' ' +
                                         QString::number(entry.lastModified().toMSecsSinceEpoch()));
  }
  return entries;
}

QStringList sorted(QStringList names) {
  names.sort();
  return names;
}

QStringList filesBelow(const QString& folder) {
  QStringList files;
  const QDir root(folder);
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << root.relativeFilePath(it.next());
  files.sort();
  return files;
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

  // Runs the installed program with only a fresh home, its XDG folders and
  // its own temporary folder; asks it to draw into `picture` and end.
  int runInstalled(const QString& program, const QString& picture) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("data"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath("config"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath("cache"));
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
  QTemporaryDir results;
};

TEST_F(InstalledProgram, EveryFileIsWhereTheDesktopAndTheProgramLookForIt) {
  for (const char* file :
       {"bin/Velloro", "lib/velloro/libVelloro.so", "lib/velloro/libVelloroWindow.so",
        "lib/velloro/Uninstall", "share/applications/velloro.desktop",
        "share/metainfo/org.velloro.Velloro.metainfo.xml", "share/mime/packages/velloro.xml",
        "share/icons/hicolor/scalable/apps/velloro.svg", "share/velloro/curves/default.txt",
        "share/velloro/curves/steel.txt", "share/velloro/curves/gold.txt",
        "share/velloro/textures/wood.bmp", "share/velloro/help/velloro.htm"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(file)).isFile()) << file;
  for (const char* program : {"bin/Velloro", "lib/velloro/Uninstall"})
    EXPECT_TRUE(QFileInfo(prefix->filePath(program)).isExecutable()) << program;
  const QFileInfo link(prefix->filePath("bin/velloro"));
  EXPECT_TRUE(link.isSymLink());
  EXPECT_EQ(link.symLinkTarget(), prefix->filePath("bin/Velloro"));
  // Nothing of the build's own comes along: no tests, no static libraries.
  EXPECT_EQ(sorted(QDir(prefix->filePath("bin")).entryList(QDir::Files | QDir::System)),
            QStringList({"Velloro", "velloro"}));
  EXPECT_EQ(sorted(QDir(prefix->filePath("lib/velloro")).entryList(QDir::Files)),
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
  const QMap<QString, QString> before = snapshot(prefix->path());
  const QString picture = results.filePath("drawn.bmp");
  ASSERT_EQ(runInstalled(QStringLiteral("bin/velloro"), picture), 0);

  EXPECT_EQ(snapshot(prefix->path()), before);
  const QString shipped = prefix->filePath("share/velloro");
  const QStringList shippedFiles = filesBelow(shipped);
  ASSERT_FALSE(shippedFiles.isEmpty());
  EXPECT_EQ(filesBelow(userFolder()), shippedFiles);
  for (const QString& file : shippedFiles)
    EXPECT_EQ(contentOf(userFolder() + '/' + file), contentOf(shipped + '/' + file))
        << file.toStdString();
  for (const char* working : {"inputs", "outputs"})
    EXPECT_TRUE(QFileInfo(userFolder() + '/' + working).isDir()) << working;
  // Closing deleted every working file of the run.
  EXPECT_EQ(filesBelow(temporary.path()), QStringList());

  const QImage drawn(picture);
  ASSERT_EQ(drawn.size(), QSize(631, 331));
  EXPECT_EQ(drawn.pixelColor(630, 330), QColor(Qt::white));
  EXPECT_GT(bluePixels(drawn), 1000);
}

TEST_F(InstalledProgram, ALaterStartKeepsTheUsersOwnCurve) {
  ASSERT_EQ(runInstalled(QStringLiteral("bin/Velloro"), results.filePath("first.bmp")), 0);
  writeContent(userFolder() + QStringLiteral("/curves/gold.txt"), "my gold");
  QFile::remove(userFolder() + QStringLiteral("/curves/steel.txt"));
  ASSERT_EQ(runInstalled(QStringLiteral("bin/Velloro"), results.filePath("second.bmp")), 0);
  EXPECT_EQ(contentOf(userFolder() + QStringLiteral("/curves/gold.txt")), QByteArray("my gold"));
  EXPECT_EQ(contentOf(userFolder() + QStringLiteral("/curves/steel.txt")),
            contentOf(prefix->filePath("share/velloro/curves/steel.txt")));
}

}  // namespace
