#include "headless/render_run.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "headless/picture_output.h"
#include "state/bmp_file.h"
#include "test_files.h"

namespace {

std::string readBack(std::FILE* stream) {
  std::rewind(stream);
  std::string content;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) content += char(c);
  return content;
}

// A program folder with the shipped curves, a scratch folder for the
// pictures, and the streams of a run.
class RenderRunTest : public testing::Test {
 protected:
  void SetUp() override {
    savedTemporaryFolder = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    QDir().mkpath(program.filePath(QStringLiteral("curves")));
    for (const char* curve : {"default.txt", "steel.txt", "gold.txt"})
      QFile::copy(QStringLiteral(SHIPPED_CURVES "/") + QLatin1String(curve),
                  program.filePath(QStringLiteral("curves/")) + QLatin1String(curve));
    QDir().mkpath(program.filePath(QStringLiteral("textures")));
    QFile::copy(QStringLiteral(SHIPPED_TEXTURES "/marble.bmp"),
                program.filePath(QStringLiteral("textures/marble.bmp")));
  }

  void TearDown() override {
    qputenv("TMPDIR", savedTemporaryFolder);
    std::fclose(output);
    std::fclose(errors);
  }

  int run(QStringList arguments) {
    arguments.prepend(QStringLiteral("--render"));
    return runRenderCommand(arguments,
                            {program.path(), QStringLiteral(ENGINE_PATH), output, errors});
  }

  QString out(const char* name) const { return pictures.filePath(QLatin1String(name)); }
  std::string errorText() const { return readBack(errors); }
  QImage picture(const char* name) const {
    return QImage(out(name)).convertToFormat(QImage::Format_RGB888);
  }

  QTemporaryDir program;
  QTemporaryDir pictures;
  QTemporaryDir temporary;
  QByteArray savedTemporaryFolder;
  std::FILE* output = std::tmpfile();
  std::FILE* errors = std::tmpfile();
};

}  // namespace

TEST_F(RenderRunTest, DefaultTitleOnTheFreshCanvas) {
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("Velloro"), QStringLiteral("-o"),
                 out("title.png")}),
            0)
      << errorText();
  const QImage title = picture("title.png");
  ASSERT_EQ(title.size(), QSize(631, 331));
  EXPECT_EQ(title.pixel(630, 330), qRgb(255, 255, 255));
  EXPECT_EQ(title.pixel(4, 4), qRgb(255, 255, 255));
  int designPixels = 0;
  for (int y = 0; y < title.height(); ++y)
    for (int x = 0; x < title.width(); ++x)
      designPixels += title.pixel(x, y) != qRgb(255, 255, 255);
  EXPECT_GT(designPixels, 5000);
  EXPECT_EQ(errorText(), "");
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(RenderRunTest, CanvasBackgroundAndPosition) {
  ASSERT_EQ(
      run({QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("--canvas"),
           QStringLiteral("120x90"), QStringLiteral("--background"), QStringLiteral("#102030"),
           QStringLiteral("--at"), QStringLiteral("60,40"), QStringLiteral("--size"),
           QStringLiteral("20"), QStringLiteral("-o"), out("small.bmp")}),
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
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("I"), QStringLiteral("--style"), style,
                 QStringLiteral("-o"), out("red.png")}),
            0)
      << errorText();
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("I"), QStringLiteral("--style"), style,
                 QStringLiteral("--colour"), QStringLiteral("#00ff00"), QStringLiteral("-o"),
                 out("green.png")}),
            0)
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
  EXPECT_EQ(run({QStringLiteral("--text"), QStringLiteral("M"), QStringLiteral("--style"), style,
                 QStringLiteral("-o"), out("m.png")}),
            0)
      << errorText();
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "fill": {"kind": "texture", "texture": "none.bmp"}})");
  EXPECT_EQ(run({QStringLiteral("--text"), QStringLiteral("M"), QStringLiteral("--style"), style,
                 QStringLiteral("-o"), out("n.png")}),
            2);
  EXPECT_FALSE(QFile::exists(out("n.png")));
}

