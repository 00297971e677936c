#include "headless/render_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "command_words.h"
#include "headless/picture_output.h"
#include "render_run_fixture.h"
#include "state/bmp_file.h"
#include "test_files.h"

namespace {

class RenderRunTest : public RenderRunFixture {
 protected:
  // Runs "--render" and the words of `line`, "%" standing for each of `values`.
  int run(const char* line, const QStringList& values = {}) {
    return runArguments(QStringList{QStringLiteral("--render")} + commandWords(line, values));
  }

  QImage picture(const char* name) const {
    return QImage(out(name)).convertToFormat(QImage::Format_RGB888);
  }
};

}  // namespace

TEST_F(RenderRunTest, DefaultTitleInEveryFormat) {
  ASSERT_EQ(run("--text Velloro -o %", {out("title.png")}), 0) << errorText();
  const QImage title = picture("title.png");
  EXPECT_EQ(title.pixel(0, 0), qRgb(255, 255, 255));
  int designPixels = 0;
  for (int y = 0; y < title.height(); ++y)
    for (int x = 0; x < title.width(); ++x)
      designPixels += title.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(designPixels, 5000);
  EXPECT_EQ(errorText(), "");
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());

  for (const char* name : {"title.bmp", "title.webp"}) {
    ASSERT_EQ(run("--text Velloro -o %", {out(name)}), 0) << name << errorText();
    EXPECT_EQ(picture(name), title) << name;
  }
  ASSERT_EQ(run("--text Velloro --quality 100 -o %", {out("title.jpg")}), 0);
  EXPECT_EQ(picture("title.jpg").size(), title.size());
}

// Only the picture reaches the disk, so a temporary folder that cannot be
// made stops nothing.
TEST_F(RenderRunTest, RendersWithoutATemporaryFolder) {
  qputenv("TMPDIR", QFile::encodeName(temporary.filePath(QStringLiteral("missing/below"))));
  ASSERT_EQ(run("--text Velloro --canvas 631x331 -o %", {out("title.png")}), 0) << errorText();
  EXPECT_EQ(picture("title.png").size(), QSize(631, 331));
  EXPECT_EQ(errorText(), "");
}

TEST_F(RenderRunTest, CanvasBackgroundAndPosition) {
  ASSERT_EQ(run("--text A --canvas 120x90 --background #102030 --at 60,40 --size 20 -o %",
                {out("small.bmp")}),
            0)
      << errorText();
  const QByteArray bytes = contentOf(out("small.bmp"));
  ASSERT_GE(bytes.size(), bmpHeaderSize);
  EXPECT_EQ(bytes.left(bmpHeaderSize), bmpHeader(120, 90));
  EXPECT_EQ(bytes.size(), bmpHeaderSize + strideOf(120) * 90);
  const QImage small = picture("small.bmp");
  EXPECT_EQ(small.pixel(0, 0), qRgb(0x10, 0x20, 0x30));
  EXPECT_EQ(small.pixel(30, 30), qRgb(0x10, 0x20, 0x30));  // the design sits right of 60
}

TEST_F(RenderRunTest, OptionsOverTheStyleFile) {
  const QString style = pictures.filePath(QStringLiteral("red.vstyle"));
  writeContent(style, R"({"format": "Velloro style", "version": 1, "fill": {"colour": "#ff0000"},
                          "effect": {"type": "none"}, "font": {"size": 30}})");
  ASSERT_EQ(run("--text I --style % -o %", {style, out("red.png")}), 0) << errorText();
  ASSERT_EQ(run("--text I --style % --colour #00ff00 -o %", {style, out("green.png")}), 0)
      << errorText();
  // How far the chosen channel (0 red, 1 green) rises above blue anywhere.
  auto strongest = [](const QImage& image, int channel) {
    int most = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        const int value = channel == 0 ? qRed(pixel) : qGreen(pixel);
        most = std::max(most, value - qBlue(pixel));
      }
    return most;
  };
  EXPECT_GT(strongest(picture("red.png"), 0), 100);
  EXPECT_EQ(strongest(picture("red.png"), 1), 0);
  EXPECT_GT(strongest(picture("green.png"), 1), 100);
  EXPECT_EQ(strongest(picture("green.png"), 0), 0);
}

TEST_F(RenderRunTest, TextureStyleReadsTheTexturesFolder) {
  const QString style = pictures.filePath(QStringLiteral("marble.vstyle"));
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "fill": {"kind": "texture", "texture": "marble.bmp"}})");
  EXPECT_EQ(run("--text M --style % -o %", {style, out("m.png")}), 0) << errorText();
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "fill": {"kind": "texture", "texture": "none.bmp"}})");
  EXPECT_EQ(run("--text M --style % -o %", {style, out("n.png")}), 2);
  EXPECT_FALSE(QFile::exists(out("n.png")));
}

