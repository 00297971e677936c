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
// as is a picture name the file system could not take.
TEST_F(RenderRunTest, BadInputIsRefusedAndWritesNothing) {
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
  const std::pair<QStringList, std::string> cases[] = {
      {{"--style", notJson},
       "Velloro: --style '" + notJson.toStdString() + "': not JSON: illegal value at byte 1\n"},
      {{"--background", "/dev/zero"}, "Velloro: --background: " + notAPicture},
      {{"--style", textureStyle(files, "/dev/zero")}, "Velloro: --style: " + notAPicture},
      {{"--style", textureStyle(files, "none.bmp")},
       "Velloro: --style: File not found: " SHIPPED_DATA "/textures/none.bmp\n"},
      {{"--canvas", "3000x10", "--scale", "3"},
       "Velloro: --scale: the canvas would be 9000x30 pixels, more than 8192 a side\n"},
      {{"--style", textureStyle(files, wideTexture), "--scale", "3"},
       "Velloro: --scale: the texture would be 9000x30 pixels, more than 8192 a side\n"},
      {{"--style", textureStyle(files, gif), "--scale", "4"},
       "Velloro: --style: Unreadable picture (larger than 8192 pixels a side or 67108864 "
       "pixels): " +
           gif.toStdString() + "\n"},
      {{"--gradient-angle", "30"},
       "Velloro: --gradient-angle needs a gradient fill: --gradient STOPS or a style with one\n"},
      {{"--background", gif},
       "Velloro: --background: Unreadable picture (larger than 8192 pixels a side or 67108864 "
       "pixels): " +
           gif.toStdString() + "\n"},
  };
  for (const auto& [options, message] : cases) {
    const QString placeholders = QStringLiteral(" %").repeated(options.size());
    EXPECT_EQ(run("--text A -o %" + placeholders, QStringList{out("a.png")} + options), 2);
    EXPECT_EQ(errorText(), message);
  }
  EXPECT_EQ(run("--batch /dev/zero --out-dir %", {pictures.path()}), 2);
  EXPECT_EQ(errorText(), "Velloro: --batch '/dev/zero': the list is too large\n");
  // The name of the bytes "\xFF.png", as the program's arguments arrive.
  const QString undecodable = pictures.filePath(QString(QChar::ReplacementCharacter) + ".png");
  EXPECT_EQ(run("--text A -o %", {undecodable}), 2);
  EXPECT_EQ(errorText(),
            "Velloro: -o: '" + undecodable.toStdString() + "' is not a file name in UTF-8\n");
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

TEST_F(RenderRunTest, BatchNeedsAFolderAndAListAndVersionGoesToTheOutput) {
  const QString missing = pictures.filePath(QStringLiteral("missing"));
  EXPECT_EQ(run("--batch % --out-dir %", {batchList("Home\thome.png\n"), missing}), 1);
  EXPECT_EQ(errorText(), "Velloro: --out-dir '" + missing.toStdString() + "': no such folder\n");
  const QString list = batchList("Home\thome.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, list}), 1);
  EXPECT_EQ(errorText(), "Velloro: --out-dir '" + list.toStdString() + "': not a folder\n");
  EXPECT_EQ(run("--batch % --out-dir %", {batchList("# nothing yet\n"), pictures.path()}), 2);
  EXPECT_EQ(run("--batch % --out-dir %", {missing, pictures.path()}), 2);
  EXPECT_TRUE(QDir(pictures.path()).isEmpty());
  EXPECT_EQ(run("--version"), 0);
  EXPECT_EQ(textOf(output).substr(0, 14), "Velloro 1.0.0\n");
  EXPECT_EQ(errorText(), "");
}

// Letters closed up past their own width would fold back into a sliver:
// refused with the spacing as given, also drawn denser; a spacing that only
// tightens them is drawn.
TEST_F(RenderRunTest, SpacingThatFoldsTheLettersBackIsRefused) {
  const std::pair<const char*, int> cases[] = {
      {"--letter-spacing -150", 1},
      {"--letter-spacing -150 --scale 2", 1},
      {"--letter-spacing=-150 --transparent", 1},
      {"--letter-spacing -10", 0},
  };
  for (const auto& [more, status] : cases) {
    EXPECT_EQ(run(QStringLiteral("--text WWWW -o % ") + QLatin1String(more), {out("w.png")}),
              status)
        << more;
    EXPECT_EQ(errorText(), status == 0 ? std::string()
                                       : "Velloro: '" + out("w.png").toStdString() +
                                             "': --letter-spacing: -150 pixels draws the letters "
                                             "over one another\n")
        << more;
    EXPECT_EQ(QFile::remove(out("w.png")), status == 0) << more;
  }
}
