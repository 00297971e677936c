// Whole runs of `--render`: the picture written, what goes wrong told in one
// line with its exit status, and a batch that goes on past its bad lines.
#include "headless/render_run.h"

#include <QFileInfo>

#include "render_run_fixture.h"

using RenderRunTest = RenderRunFixture;

namespace {

// A style file in `folder` that fills with the texture `name`.
QString textureStyle(const QTemporaryDir& folder, const QString& name) {
  const QString style = folder.filePath(QFileInfo(name).fileName() + QStringLiteral(".vstyle"));
  writeContent(style, R"({"format": "Velloro style", "version": 1, "fill": {"kind": "texture", )"
                      R"("texture": ")" +
                          name.toUtf8() + "\"}}");
  return style;
}

}  // namespace

// The format follows the last extension, in any case.
TEST_F(RenderRunTest, DefaultTitleInEveryFormatAndCanvasBackgroundAndPosition) {
  const QImage title = rendered("--text Velloro -o %", "title.png");
  EXPECT_EQ(title.pixel(0, 0), qRgb(255, 255, 255));
  for (const char* name : {"title.BMP", "title.v2.webp"})
    EXPECT_EQ(rendered("--text Velloro -o %", name), title) << name;
  EXPECT_EQ(rendered("--text Velloro --quality 100 -o %", "title.jpeg").size(), title.size());
  EXPECT_EQ(errorText(), "");
  const QImage small =
      rendered("--text A --canvas 121x90 --background #102030 --at 60,40 --size 20 -o %", "s.bmp");
  EXPECT_EQ(small.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
  EXPECT_EQ(small.pixel(30, 30), qRgb(0x10, 0x20, 0x30));  // the design sits right of 60
  EXPECT_EQ(small.pixel(120, 0), qRgb(0x10, 0x20, 0x30));
}

// The style file's values draw as the same options do, and an option wins
// over the file.
TEST_F(RenderRunTest, OptionsOverTheStyleFileAndItsTexture) {
  const QString style = pictures.filePath(QStringLiteral("red.vstyle"));
  writeContent(style, R"({"format": "Velloro style", "version": 1, "fill": {"colour": "#ff0000"},
                          "effect": {"type": "none"}, "font": {"size": 30}})");
  const QString options = "--text I --effect none --size 30 --colour ";
  EXPECT_EQ(rendered("--text I --style % -o %", "red.png", {style}),
            rendered(options + "#ff0000 -o %", "r.png"));
  const QImage green = rendered("--text I --style % --colour #00ff00 -o %", "green.png", {style});
  EXPECT_EQ(green, rendered(options + "#00ff00 -o %", "g.png"));
  EXPECT_NE(green, argb("red.png"));
  EXPECT_FALSE(
      rendered("--text M --style % -o %", "m.png", {textureStyle(files, "marble.bmp")}).isNull());
}

