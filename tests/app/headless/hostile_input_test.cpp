// A render fed what would crash it, fill the memory or write elsewhere:
// each is refused in one line with its exit status, and nothing else changes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "command_words.h"
#include "render_run_fixture.h"
#include "test_files.h"

namespace {

class HostileInput : public RenderRunFixture {
 protected:
  int run(const char* line, const QStringList& values = {}) {
    return runArguments(QStringList{QStringLiteral("--render")} + commandWords(line, values));
  }

  QString writtenList(const QByteArray& content) {
    const QString list = program.filePath(QStringLiteral("list.txt"));
    writeContent(list, content);
    return list;
  }
};

}  // namespace

TEST_F(HostileInput, OverLongTitleIsRefusedAndTheRestOfTheBatchRenders) {
  const QString hello = program.filePath(QStringLiteral("hello.png"));
  ASSERT_EQ(run("--text World -o %", {hello}), 0);
  const QString list = writtenList("Hello\thello.png\n" + QByteArray(320000, 'W') +
                                   "\tlong.png\nWorld\tworld.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  EXPECT_NE(errorText().find(":2: 'long.png': The text is too large to draw ("), std::string::npos);
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("hello.png"), QStringLiteral("world.png")}));
  EXPECT_EQ(contentOf(out("world.png")), contentOf(hello));
}

TEST_F(HostileInput, EndlessOrHugeInputsAreRefusedUnread) {
  const QString style = program.filePath(QStringLiteral("zero.vstyle"));
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "fill": {"kind": "texture", "texture": "/dev/zero"}})");
  // A GIF that declares a 16384 x 6103 screen and image in a few bytes.
  const QString gif = program.filePath(QStringLiteral("huge.gif"));
  writeContent(gif,
               QByteArray::fromHex("4749463839610040d7170000002c000000000040d7170002024401003b"));
  const std::string notAPicture =
      "Unreadable picture (not a BMP, JPEG, GIF, PNG or WebP picture): /dev/zero\n";
  const std::pair<QStringList, std::string> cases[] = {
      {{"--background", "/dev/zero"}, "Velloro: --background: " + notAPicture},
      {{"--style", style}, "Velloro: --style: " + notAPicture},
      {{"--background", gif},
       "Velloro: --background: Unreadable picture (larger than 8192 pixels a side or 67108864 "
       "pixels): " +
           gif.toStdString() + "\n"},
  };
  for (const auto& [options, message] : cases) {
    EXPECT_EQ(runArguments(QStringList{"--render", "--text", "A", "-o", out("a.png")} + options),
              2);
    EXPECT_EQ(errorText(), message);
  }
  EXPECT_EQ(run("--batch /dev/zero --out-dir %", {pictures.path()}), 2);
  EXPECT_EQ(errorText(), "Velloro: --batch '/dev/zero': the list is too large\n");
  EXPECT_TRUE(QDir(pictures.path()).isEmpty());
}

TEST_F(HostileInput, WritesStayOnPlainFilesUnderTheirOwnNames) {
  const QString outside = program.filePath(QStringLiteral("outside.png"));
  writeContent(outside, "kept");
  ASSERT_TRUE(QFile::link(outside, out("hi.png")));
  const QString list = writtenList("Hi\thi.png\nHo\tho.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  EXPECT_NE(errorText().find(":1: 'hi.png': Path/File access error (Is a symbolic link): "),
            std::string::npos);
  EXPECT_EQ(contentOf(outside), "kept");
  EXPECT_TRUE(QFile::exists(out("ho.png")));
  const QString folder = out("folder.png");
  ASSERT_TRUE(QDir().mkpath(folder));
  EXPECT_EQ(run("--text A -o %", {folder}), 1);
  EXPECT_EQ(errorText(), "Velloro: '" + folder.toStdString() +
                             "': Path/File access error (Is a directory): " + folder.toStdString() +
                             "\n");
  // The name of the bytes "\xFF.png", as the program's arguments arrive.
  const QString undecodable = pictures.filePath(QString(QChar::ReplacementCharacter) + ".png");
  EXPECT_EQ(run("--text A -o %", {undecodable}), 2);
  EXPECT_EQ(errorText(),
            "Velloro: -o: '" + undecodable.toStdString() + "' is not a file name in UTF-8\n");
}
