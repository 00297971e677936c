#include "headless/render_command.h"

#include <gtest/gtest.h>

#include "command_words.h"

namespace {

std::string usageError(const QStringList& arguments) {
  try {
    parseRenderCommand(arguments);
  } catch (const UsageError& error) {
    return error.message().toStdString();
  }
  return "accepted";
}

}  // namespace

TEST(RenderCommand, PlainTitleKeepsEveryDefault) {
  const ParsedCommand command =
      parseRenderCommand(commandWords("--render --text Velloro -o a.png"));
  EXPECT_EQ(command.action, CommandAction::Render);
  const RenderRequest& request = command.request;
  EXPECT_EQ(request.text, QStringLiteral("Velloro"));
  EXPECT_EQ(request.outputFile, QStringLiteral("a.png"));
  EXPECT_FALSE(request.canvasSize || request.backgroundColour || request.designPosition);
  EXPECT_TRUE(request.overrides.empty());
  EXPECT_FALSE(request.transparent || request.quality);
}

TEST(RenderCommand, EveryOptionReachesTheRequest) {
  const ParsedCommand command = parseRenderCommand(commandWords(
      "--render --text % --style=gold.vstyle --font % --size 40.5 --bold --italic --underline "
      "--color #10A0fF --material 7 --effect cast-shadow --canvas 800x200 --background #000000 "
      "--at -4,17 --transparent --trim 4 --quality=0 --output out/title.WEBP",
      {QStringLiteral("Hello world"), QStringLiteral("DejaVu Sans")}));
  const RenderRequest& r = command.request;
  EXPECT_EQ(r.text, QStringLiteral("Hello world"));
  EXPECT_EQ(r.styleFile, QStringLiteral("gold.vstyle"));
  const StyleOverrides expected{{Setting::FontFamily, QStringLiteral("DejaVu Sans")},
                                {Setting::FontSize, 40.5},
                                {Setting::Bold, true},
                                {Setting::Italic, true},
                                {Setting::Underline, true},
                                {Setting::FillColour, StyleColour{0x10, 0xa0, 0xff}},
                                {Setting::Material, int32_t(7)},
                                {Setting::Effect, int32_t(2)}};
  EXPECT_EQ(r.overrides, expected);
  EXPECT_EQ(r.canvasSize, QSize(800, 200));
  EXPECT_EQ(r.backgroundColour, QColor(Qt::black));
  EXPECT_EQ(r.designPosition, QPoint(-4, 17));
  EXPECT_TRUE(r.transparent);
  EXPECT_EQ(r.trimMargin, 4);
  EXPECT_EQ(r.quality, 0);
  EXPECT_EQ(r.outputFile, QStringLiteral("out/title.WEBP"));
}

TEST(RenderCommand, LineBreaksAndOtherSpellingsReachTheRequest) {
  const RenderRequest r =
      parseRenderCommand(commandWords("--render --text % -o a.png --align center "
                                      "--gradient=#ff0000,#00FF00",
                                      {QStringLiteral("One\nTwo\r\nThree")}))
          .request;
  EXPECT_EQ(r.text, QStringLiteral("One\nTwo\r\nThree"));
  const StyleOverrides expected{{Setting::Alignment, int32_t(1)},
                                {Setting::GradientStops, ColourList{{255, 0, 0}, {0, 255, 0}}}};
  EXPECT_EQ(r.overrides, expected);
}

TEST(RenderCommand, BatchAndBackgroundPicture) {
  const RenderRequest r =
      parseRenderCommand(
          commandWords("--render --batch list.txt --out-dir web --background wood.bmp"))
          .request;
  EXPECT_EQ(r.batchList, QStringLiteral("list.txt"));
  EXPECT_EQ(r.outputFolder, QStringLiteral("web"));
  EXPECT_EQ(r.backgroundPicture, QStringLiteral("wood.bmp"));
  EXPECT_FALSE(r.backgroundColour);
}

TEST(RenderCommand, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(parseRenderCommand(commandWords("--render --bogus --help")).action,
            CommandAction::ShowHelp);
  EXPECT_EQ(parseRenderCommand(commandWords("-h")).action, CommandAction::ShowHelp);
  EXPECT_EQ(parseRenderCommand(commandWords("--version --size abc")).action,
            CommandAction::ShowVersion);
  EXPECT_EQ(commandLineVersionText().section(QLatin1Char('\n'), 0, 0),
            QStringLiteral("Velloro 1.0.0"));
}

