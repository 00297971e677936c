// What the writer refuses to write through or over, and the exact failure
// it names; nothing it refuses is changed.
#include "state/file_writing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "failure_of.h"
#include "test_files.h"

namespace {

constexpr uid_t someoneElse = 65534;
const QByteArray victimBytes("not to be overwritten");

QString writingFailure(const QString& target) {
  return failureText([&] { writeFileReplacing(target, QByteArray("new")); });
}

}  // namespace

TEST(FileWriting, WhatIsNoPlainFileOrHasNoFolderIsRefusedByItsCause) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath("pipe.png");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString loop = folder.filePath("loop.png");
  ASSERT_TRUE(QFile::link(loop, loop));
  const QString toFifo = folder.filePath("to-pipe.png");
  ASSERT_TRUE(QFile::link(fifo, toFifo));
  const QString longName = folder.filePath(QString(300, u'n') + ".png");
  const QString withZero = folder.filePath(QStringLiteral("evil") + QChar(0) + ".png");
  writeContent(folder.filePath("plain"), victimBytes);
  const std::pair<QString, QString> cases[] = {
      {folder.path(), "75 Path/File access error (Is a directory): "},
      {longName, "52 Bad file name or number (File name too long): "},
      {loop, "75 Path/File access error (Too many levels of symbolic links): "},
      {fifo, "75 Path/File access error (Not a regular file): "},
      {toFifo, "75 Path/File access error (Not a regular file): "},
      {withZero, "52 Bad file name or number: "},
      {folder.filePath("absent/target.png"), "76 Path not found: "},
      {folder.filePath("plain/target.png"), "76 Path not found: "},
  };
  for (const auto& [target, refusal] : cases)
    EXPECT_EQ(writingFailure(target), refusal + target) << target.toStdString();
  EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// The kernel's protected-link rule, kept by the writer itself: in a sticky
// folder anyone may write to, only a link of the writer or of the folder's
// owner is followed.
TEST(FileWriting, PlantedLinkInASharedFolderIsNotFollowed) {
  QTemporaryDir shared;
  QTemporaryDir own;
  ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
  const QString victim = own.filePath("victim.png");
  writeContent(victim, victimBytes);
  const QString planted = shared.filePath("x.png");
  const QString dangling = shared.filePath("y.png");
  ASSERT_TRUE(QFile::link(victim, planted));
  ASSERT_TRUE(QFile::link(own.filePath("made.png"), dangling));
  for (const QString& name : {planted, dangling})
    if (::lchown(QFile::encodeName(name).constData(), someoneElse, someoneElse) != 0)
      GTEST_SKIP() << "links of another user cannot be made here";
  EXPECT_EQ(writingFailure(planted), "70 Permission denied: " + planted);
  EXPECT_EQ(writingFailure(dangling), "70 Permission denied: " + dangling);
  EXPECT_EQ(contentOf(victim), victimBytes);
  EXPECT_FALSE(QFile::exists(own.filePath("made.png")));
  // The writer's own link is followed, and stays a link.
  const QString mine = shared.filePath("mine.png");
  ASSERT_TRUE(QFile::link(victim, mine));
  EXPECT_EQ(writingFailure(mine), "none");
  EXPECT_EQ(contentOf(victim), "new");
  EXPECT_TRUE(QFileInfo(mine).isSymLink());
}