TEST_F(RenderRunTest, BadInputIsOneLineAndWritesNothing) {
  const QString notJson = pictures.filePath(QStringLiteral("bad.vstyle"));
  writeContent(notJson, "colour = blue\n");
  const QString missing = out("missing.png");
  struct Case {
    const char* line;
    QStringList values;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {"--text A --size abc -o %",
       {out("a.png")},
       2,
       "Velloro: --size: 'abc' is not a size in points from 1 to 300\n"},
      {"--text A --style % -o %",
       {notJson, out("a.png")},
       2,
       "Velloro: --style '" + notJson.toStdString() + "': not JSON: illegal value at byte 1\n"},
      {"--text A --background % -o %",
       {missing, out("a.png")},
       2,
       "Velloro: --background: File not found: " + missing.toStdString() + "\n"},
      {"--text A --transparent -o %",
       {out("a.bmp")},
       2,
       "Velloro: --transparent needs a .png or .webp picture\n"},
      {"--text A -o %", {out("no/such/folder/a.png")}, 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(run(c.line, c.values), c.status) << c.line;
    const std::string written = errorText();
    if (!c.message.empty()) {
      EXPECT_EQ(written, c.message);
    }
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1) << written;
    EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("bad.vstyle")});
  }
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(RenderRunTest, BatchRendersTheGoodLinesAndNamesTheBadOnes) {
  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "# buttons\nHome\thome.png\n\nShop shop.png\nVelloro\tvelloro.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  const std::string name = list.toStdString();
  EXPECT_EQ(errorText(), "Velloro: " + name + ":3: empty line\nVelloro: " + name +
                             ":4: no tab between the text and the file name\n1/2 Home\n"
                             "2/2 Velloro\n");
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("home.png"), QStringLiteral("velloro.png")}));
  const QString single = program.filePath(QStringLiteral("single.png"));
  ASSERT_EQ(run("--text Velloro -o %", {single}), 0);
  // A title of a batch is drawn exactly as on its own, whatever came before it.
  EXPECT_EQ(contentOf(out("velloro.png")), contentOf(single));
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

// Titles are written while the next one renders; what went wrong is still
// told in the order of the list, and the titles after it are written.
TEST_F(RenderRunTest, BatchTellsAFailedWriteInItsPlaceAndGoesOn) {
  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "Home\thome.png\nShop\tshop.png\nBlog\tblog.png\n");
  ASSERT_TRUE(QDir(pictures.path()).mkdir(QStringLiteral("shop.png")));
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  const std::string text = errorText();
  const auto home = text.find("1/3 Home\n");
  const auto shop = text.find(list.toStdString() + ":2: 'shop.png': ");
  const auto rest = text.find("2/3 Shop\n3/3 Blog\n");
  ASSERT_NE(shop, std::string::npos) << text;
  EXPECT_LT(home, shop) << text;
  EXPECT_LT(shop, rest) << text;
  EXPECT_NE(rest, std::string::npos) << text;
  EXPECT_FALSE(picture("blog.png").isNull());
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("blog.png"), QStringLiteral("home.png")}));
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(RenderRunTest, BatchNeedsAFolderAndAList) {
  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "Home\thome.png\n");
  const QString missing = pictures.filePath(QStringLiteral("missing"));
  EXPECT_EQ(run("--batch % --out-dir %", {list, missing}), 1);
  EXPECT_EQ(errorText(), "Velloro: --out-dir '" + missing.toStdString() + "': no such folder\n");
  const QString empty = program.filePath(QStringLiteral("empty.txt"));
  writeContent(empty, "# nothing yet\n");
  EXPECT_EQ(run("--batch % --out-dir %", {empty, pictures.path()}), 2);
  EXPECT_EQ(run("--batch % --out-dir %", {missing, pictures.path()}), 2);
  EXPECT_TRUE(QDir(pictures.path()).isEmpty());
}

TEST_F(RenderRunTest, HelpAndVersionGoToTheOutput) {
  EXPECT_EQ(runRenderCommand({QStringLiteral("--version")},
                             {program.path(), QStringLiteral(ENGINE_PATH), output, errors}),
            0);
  EXPECT_EQ(textOf(output).substr(0, 14), "Velloro 1.0.0\n");
  EXPECT_EQ(errorText(), "");
}
