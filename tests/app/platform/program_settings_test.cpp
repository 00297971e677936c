// The settings file is written by the rule of every other write: through a
// link only where following it is safe, and only over a plain file; read
// without ever waiting on a pipe.
#include "platform/program_settings.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core_test.h"
#include "platform/registry.h"

namespace {

constexpr uid_t nobody = 65534;

// A settings folder of its own for each case, put back afterwards.
class SettingsFolder {
 public:
  SettingsFolder() {
    QDir(folder.path()).mkdir(QStringLiteral("Velloro"));
    keepSettingsIn(folder.path());
  }
  ~SettingsFolder() { keepSettingsIn(QDir::tempPath()); }
  QString file() const { return programSettingsFile(); }
  QTemporaryDir folder;
};

bool store(const QString& text) {
  return registryWrite(QStringLiteral("Software\\Velloro\\First"), QStringLiteral("Value"), text);
}

mode_t kindOf(const QString& path) {
  struct stat status {};
  ::lstat(QFile::encodeName(path).constData(), &status);
  return status.st_mode & S_IFMT;
}

}  // namespace

TEST(ProgramSettings, KeptInTheUsersConfigurationFolder) {
  const SettingsFolder settings;
  EXPECT_EQ(settings.file(), settings.folder.filePath(QStringLiteral("Velloro/Velloro.conf")));
  EXPECT_TRUE(store(QStringLiteral("1")));
  EXPECT_EQ(contentOf(settings.file()), "[First]\nValue=1\n");
}

// What the link leads to stays what it was: a device node, a pipe (which a
// read would wait on for ever), a folder. The store says it failed.
TEST(ProgramSettings, ALinkToNoPlainFileIsNeitherReadNorReplaced) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a device node";
  QTemporaryDir elsewhere;
  const QString device = elsewhere.filePath(QStringLiteral("null"));
  ASSERT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
  const QString pipe = elsewhere.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0666), 0);
  const QString folder = elsewhere.filePath(QStringLiteral("folder"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const std::pair<QString, mode_t> targets[] = {
      {device, S_IFCHR}, {pipe, S_IFIFO}, {folder, S_IFDIR}};
  for (const auto& [target, kind] : targets) {
    const SettingsFolder settings;
    ASSERT_TRUE(QFile::link(target, settings.file()));
    EXPECT_EQ(registryRead(QStringLiteral("Software\\Velloro\\First"), QStringLiteral("Value")),
              QString());
    EXPECT_FALSE(store(QStringLiteral("1"))) << target.toStdString();
    EXPECT_EQ(kindOf(target), kind) << target.toStdString();
    EXPECT_EQ(kindOf(settings.file()), S_IFLNK);
  }
}

// A pipe as the settings file itself: read as no settings, left a pipe.
TEST(ProgramSettings, APipeAsTheFileIsNotWaitedOn) {
  const SettingsFolder settings;
  ASSERT_EQ(::mkfifo(QFile::encodeName(settings.file()).constData(), 0600), 0);
  EXPECT_EQ(programSettings().allKeys(), QStringList());
  EXPECT_FALSE(store(QStringLiteral("1")));
  EXPECT_EQ(kindOf(settings.file()), S_IFIFO);
}

// In a folder anyone may write to, another user's link is not followed,
// even by root; the user's own link is, and stays a link.
TEST(ProgramSettings, OnlyALinkSafeToFollowIsWrittenThrough) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link away";
  QTemporaryDir elsewhere;
  const QString victim = elsewhere.filePath(QStringLiteral("victim"));
  writeContent(victim, "[Kept]\nValue=precious\n");
  {
    const SettingsFolder settings;
    ::chmod(QFile::encodeName(settings.folder.filePath(QStringLiteral("Velloro"))).constData(),
            01777);
    ASSERT_TRUE(QFile::link(victim, settings.file()));
    ASSERT_EQ(::lchown(QFile::encodeName(settings.file()).constData(), nobody, nobody), 0);
    EXPECT_FALSE(store(QStringLiteral("1")));
    EXPECT_EQ(contentOf(victim), "[Kept]\nValue=precious\n");
  }
  const SettingsFolder settings;
  ASSERT_TRUE(QFile::link(victim, settings.file()));
  EXPECT_TRUE(store(QStringLiteral("1")));
  EXPECT_EQ(contentOf(victim), "[First]\nValue=1\n\n[Kept]\nValue=precious\n");
  EXPECT_EQ(kindOf(settings.file()), S_IFLNK);
}

// An ordinary user whose settings file leads to a pipe it may not replace
// leaves it, though the pipe's folder would let it rename over the pipe.
TEST(ProgramSettings, AnUnprivilegedUserReplacesNothingThroughALink) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
  QTemporaryDir elsewhere;
  ::chmod(QFile::encodeName(elsewhere.path()).constData(), 0777);
  const QString pipe = elsewhere.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
  const SettingsFolder settings;
  ::chmod(QFile::encodeName(settings.folder.path()).constData(), 0777);
  ::chown(QFile::encodeName(settings.folder.filePath(QStringLiteral("Velloro"))).constData(),
          nobody, nobody);
  const pid_t child = fork();
  if (child == 0) {
    ::alarm(30);
    const bool refused = ::setgid(nobody) == 0 && ::setuid(nobody) == 0 &&
                         QFile::link(pipe, settings.file()) && !store(QStringLiteral("1"));
    _exit(refused ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(kindOf(pipe), S_IFIFO);
}