// Missing, malformed, endless or huge inputs are refused unread in one line,
// as are a picture name the file system could not take, a batch without its
// folder or titles, and letters closed up past their own width (also drawn
// denser); a spacing that only tightens them is drawn.
TEST_F(RenderRunTest, BadInputIsRefusedInOneLineAndWritesNothing) {
  const QString notJson = files.filePath(QStringLiteral("bad.vstyle"));
  writeContent(notJson, "colour = blue\n");
  // A GIF that declares a 16384 x 6103 screen and image in a few bytes.
  const QString gif = files.filePath(QStringLiteral("huge.gif"));
  writeContent(gif,
               QByteArray::fromHex("4749463839610040d7170000002c000000000040d7170002024401003b"));
  // A texture that passes the canvas only once drawn three times as dense.
  const QString wideTexture = files.filePath(QStringLiteral("wide.png"));
  QImage(3000, 10, QImage::Format_RGB32).save(wideTexture);
  const std::string notAPicture =
      "Unreadable picture (not a BMP, JPEG, GIF, PNG or WebP picture): /dev/zero\n";
  const std::string tooLarge =
      "Unreadable picture (larger than 8192 pixels a side or 67108864 pixels): " +
      gif.toStdString() + "\n";
  // The name of the bytes "\xFF.png", as the program's arguments arrive.
  const QString undecodable = pictures.filePath(QString(QChar::ReplacementCharacter) + ".png");
  const QString missing = pictures.filePath(QStringLiteral("missing"));
  const QString list = batchList("Home\thome.png\n");
  const QString untitled = files.filePath(QStringLiteral("untitled.txt"));
  writeContent(untitled, "# nothing yet\n");
  const std::string folded =
      "Velloro: '" + toldPath() +
      "': --letter-spacing: -150 pixels draws the letters over one another\n";
  const std::tuple<const char*, QStringList, int, std::string> cases[] = {
      {"--text A --style % -o %", QStringList{notJson}, 2,
       "Velloro: --style '" + notJson.toStdString() + "': not JSON: illegal value at byte 1\n"},
      {"--text A --background /dev/zero -o %", QStringList(), 2,
       "Velloro: --background: " + notAPicture},
      {"--text A --style % -o %", QStringList{textureStyle(files, "/dev/zero")}, 2,
       "Velloro: --style: " + notAPicture},
      {"--text A --style % -o %", QStringList{textureStyle(files, "none.bmp")}, 2,
       "Velloro: --style: File not found: " SHIPPED_DATA "/textures/none.bmp\n"},
      {"--text A --canvas 3000x10 --scale 3 -o %", QStringList(), 2,
       "Velloro: --scale: the canvas would be 9000x30 pixels, more than 8192 a side\n"},
      {"--text A --style % --scale 3 -o %", QStringList{textureStyle(files, wideTexture)}, 2,
       "Velloro: --scale: the texture would be 9000x30 pixels, more than 8192 a side\n"},
      {"--text A --style % --scale 4 -o %", QStringList{textureStyle(files, gif)}, 2,
       "Velloro: --style: " + tooLarge},
      {"--text A --gradient-angle 30 -o %", QStringList(), 2,
       "Velloro: --gradient-angle needs a gradient fill: --gradient STOPS or a style with one\n"},
      {"--text A --background % -o %", QStringList{gif}, 2, "Velloro: --background: " + tooLarge},
      {"--batch /dev/zero --out-dir %", QStringList{pictures.path()}, 2,
       "Velloro: --batch '/dev/zero': the list is too large\n"},
      {"--text A -o %", QStringList{undecodable}, 2,
       "Velloro: -o: '" + undecodable.toStdString() + "' is not a file name in UTF-8\n"},
      {"--batch % --out-dir %", QStringList{list, missing}, 1,
       "Velloro: --out-dir '" + missing.toStdString() + "': no such folder\n"},
      {"--batch % --out-dir %", QStringList{list, list}, 1,
       "Velloro: --out-dir '" + list.toStdString() + "': not a folder\n"},
      {"--batch % --out-dir %", QStringList{untitled, pictures.path()}, 2,
       "Velloro: --batch '" + untitled.toStdString() + "': the list holds no titles\n"},
      {"--batch % --out-dir %", QStringList{missing, pictures.path()}, 2,
       "Velloro: --batch '" + missing.toStdString() +
           "': cannot read: No such file or directory\n"},
      {"--text WWWW --letter-spacing -150 -o %", QStringList(), 1, folded},
      {"--text WWWW --letter-spacing -150 --scale 2 -o %", QStringList(), 1, folded},
      {"--text WWWW --letter-spacing=-150 --transparent -o %", QStringList(), 1, folded},
      {"--text WWWW --letter-spacing -10 -o %", QStringList(), 0, ""},
  };
  for (const auto& [line, values, status, message] : cases)
    expectTold(QLatin1String(line), values, status, message);
  EXPECT_TRUE(QDir(pictures.path()).isEmpty());
}

// A title of a batch is drawn exactly as on its own, whatever came before it.
TEST_F(RenderRunTest, BatchRendersTheGoodLinesAndNamesTheBadOnes) {
  const QString list = batchList("# buttons\nHome\thome.png\n\nShop shop.png\n" +
                                 QByteArray(320000, 'W') + "\tlong.png\nVelloro\tvelloro.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  const std::string name = list.toStdString();
  const std::string text = errorText();
  const std::string start =
      "Velloro: " + name + ":3: empty line\nVelloro: " + name +
      ":4: no tab between the text and the file name\n1/3 Home\nVelloro: " + name +
      ":5: 'long.png': The text is too large to draw (";
  EXPECT_EQ(text.substr(0, start.size()), start);
  EXPECT_EQ(text.substr(text.size() - 13), "\n3/3 Velloro\n");
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("home.png"), QStringLiteral("velloro.png")}));
  const QByteArray batchTitle = contentOf(out("velloro.png"));
  rendered("--text Velloro -o %", "velloro.png");
  EXPECT_EQ(contentOf(out("velloro.png")), batchTitle);
}

// Titles are written while the next one renders; what went wrong is still
// told in the order of the list, and the titles after it are written. A
// write never follows a link out of the folder.
TEST_F(RenderRunTest, BatchTellsAFailedWriteInItsPlaceAndGoesOn) {
  const QString list = batchList("Home\thome.png\nShop\tshop.png\nHi\thi.png\nBlog\tblog.png\n");
  ASSERT_TRUE(QDir(pictures.path()).mkdir(QStringLiteral("shop.png")));
  const QString outside = files.filePath(QStringLiteral("outside.png"));
  writeContent(outside, "kept");
  ASSERT_TRUE(QFile::link(outside, out("hi.png")));
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  const std::string name = "Velloro: " + list.toStdString();
  EXPECT_EQ(errorText(), "1/4 Home\n" + name +
                             ":2: 'shop.png': Path/File access error (Is a directory): " +
                             out("shop.png").toStdString() + "\n2/4 Shop\n" + name +
                             ":3: 'hi.png': Path/File access error (Is a symbolic link): " +
                             out("hi.png").toStdString() + "\n3/4 Hi\n4/4 Blog\n");
  EXPECT_EQ(contentOf(outside), "kept");
  EXPECT_FALSE(argb("blog.png").isNull());
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files | QDir::NoSymLinks),
            (QStringList{QStringLiteral("blog.png"), QStringLiteral("home.png")}));
}

TEST_F(RenderRunTest, VersionGoesToTheOutput) {
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(textOf(output).substr(0, 14), "Velloro 1.0.0\n");
  EXPECT_EQ(errorText(), "");
}
