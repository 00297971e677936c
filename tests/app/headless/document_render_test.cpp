// `--render --document`: the document's title, style, canvas and place draw
// as the same settings given one by one do; every option given wins, and a
// batch takes the document as its template.
#include <QJsonDocument>
#include <QProcess>

#include "design/design_state.h"
#include "design/style_design.h"
#include "design/style_json.h"
#include "document/document_design.h"
#include "document/document_file.h"
#include "headless/document_thumbnail.h"
#include "render_run_fixture.h"
#include "test_fonts.h"

using DocumentRenderTest = RenderRunFixture;

namespace {

// A title on a canvas of one colour, and the style file of its settings.
struct SavedTitle {
  QString document;
  QString style;
};

SavedTitle savedTitle(const QTemporaryDir& folder, SourceKind kind = SourceKind::Text) {
  DesignState state;
  state.sourceKind = kind;
  state.designFrame.left = 30;
  state.designFrame.top = 12;
  state.model.set(Setting::FillColour, StyleColour{200, 40, 10});
  EffectEntry glow = effectEntry(EffectType::Glow);
  glow.colour = {0, 90, 255};
  state.model.set(Setting::Effects, EffectStack{glow});
  setKind(state.model, Setting::Material, Material::Ridge);
  state.textPicture.font.setPointSizeF(28);
  state.textPicture.arrangement = {LineAlignment::Centre, 1.5, 3};
  DesignBeside beside;
  beside.text = QStringLiteral("Sunny Bakery\nsince 1987");
  beside.canvas = QImage(260, 140, QImage::Format_RGB888);
  beside.canvas.fill(QColor(250, 240, 200));
  const QString document = folder.filePath(QStringLiteral("bakery.velloro"));
  writeDocumentFile(document, documentOf(state, beside));
  const QString style = folder.filePath(QStringLiteral("bakery.vstyle"));
  writeContent(style, styleDocument(styleOf(state, state.textPicture.font), {}));
  return {document, style};
}

const QString sameByOptions =
    QStringLiteral("--style % --canvas 260x140 --background #faf0c8 --at 30,12 ");

}  // namespace

TEST_F(DocumentRenderTest, DrawsAsItsSettingsGivenOneByOne) {
  const SavedTitle saved = savedTitle(files);
  const QString text = QStringLiteral("Sunny Bakery\nsince 1987");
  const QImage fromDocument = rendered("--document % -o %", "document.png", {saved.document});
  EXPECT_EQ(fromDocument.size(), QSize(260, 140));
  EXPECT_EQ(fromDocument,
            rendered("--text % " + sameByOptions + "-o %", "options.png", {text, saved.style}));
  // Each option given overrides what the document holds.
  EXPECT_EQ(rendered("--document % --text 1988 --colour #00ff00 --at 4,4 -o %", "over.png",
                     {saved.document}),
            rendered("--text 1988 --style % --canvas 260x140 --background #faf0c8 --at 4,4 "
                     "--colour #00ff00 -o %",
                     "over-options.png", {saved.style}));
  EXPECT_EQ(rendered("--document % --canvas 90x50 -o %", "small.png", {saved.document}).size(),
            QSize(90, 50));
  EXPECT_EQ(rendered("--document % --background #000000 -o %", "dark.png", {saved.document}),
            rendered("--text % --style % --canvas 260x140 --background #000000 --at 30,12 -o %",
                     "dark-options.png", {text, saved.style}));
}

TEST_F(DocumentRenderTest, IsTheTemplateOfABatch) {
  const SavedTitle saved = savedTitle(files);
  const QString list = batchList("Open\topen.png\nClosed\tclosed.png\n");
  EXPECT_EQ(run("--document % --batch % --out-dir %", {saved.document, list, pictures.path()}), 0)
      << errorText();
  EXPECT_EQ(argb("open.png"),
            rendered("--text Open " + sameByOptions + "-o %", "open-options.png", {saved.style}));
  EXPECT_EQ(argb("closed.png"), rendered("--text Closed " + sameByOptions + "-o %",
                                         "closed-options.png", {saved.style}));
}