TEST_F(RenderRunTest, BadInputIsOneLineAndWritesNothing) {
  const QString notJson = pictures.filePath(QStringLiteral("bad.vstyle"));
  writeContent(notJson, "colour = blue\n");
  struct Case {
    QStringList arguments;
    int status;
    std::string message;
  };
  const Case cases[] = {
      {{QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("--size"),
        QStringLiteral("abc"), QStringLiteral("-o"), out("a.png")},
       2,
       "Velloro: --size: 'abc' is not a size in points from 1 to 300\n"},
      {{QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("--style"), notJson,
        QStringLiteral("-o"), out("a.png")},
       2,
       "Velloro: --style '" + notJson.toStdString() + "': not JSON: illegal value at byte 1\n"},
      {{QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("--background"),
        out("missing.png"), QStringLiteral("-o"), out("a.png")},
       2,
       "Velloro: --background: File not found: " + out("missing.png").toStdString() + "\n"},
      {{QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("--transparent"),
        QStringLiteral("-o"), out("a.png")},
       2,
       "Velloro: --transparent: transparent pictures are not available in this build yet\n"},
      {{QStringLiteral("--text"), QStringLiteral("A"), QStringLiteral("-o"),
        pictures.filePath(QStringLiteral("no/such/folder/a.png"))},
       1,
       ""},
  };
  for (const Case& c : cases) {
    std::fclose(errors);
    errors = std::tmpfile();
    EXPECT_EQ(run(c.arguments), c.status) << c.arguments.join(u' ').toStdString();
    if (!c.message.empty()) {
      EXPECT_EQ(errorText(), c.message);
    }
    const std::string written = errorText();
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1) << written;
    EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("bad.vstyle")});
  }
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(RenderRunTest, BatchRendersTheGoodLinesAndNamesTheBadOnes) {
  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "# buttons\nHome\thome.png\n\nShop shop.png\nVelloro\tvelloro.png\n");
  EXPECT_EQ(run({QStringLiteral("--batch"), list, QStringLiteral("--out-dir"), pictures.path()}),
            1);
  const std::string name = list.toStdString();
  EXPECT_EQ(errorText(), "Velloro: " + name + ":3: empty line\nVelloro: " + name +
                             ":4: no tab between the text and the file name\n1/2 Home\n"
                             "2/2 Velloro\n");
  EXPECT_EQ(QDir(pictures.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("home.png"), QStringLiteral("velloro.png")}));
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("Velloro"), QStringLiteral("-o"),
                 program.filePath(QStringLiteral("single.png"))}),
            0);
  // A title of a batch is drawn exactly as on its own, whatever came before it.
  EXPECT_EQ(contentOf(out("velloro.png")),
            contentOf(program.filePath(QStringLiteral("single.png"))));
  EXPECT_TRUE(QDir(temporary.path()).isEmpty());
}

TEST_F(RenderRunTest, BatchNeedsAFolderAndAList) {
  const QString list = program.filePath(QStringLiteral("list.txt"));
  writeContent(list, "Home\thome.png\n");
  const QString missing = pictures.filePath(QStringLiteral("missing"));
  EXPECT_EQ(run({QStringLiteral("--batch"), list, QStringLiteral("--out-dir"), missing}), 1);
  EXPECT_EQ(errorText(), "Velloro: --out-dir '" + missing.toStdString() + "': no such folder\n");
  const QString empty = program.filePath(QStringLiteral("empty.txt"));
  writeContent(empty, "# nothing yet\n");
  EXPECT_EQ(run({QStringLiteral("--batch"), empty, QStringLiteral("--out-dir"), pictures.path()}),
            2);
  EXPECT_EQ(run({QStringLiteral("--batch"), missing, QStringLiteral("--out-dir"), pictures.path()}),
            2);
  EXPECT_TRUE(QDir(pictures.path()).isEmpty());
}

TEST_F(RenderRunTest, EveryFormatOpensWithTheSamePixels) {
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("Velloro"), QStringLiteral("-o"),
                 out("t.png")}),
            0);
  const QImage expected = picture("t.png");
  for (const char* name : {"t.bmp", "t.webp"}) {
    ASSERT_EQ(
        run({QStringLiteral("--text"), QStringLiteral("Velloro"), QStringLiteral("-o"), out(name)}),
        0)
        << name << errorText();
    EXPECT_EQ(picture(name), expected) << name;
  }
  ASSERT_EQ(run({QStringLiteral("--text"), QStringLiteral("Velloro"), QStringLiteral("--quality"),
                 QStringLiteral("100"), QStringLiteral("-o"), out("t.jpg")}),
            0);
  EXPECT_EQ(picture("t.jpg").size(), expected.size());
}

TEST_F(RenderRunTest, HelpAndVersionGoToTheOutput) {
  EXPECT_EQ(runRenderCommand({QStringLiteral("--version")},
                             {program.path(), QStringLiteral(ENGINE_PATH), output, errors}),
            0);
  EXPECT_EQ(readBack(output).substr(0, 14), "Velloro 1.0.0\n");
  EXPECT_EQ(errorText(), "");
}
