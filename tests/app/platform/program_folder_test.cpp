#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "file_size_limit.h"
#include "test_files.h"

static void expectWorkingFolders(const QString& folder) {
  for (const char* working : {"inputs", "outputs", "textures", "curves", "styles"})
    EXPECT_TRUE(QFileInfo(folder + '/' + working).isDir()) << working;
}

// A writable folder of the executable is the program folder; one without
// room for files (none can be made in /proc, even by the administrator)
// gives way to the user folder.
TEST(ProgramFolder, WritableExecutableFolderIsTheProgramFolder) {
  QTemporaryDir executable;
  QTemporaryDir user;
  EXPECT_EQ(prepareProgramFolder(executable.path(), user.filePath("data")), executable.path());
  expectWorkingFolders(executable.path());
  EXPECT_FALSE(QFileInfo::exists(user.filePath("data")));
  EXPECT_EQ(QDir(executable.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_EQ(prepareProgramFolder(QStringLiteral("/proc"), user.filePath("data")),
            user.filePath("data"));
  expectWorkingFolders(user.filePath("data"));
}

// A prefix laid out like an installed copy: bin/ and the engine under lib/velloro/.
static void makeInstalledPrefix(const QTemporaryDir& prefix) {
  QDir().mkpath(prefix.filePath("bin"));
  writeContent(prefix.filePath("lib/velloro/libVelloro.so"), "engine");
}

// Under an installed prefix the engine and the data are in their folders;
// an engine beside the program (a build beside an install) keeps everything
// there, also when there is none at all.
TEST(ProgramLayout, TheEnginesPlaceDecidesWhereTheShippedDataIs) {
  QTemporaryDir prefix;
  makeInstalledPrefix(prefix);
  const QString bin = prefix.filePath("bin");
  const ProgramLayout installed = programLayout(bin);
  EXPECT_TRUE(installed.installed);
  EXPECT_EQ(installed.engineLibrary, prefix.filePath("lib/velloro/libVelloro.so"));
  EXPECT_EQ(installed.shippedData, prefix.filePath("share/velloro"));
  writeContent(bin + "/libVelloro.so", "engine");
  QTemporaryDir bare;
  for (const QString& folder : {bin, bare.path()}) {
    const ProgramLayout layout = programLayout(folder);
    EXPECT_FALSE(layout.installed) << folder.toStdString();
    EXPECT_EQ(layout.engineLibrary, folder + "/libVelloro.so");
    EXPECT_EQ(layout.shippedData, folder);
  }
}

// The user folder gets the shipped files it lacks, keeps the user's own, and
// leaves out, not cuts, a shipped file that does not fit on the disk.
TEST(ProgramFolder, UserFolderGetsTheShippedFilesItLacksAndRoomFor) {
  QTemporaryDir installed;
  writeContent(installed.filePath("curves/default.txt"), "shipped curve");
  writeContent(installed.filePath("curves/gold.txt"), "shipped gold");
  writeContent(installed.filePath("curves/large.txt"), QByteArray(4000, 'c'));
  writeContent(installed.filePath("help/pages/velloro.htm"), "shipped help");
  writeContent(installed.filePath("inputs/private.bmp"), "not shipped");
  QTemporaryDir user;
  writeContent(user.filePath("curves/default.txt"), "user's change");
  inChildWithFileLimit(100, [&] {
    fillFromShippedData(installed.path(), user.path());
    return QByteArray();
  });
  EXPECT_EQ(contentOf(user.filePath("curves/default.txt")), QByteArray("user's change"));
  EXPECT_EQ(contentOf(user.filePath("help/pages/velloro.htm")), QByteArray("shipped help"));
  EXPECT_FALSE(QFileInfo::exists(user.filePath("inputs/private.bmp")));
  EXPECT_EQ(QDir(user.filePath("curves")).entryList(QDir::Files | QDir::Hidden),
            (QStringList{"default.txt", "gold.txt"}));
  EXPECT_EQ(contentOf(user.filePath("curves/gold.txt")), QByteArray("shipped gold"));
}

TEST(ProgramFolder, UserFolderThatCannotBeMadeGivesWayToTheShippedDataWithOneWarning) {
  QTemporaryDir prefix;
  makeInstalledPrefix(prefix);
  writeContent(prefix.filePath("share/velloro/curves/default.txt"), QByteArray(400, 'c'));
  QTemporaryDir user;
  writeContent(user.filePath("plain"), "in the way");
  const QString shipped = prefix.filePath("share/velloro");
  const QString blocked = user.filePath("plain");
  const std::pair<QString, QString> cases[] = {
      {QString(), "no home folder"},
      {"relative/data", "no home folder"},
      {blocked + "/data", "Path/File access error (Not a directory): " + blocked},
  };
  for (const auto& [userFolder, cause] : cases) {
    QStringList warnings;
    EXPECT_EQ(prepareProgramFolder(prefix.filePath("bin"), userFolder,
                                   [&](const QString& line) { warnings << line; }),
              shipped);
    EXPECT_EQ(warnings, QStringList{"the data folder cannot be made (" + cause +
                                    "); the shipped data in " + shipped + " is used read-only"});
  }
  // A disk too full for the shipped curve.
  const QByteArray chosen = inChildWithFileLimit(100, [&] {
    return prepareProgramFolder(prefix.filePath("bin"), user.filePath("data"), [](auto&) {})
        .toUtf8();
  });
  EXPECT_EQ(chosen, shipped.toUtf8());
}
