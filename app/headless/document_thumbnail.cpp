#include "headless/document_thumbnail.h"

#include "document/document_file.h"
#include "files/failure.h"
#include "files/file_writing.h"
#include "files/png_encoding.h"
#include "headless/printable_text.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

const QString thumbnailFlag = u"--thumbnail"_s;

int refused(std::FILE* errors, const QString& line, int status) {
  std::fputs(qPrintable(u"Velloro: --thumbnail: "_s + printableText(line) + u'\n'), errors);
  return status;
}

// A preview larger than the side asked for is shrunk; a smaller one stays.
QImage fitted(const QImage& preview, int side) {
  if (preview.width() <= side && preview.height() <= side) return preview;
  return preview.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

bool wantsThumbnail(const QStringList& arguments) { return arguments.value(0) == thumbnailFlag; }

int runThumbnailCommand(const QStringList& arguments, std::FILE* errors) {
  if (arguments.size() != 4)
    return refused(errors, u"needs DOCUMENT OUT SIZE"_s, exitStatus::BadArguments);
  bool number = false;
  const int side = arguments[3].toInt(&number);
  if (!number || side < 1 || side > largestThumbnailSide)
    return refused(errors,
                   u"SIZE must be a whole number from 1 to %1, not '%2'"_s.arg(largestThumbnailSide)
                       .arg(arguments[3]),
                   exitStatus::BadArguments);
  try {
    const VelloroDocument document = readDocumentFile(arguments[1]);
    const auto preview = document.pictures.find(u"preview"_s);
    if (preview == document.pictures.end())
      return refused(errors, arguments[1] + u" keeps no preview"_s, exitStatus::Failed);
    writeFileReplacing(arguments[2], pngFileBytes(fitted(preview->second, side)));
  } catch (const Failure& failure) {
    return refused(errors, failure.description(), exitStatus::Failed);
  }
  return exitStatus::Success;
}
