// The texts of --help and --version. The help is laid out so that help2man
// can make the manual page from it.
#include "headless/render_command.h"

QString commandLineVersionText() {
  return QStringLiteral(
      "Velloro " VELLORO_VERSION_TEXT
      "\nRelief titles and logos for web pages, with the Velloro relief engine.\n");
}

QString commandLineHelpText() {
  return QStringLiteral(R"(Usage: Velloro [--render OPTIONS]
Design relief titles and logos for web pages. Without options Velloro opens
its window; with --render it renders titles without any window or display.

  Velloro --render --text TEXT [OPTIONS] -o OUT
  Velloro --render --batch LIST [OPTIONS] --out-dir DIR

Without further options a title is rendered exactly as a fresh start of the
window draws it: Tahoma bold 75 points, engraved blue, on a white 631x331
canvas at 5,5. Options given on the command line override the style file.

Options:
  --render             render without a window (the offscreen platform is
                       used when QT_QPA_PLATFORM is not set)
  --text TEXT          the title to render; a line break in TEXT starts a
                       new line (at most 20 lines)
  -o, --output OUT     the picture to write; its extension gives the
                       format: .png, .webp, .jpg (or .jpeg) or .bmp
  --batch LIST         render one title per line of LIST, a UTF-8 text file
                       of lines "text<TAB>file name"; lines starting with #
                       are comments
  --out-dir DIR        the folder, which must exist, for the pictures of a
                       batch
  --style FILE         start from the style file FILE (.vstyle) instead of
                       the fresh-start design
  --font FAMILY        font family of the title
  --size PT            font size in points, 1 to 300
  --bold               bold type
  --italic             italic type
  --underline          underlined type
  --letter-spacing PX  pixels added between letters, -200 to 200 (default 0)
  --align ALIGN        alignment of the lines: left, centre (also center) or
                       right (default left)
  --line-spacing F     line step as a factor of the font's, 0.5 to 3
                       (default 1)
  --colour #RRGGBB     fill colour (also --color)
  --gradient STOPS     fill with a linear gradient of 2 to 5 colours written
                       "#RRGGBB,#RRGGBB[,...]", spread evenly over the
                       design (instead of --colour)
  --gradient-angle DEG direction of the gradient in degrees, -360 to 360:
                       0 left to right, 90 top to bottom (default 0)
  --material N         material 0 to 7; 6 is steel and 7 is gold, which
                       also bring their own curve and colour
  --effect NAME        outside effect: none, drop-shadow, cast-shadow,
                       engraved, raised, outline1, outline2 or glow
  --canvas WxH         canvas size in pixels, 1x1 to 8192x8192
                       (default 631x331, or the size of the background
                       picture)
  --background BG      canvas colour #RRGGBB (default white) or a picture
                       FILE; with --canvas the picture is tiled over it
  --at X,Y             where the design goes on the canvas (default 5,5)
  --transparent        write the design alone on a transparent background,
                       as File > Export for the web does, without the
                       canvas's colour or picture (png and webp only)
  --trim MARGIN        with --transparent, cut the picture to what can be
                       seen of the design plus MARGIN pixels (0 to 1000)
                       on each side; a title with nothing to see fails
  --quality Q          quality 0 to 100 of jpg pictures; webp pictures are
                       lossless without it and lossy below 100
  -h, --help           show this help and end
  --version            show the version and end

Exit status:
  0 when every picture was written, 1 when rendering or writing failed
  (for a batch: when any line failed), 2 when the arguments are wrong.
  No partial picture is ever left behind.

Examples:
  Velloro --render --text "My Site" -o title.png
  Velloro --render --text Shop --style gold.vstyle --size 48 -o shop.webp
  Velloro --render --text Home --transparent --trim 4 -o home.png
  Velloro --render --batch buttons.txt --style button.vstyle --out-dir web
)");
}
