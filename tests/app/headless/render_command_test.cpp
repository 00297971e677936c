#include "headless/render_command.h"

#include "render_run_fixture.h"

// Other spellings of a flag or a value.
TEST(RenderCommand, OtherSpellingsReachTheRequest) {
  const RenderRequest r =
      parseRenderCommand(commandWords("--render --text A --style=gold.vstyle --color #10A0fF "
                                      "--align center --gradient=#ff0000,#00FF00 --quality=0 "
                                      "--output out/title.WEBP"))
          .request;
  EXPECT_EQ(r.styleFile, QStringLiteral("gold.vstyle"));
  const StyleOverrides expected{{Setting::FillColour, StyleColour{0x10, 0xa0, 0xff}},
                                {Setting::Alignment, int32_t(1)},
                                {Setting::GradientStops, ColourList{{255, 0, 0}, {0, 255, 0}}}};
  EXPECT_EQ(r.overrides, expected);
  EXPECT_EQ(r.quality, 0);
  EXPECT_EQ(r.outputFile, QStringLiteral("out/title.WEBP"));
}

// Values an option refuses: "OPTION: 'VALUE' " and the rest of the message.
TEST(RenderCommand, BadValuesAreNamed) {
  const std::tuple<const char*, std::vector<const char*>, const char*> cases[] = {
      {"--size", {"abc", "301", "0.5"}, "is not a size in points from 1 to 300"},
      {"--canvas", {"0x5", "8193x10", "640"}, "is not a size WxH from 1x1 to 8192x8192"},
      {"--colour", {"red"}, "is not a colour written #RRGGBB"},
      {"--background", {"#12345"}, "is not a colour written #RRGGBB"},
      {"--material", {"8", "-1"}, "is not a whole number from 0 to 7"},
      {"--at", {"5"}, "is not a position X,Y in pixels"},
      {"--quality", {"101"}, "is not a whole number from 0 to 100"},
      {"--margin", {"1001"}, "is not a whole number from 0 to 1000"},
      {"--trim", {"-1"}, "is not a whole number from 0 to 1000"},
      {"--scale", {"0", "5", "x", "1.5"}, "is not a whole number from 1 to 4"},
      {"--align", {"middle"}, "is none of left|centre|right"},
      {"--line-spacing", {"3.5"}, "is not a factor from 0.5 to 3"},
      {"--letter-spacing", {"-201"}, "is not a whole number from -200 to 200"},
      {"--gradient-angle", {"steep"}, "is not an angle in degrees from -360 to 360"},
  };
  for (const auto& [option, values, rest] : cases)
    for (const char* value : values) {
      const QStringList words = commandWords("--render --text A -o a.png % %", {option, value});
      EXPECT_EQ(usageError(words), option + (": '" + std::string(value)) + "' " + rest);
    }
}

// Command lines after "--render", and the one message all of them get.
TEST(RenderCommand, BadArgumentsAreNamed) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"--text A -o a.png --sparkle"}, "unknown option '--sparkle' (see --help)"},
      {{"--text A -o a.png extra"}, "unexpected argument 'extra' (see --help)"},
      {{"--text A -o"}, "-o: needs a value"},
      {{"--text A -o a.png --size"}, "--size: needs a value"},
      {{"--text A -o a.png --trim 4"}, "--trim needs --transparent"},
      {{"--text A -o a.png --at 5,5", "--text A -o a.png --background #102030 --at 5,5"},
       "--at needs a canvas of its own: --canvas WxH or --background FILE"},
      {{"--text A -o a.png --canvas 9x9 --margin 3",
        "--text A -o a.png --background w.bmp --margin 3"},
       "--margin goes with a canvas that fits the design, not with --canvas or a background "
       "picture"},
      {{"--text A -o a.jpg --transparent"}, "--transparent needs a .png or .webp picture"},
      {{"--text A -o a.tif"}, "-o: 'a.tif' does not end in .png, .webp, .jpg, .bmp"},
      {{"--text A -o png"}, "-o: 'png' does not end in .png, .webp, .jpg, .bmp"},
      {{"-o a.png"}, "--text TEXT or --batch LIST is needed"},
      {{"--text A"}, "-o OUT is needed"},
      {{"--text A --batch l.txt -o a.png"}, "--text and --batch cannot go together"},
      {{"--text A -o a.png --out-dir web"},
       "--out-dir goes with --batch; one title is written to -o OUT"},
      {{"--batch l.txt"}, "--out-dir DIR is needed"},
      {{"--batch l.txt --out-dir web -o a.png"},
       "-o goes with --text; a batch is written to --out-dir DIR"},
      {{"--bold=yes --text A -o a.png"}, "--bold: takes no value"},
      {{"--text A -o a.png --style="}, "--style: the value is empty"},
      {{"-o a.png --text=\t ", "-o a.png --text=\u200b", "-o a.png --text=\n\n"},
       "--text: the text holds nothing to draw"},
      {{"-o a.png --text A --gradient #FF0000"},
       "--gradient: '#FF0000': a gradient has 2 to 5 colours, not 1"},
      {{"-o a.png --text A --gradient #FF0000,blue"},
       "--gradient: '#FF0000,blue': 'blue' is not a colour written #RRGGBB"},
  };
  for (const auto& [lines, message] : cases)
    for (const char* line : lines)
      EXPECT_EQ(usageError(commandWords(QStringLiteral("--render ") + line)), message) << line;
}
