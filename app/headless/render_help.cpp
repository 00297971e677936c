// The texts of --help and --version. The help is laid out so that help2man
// can make the manual page from it; its options come from the option list.
#include <QStringList>

#include "headless/command_options.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype helpColumn = 23;
constexpr qsizetype helpWidth = 52;

// Each line of `text` broken between words to at most helpWidth characters.
QStringList wrapped(const QString& text) {
  QStringList lines;
  for (const QString& paragraph : text.split(u'\n')) {
    QString line;
    for (const QString& word : paragraph.split(u' ')) {
      if (!line.isEmpty() && line.size() + 1 + word.size() > helpWidth) {
        lines << line;
        line.clear();
      }
      line += (line.isEmpty() ? QString() : u" "_s) + word;
    }
    lines << line;
  }
  return lines;
}

QString optionLines(const CommandOption& option) {
  // A short option is shown with its long spelling; a second long spelling
  // is named in the option's help instead.
  QString name = option.flag;
  if (!option.otherFlag.isEmpty() && !option.flag.startsWith(u"--"_s))
    name += u", "_s + option.otherFlag;
  if (!option.valueName.isEmpty()) name += u' ' + option.valueName;
  const QString indent(helpColumn, u' ');
  const QStringList lines = wrapped(option.help);
  // A name too long for its column stands on a line of its own.
  const QString named = u"  "_s + name;
  const bool ownLine = named.size() >= helpColumn - 1;
  QString text = ownLine ? named + u'\n' + indent + lines.first() + u'\n'
                         : named.leftJustified(helpColumn) + lines.first() + u'\n';
  for (qsizetype i = 1; i < lines.size(); ++i) text += indent + lines[i] + u'\n';
  return text;
}

QString optionsText() {
  QString text;
  for (const CommandOption& option : commandOptions()) text += optionLines(option);
  return text;
}

}  // namespace

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
  Velloro --render --document DOCUMENT [OPTIONS] -o OUT
  Velloro --thumbnail DOCUMENT OUT SIZE

Without further options a title is rendered as a fresh start of the window
draws it: Tahoma bold 75 points, engraved blue, on a white canvas that holds
the whole design (its shadow, glow or border included) and a margin of 10
pixels. With --canvas or a background picture the design is drawn as the
window draws it on that canvas, and a design that runs past the canvas is
told on standard error (the picture is written all the same). Options given
on the command line override the style file and the document. --thumbnail
writes the preview a document keeps as a PNG of at most SIZE pixels a side.

Options:
)") + optionsText() +
         QStringLiteral(R"(
Exit status:
  0 when every picture was written, 1 when rendering or writing failed
  (for a batch: when any line failed), 2 when the arguments are wrong.
  No partial picture is ever left behind.

Examples:
  Velloro --render --text "My Site" -o title.png
  Velloro --render --text Shop --style gold.vstyle --size 48 -o shop.webp
  Velloro --render --text Home --transparent --trim 4 -o home.png
  Velloro --render --batch buttons.txt --style button.vstyle --out-dir web
  Velloro --render --document title.velloro --text "since 1988" -o title.png
)");
}