TEST(RenderCommand, BadArgumentsAreNamed) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"--render --text A -o a.png --sparkle", "unknown option '--sparkle' (see --help)"},
      {"--render --text A -o a.png extra", "unexpected argument 'extra' (see --help)"},
      {"--render --text A -o", "-o: needs a value"},
      {"--render --text A -o a.png --size", "--size: needs a value"},
      {"--render --text A -o a.png --size abc",
       "--size: 'abc' is not a size in points from 1 to 300"},
      {"--render --text A -o a.png --size 301",
       "--size: '301' is not a size in points from 1 to 300"},
      {"--render --text A -o a.png --size 0.5",
       "--size: '0.5' is not a size in points from 1 to 300"},
      {"--render --text A -o a.png --canvas 0x5",
       "--canvas: '0x5' is not a size WxH from 1x1 to 8192x8192"},
      {"--render --text A -o a.png --canvas 8193x10",
       "--canvas: '8193x10' is not a size WxH from 1x1 to 8192x8192"},
      {"--render --text A -o a.png --canvas 640",
       "--canvas: '640' is not a size WxH from 1x1 to 8192x8192"},
      {"--render --text A -o a.png --colour red",
       "--colour: 'red' is not a colour written #RRGGBB"},
      {"--render --text A -o a.png --background #12345",
       "--background: '#12345' is not a colour written #RRGGBB"},
      {"--render --text A -o a.png --material 8",
       "--material: '8' is not a whole number from 0 to 7"},
      {"--render --text A -o a.png --material -1",
       "--material: '-1' is not a whole number from 0 to 7"},
      {"--render --text A -o a.png --effect sparkle",
       "--effect: 'sparkle' is none of "
       "none|drop-shadow|cast-shadow|engraved|raised|outline1|outline2|glow"},
      {"--render --text A -o a.png --at 5", "--at: '5' is not a position X,Y in pixels"},
      {"--render --text A -o a.png --quality 101",
       "--quality: '101' is not a whole number from 0 to 100"},
      {"--render --text A -o a.png --transparent --trim -1",
       "--trim: '-1' is not a whole number from 0 to 1000"},
      {"--render --text A -o a.png --trim 4", "--trim needs --transparent"},
      {"--render --text A -o a.png --margin 1001",
       "--margin: '1001' is not a whole number from 0 to 1000"},
      {"--render --text A -o a.png --at 5,5",
       "--at needs a canvas of its own: --canvas WxH or --background FILE"},
      {"--render --text A -o a.png --background #102030 --at 5,5",
       "--at needs a canvas of its own: --canvas WxH or --background FILE"},
      {"--render --text A -o a.png --canvas 9x9 --margin 3",
       "--margin goes with a canvas that fits the design, not with --canvas or a background "
       "picture"},
      {"--render --text A -o a.png --background w.bmp --margin 3",
       "--margin goes with a canvas that fits the design, not with --canvas or a background "
       "picture"},
      {"--render --text A -o a.png --scale 0", "--scale: '0' is not a whole number from 1 to 4"},
      {"--render --text A -o a.png --scale 5", "--scale: '5' is not a whole number from 1 to 4"},
      {"--render --text A -o a.png --scale x", "--scale: 'x' is not a whole number from 1 to 4"},
      {"--render --text A -o a.png --scale 1.5",
       "--scale: '1.5' is not a whole number from 1 to 4"},
      {"--render --text A -o a.jpg --transparent", "--transparent needs a .png or .webp picture"},
      {"--render --text A -o a.tif", "-o: 'a.tif' does not end in .png, .webp, .jpg, .bmp"},
      {"--render --text A -o noextension",
       "-o: 'noextension' does not end in .png, .webp, .jpg, .bmp"},
      {"--render -o a.png", "--text TEXT or --batch LIST is needed"},
      {"--render --text A", "-o OUT is needed"},
      {"--render --text A --batch l.txt -o a.png", "--text and --batch cannot go together"},
      {"--render --text A -o a.png --out-dir web",
       "--out-dir goes with --batch; one title is written to -o OUT"},
      {"--render --batch l.txt", "--out-dir DIR is needed"},
      {"--render --batch l.txt --out-dir web -o a.png",
       "-o goes with --text; a batch is written to --out-dir DIR"},
      {"--render --bold=yes --text A -o a.png", "--bold: takes no value"},
      {"--render --text A -o a.png --style=", "--style: the value is empty"},
      {"--render -o a.png --text=\t ", "--text: the text holds nothing to draw"},
      {"--render -o a.png --text=\u200b", "--text: the text holds nothing to draw"},
      {"--render -o a.png --text=\n\n", "--text: the text holds nothing to draw"},
      {"--render -o a.png --text A --align middle",
       "--align: 'middle' is none of left|centre|right"},
      {"--render -o a.png --text A --line-spacing 3.5",
       "--line-spacing: '3.5' is not a factor from 0.5 to 3"},
      {"--render -o a.png --text A --letter-spacing -201",
       "--letter-spacing: '-201' is not a whole number from -200 to 200"},
      {"--render -o a.png --text A --gradient #FF0000",
       "--gradient: '#FF0000': a gradient has 2 to 5 colours, not 1"},
      {"--render -o a.png --text A --gradient #FF0000,blue",
       "--gradient: '#FF0000,blue': 'blue' is not a colour written #RRGGBB"},
      {"--render -o a.png --text A --gradient-angle steep",
       "--gradient-angle: 'steep' is not an angle in degrees from -360 to 360"},
  };
  for (const Case& c : cases) EXPECT_EQ(usageError(commandWords(c.line)), c.message) << c.line;
}

TEST(RenderCommand, OutputFormatsByExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.png", "png"}, {"a.PNG", "png"},  {"dir.x/a.webp", "webp"},
      {"a.jpg", "jpg"}, {"a.jpeg", "jpg"}, {"a.bmp", "bmp"},
      {"a.gif", ""},    {"png", ""}};
  for (const auto& [name, format] : cases)
    EXPECT_EQ(outputFormatOf(QString::fromUtf8(name)).toStdString(), format) << name;
}

TEST(RenderCommand, OnlyTheseWordsAnywhereLeaveTheWindowClosed) {
  EXPECT_TRUE(wantsCommandLine(commandWords("--render --text A")));
  EXPECT_TRUE(wantsCommandLine(commandWords("--text A --render")));
  EXPECT_TRUE(wantsCommandLine(commandWords("picture.bmp --help")));
  EXPECT_TRUE(wantsCommandLine(commandWords("--version")));
  EXPECT_FALSE(wantsCommandLine({}));
  EXPECT_FALSE(wantsCommandLine(commandWords("picture.bmp --bold --renders")));
}
