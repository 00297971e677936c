#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "file_size_limit.h"
#include "test_files.h"

namespace {

void expectWorkingFolders(const QString& folder) {
  for (const char* working : {"inputs", "outputs", "textures", "curves", "styles"})
    EXPECT_TRUE(QFileInfo(folder + '/' + working).isDir()) << working;
}

}  // namespace

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

namespace {

// A prefix laid out like an installed copy: bin/ and the engine under lib/velloro/.
void makeInstalledPrefix(const QTemporaryDir& prefix) {
  QDir().mkpath(prefix.filePath("bin"));
  writeContent(prefix.filePath("lib/velloro/libVelloro.so"), "engine");
}

}  // namespace

// An engine beside the program (a build beside an install) keeps everything
// there, also when there is none at all; one under the prefix makes an installed copy.
TEST(ProgramLayout, TheEnginesPlaceDecidesWhereTheShippedDataIs) {
  QTemporaryDir installed;
  makeInstalledPrefix(installed);
  QTemporaryDir built;
  makeInstalledPrefix(built);
  writeContent(built.filePath("bin/libVelloro.so"), "engine");
  QTemporaryDir bare;
  struct Case {
    QString bin, engine, data;
    bool installed;
  };
  const Case cases[] = {
      {installed.filePath("bin"), installed.filePath("lib/velloro/libVelloro.so"),
       installed.filePath("share/velloro"), true},
      {built.filePath("bin"), built.filePath("bin/libVelloro.so"), built.filePath("bin"), false},
      {bare.path(), bare.filePath("libVelloro.so"), bare.path(), false},
  };
  for (const Case& c : cases) {
    const ProgramLayout layout = programLayout(c.bin);
    EXPECT_EQ(layout.installed, c.installed) << c.bin.toStdString();
    EXPECT_EQ(layout.engineLibrary, c.engine);
    EXPECT_EQ(layout.shippedData, c.data);
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
