// Command-line renders with the brand's own font file, a family that is not
// there, and characters that no font draws: each told on standard error in
// one line, with the exit status that goes with it; the title is written
// only when the run succeeds.
#include <QFileInfo>
#include <QFontDatabase>

#include "render_run_fixture.h"
#include "test_fonts.h"

using FontsAndGlyphsTest = RenderRunFixture;

namespace {

const QString linearA = QString::fromUtf8("Linear \U00010600");

}  // namespace

TEST_F(FontsAndGlyphsTest, EachFontProblemIsToldInOneLine) {
  const std::string o = toldPath();
  const std::string missingGlyph = "Velloro: '" + o + "': no font draws '\U00010600' (U+10600)";
  const std::string nowhere =
      "Velloro: the font family 'Nowhere' is not installed and no font file provides it";
  const QString cut = files.filePath(u"cut.woff"_qs);
  writeContent(cut, webFontOf(brandFontFile()).chopped(9));
  const QString none = files.filePath(u"none.otf"_qs);
  const std::tuple<const char*, QStringList, int, std::string> cases[] = {
      {"--text % -o %", QStringList{linearA}, 1,
       missingGlyph + "; not written (--allow-missing-glyphs writes it all the same)\n"},
      {"--text % --allow-missing-glyphs -o %", QStringList{linearA}, 0, missingGlyph + "\n"},
      {"--text A --font-file % -o %", QStringList{none}, 2,
       "Velloro: --font-file '" + none.toStdString() + "': no such file\n"},
      {"--text A --font-file % -o %", QStringList{cut}, 2,
       "Velloro: --font-file '" + cut.toStdString() + "': the file is truncated\n"},
      {"--text A --font Nowhere -o %", QStringList(), 0, nowhere + "; drawn in 'DejaVu Sans'\n"},
      {"--text A --font Nowhere --strict-fonts -o %", QStringList(), 1,
       nowhere + " (--strict-fonts; --font-file PATH adds the font)\n"},
      {"--text A --strict-fonts -o %", QStringList(), 0, ""},  // the fresh-start family is replaced
  };
  for (const auto& [line, values, status, message] : cases)
    expectTold(QLatin1String(line), values, status, message);
}

TEST_F(FontsAndGlyphsTest, ABatchFailsTheLineOfAMissingGlyphAlone) {
  const QString list = batchList("Home\thome.png\nLinear \xF0\x90\x98\x80\tlinear.png\n");
  EXPECT_EQ(run("--batch % --out-dir %", {list, pictures.path()}), 1);
  EXPECT_NE(errorText().find("Velloro: " + list.toStdString() +
                             ":2: 'linear.png': no font draws '\U00010600' (U+10600); not "
                             "written (--allow-missing-glyphs writes it all the same)\n"),
            std::string::npos)
      << errorText();
  EXPECT_TRUE(QFileInfo::exists(out("home.png")));
  EXPECT_FALSE(QFileInfo::exists(out("linear.png")));
}

// The brand's font is the installed face under another name: drawn from
// its file, as a font file or a web font named by a style beside it, the
// title has the installed face's very pixels.
TEST_F(FontsAndGlyphsTest, TheBrandsFontFileDrawsAsTheInstalledFaceItCameFrom) {
  const QImage installed =
      rendered("--text Brand --font % -o %", "dejavu.png", {u"DejaVu Sans"_qs});
  const QString brand = files.filePath(u"brand.ttf"_qs);
  writeContent(brand, brandFontFile());
  EXPECT_EQ(rendered("--text Brand --font-file % --font % --strict-fonts -o %", "brand.png",
                     {brand, u"Brandy Sans"_qs}),
            installed);
  EXPECT_EQ(errorText(), "");
  const QString style = files.filePath(u"styles/brand.vstyle"_qs);
  writeContent(files.filePath(u"styles/fonts/brand.woff"_qs), webFontOf(brandFontFile("Styled")));
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "font": {"family": "Styled Sans", "file": "fonts/brand.woff"}})");
  EXPECT_EQ(rendered("--text Brand --style % --strict-fonts -o %", "styled.png", {style}),
            installed);
  EXPECT_EQ(errorText(), "");
  writeContent(style, R"({"format": "Velloro style", "version": 1,
                          "font": {"family": "Gone Sans", "file": "gone.ttf"}})");
  expectTold(
      "--text Brand --style % -o %", {style}, 2,
      "Velloro: --style '" + style.toStdString() + "': font file 'gone.ttf': no such file\n");
}
