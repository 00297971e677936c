// The command line of `Velloro --render`: options into a request, usage
// errors as one line naming the argument, and the help and version texts.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

#include "headless/render_request.h"

namespace exitStatus {
inline constexpr int Success = 0;
inline constexpr int Failed = 1;
inline constexpr int BadArguments = 2;
}  // namespace exitStatus

// The largest canvas a render makes, in pixels a side; a background picture
// makes the canvas, so it is held to the same.
inline constexpr int largestCanvasSide = 8192;

enum class CommandAction { Render, ShowHelp, ShowVersion };

struct ParsedCommand {
  CommandAction action = CommandAction::Render;
  RenderRequest request;
};

class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const QString& message);
  QString message() const;
};

// Whether the program was started to render without a window (or to print
// its help or version) rather than to open its window.
bool wantsCommandLine(const QStringList& arguments);

// What keeps arguments that open the window from doing so: an option,
// which only a render reads, an unknown one, or a file that is no regular
// file; none when every argument is a file for the window to open.
std::optional<QString> windowArgumentProblem(const QStringList& arguments);

// Reads the arguments after the program's name; throws a UsageError.
ParsedCommand parseRenderCommand(const QStringList& arguments);

// The picture formats an output file name may end in.
QStringList outputFormats();

// The format of a picture file name by its extension ("png", "webp", "jpg",
// "bmp"), or empty when it has none of them.
QString outputFormatOf(const QString& fileName);

// Whether pictures of the format keep a transparent background.
bool keepsTransparency(const QString& format);

QString commandLineHelpText();
QString commandLineVersionText();