TEST_F(DocumentRenderTest, RefusesADocumentItCannotDrawInOneLine) {
  QTemporaryDir shapeFolder;
  const QString shape = savedTitle(shapeFolder, SourceKind::Shape).document;
  const QString empty = files.filePath(QStringLiteral("empty.velloro"));
  writeContent(empty, "");
  const std::pair<QString, QString> cases[] = {
      {empty, "Velloro: --document: Unreadable document (the file is empty): " + empty + "\n"},
      {shape, "Velloro: --document: Unreadable document (its design is a shape, not a title): " +
                  shape + "\n"},
      {files.filePath("none.velloro"),
       "Velloro: --document: File not found: " + files.filePath("none.velloro") + "\n"},
  };
  for (const auto& [document, message] : cases)
    expectTold("--document % -o %", {document}, 2, message.toStdString());
}

// What a file manager shows: the kept preview, shrunk to fit the size asked
// for and never enlarged; a problem in one line.
TEST_F(DocumentRenderTest, ThumbnailIsTheKeptPreviewFittedToTheSize) {
  DesignState state;
  DesignBeside beside;
  beside.canvas = QImage(40, 30, QImage::Format_RGB888);
  beside.canvas.fill(Qt::white);
  const QString bare = files.filePath(QStringLiteral("bare.velloro"));
  writeDocumentFile(bare, documentOf(state, beside));
  beside.preview = QImage(300, 200, QImage::Format_RGB888);
  beside.preview.fill(QColor(10, 120, 230));
  const QString document = files.filePath(QStringLiteral("title.velloro"));
  writeDocumentFile(document, documentOf(state, beside));
  auto thumbnail = [&](const QString& from, const QString& size) {
    std::fclose(errors);
    errors = std::tmpfile();
    return runThumbnailCommand({"--thumbnail", from, out("thumb.png"), size}, errors);
  };
  ASSERT_EQ(thumbnail(document, "128"), 0) << errorText();
  const QImage small = argb("thumb.png");
  EXPECT_EQ(small.size(), QSize(128, 85));
  EXPECT_EQ(small.pixel(64, 40), qRgb(10, 120, 230));
  ASSERT_EQ(thumbnail(document, "512"), 0);
  EXPECT_EQ(argb("thumb.png").size(), QSize(300, 200));
  const std::tuple<QString, QString, int, std::string> cases[] = {
      {document, "0", 2,
       "Velloro: --thumbnail: SIZE must be a whole number from 1 to 1024, not '0'\n"},
      {bare, "64", 1, "Velloro: --thumbnail: " + bare.toStdString() + " keeps no preview\n"},
  };
  for (const auto& [from, size, status, message] : cases) {
    EXPECT_EQ(thumbnail(from, size), status);
    EXPECT_EQ(errorText(), message);
  }
}

// A brand's font held as a file travels in the document: a fresh process,
// which never had that family, draws the title in it as this one does with
// the file; a part that is no font is refused.
TEST_F(DocumentRenderTest, FontFileTravelsInTheDocumentToAFreshProcess) {
  DesignState state;
  state.textPicture.font.setFamily(QStringLiteral("Travel Sans"));
  DesignBeside beside{QStringLiteral("Brand"), QImage(220, 90, QImage::Format_RGB888)};
  beside.canvas.fill(Qt::white);
  beside.font = {QStringLiteral("travel.ttf"), brandFontFile("Travel")};
  const QString document = files.filePath(QStringLiteral("brand.velloro"));
  writeDocumentFile(document, documentOf(state, beside));
  QProcess program;
  program.start(QStringLiteral(VELLORO_PROGRAM),
                {"--render", "--document", document, "--strict-fonts", "-o", out("fresh.png")});
  ASSERT_TRUE(program.waitForFinished(60000));
  ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  const QString font = files.filePath(QStringLiteral("travel.ttf"));
  writeContent(font, brandFontFile("Travel"));
  EXPECT_EQ(argb("fresh.png"),
            rendered("--document % --font-file % -o %", "here.png", {document, font}));
  beside.font.bytes = "OTTO but no font at all";
  writeDocumentFile(document, documentOf(state, beside));
  expectTold("--document % -o %", {document}, 2,
             "Velloro: --document: Unreadable document (the font file travel.ttf cannot be "
             "used: the file is truncated): " +
                 document.toStdString() + "\n");
}
