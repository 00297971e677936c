// Save and Save As: the design as a Velloro document, or the canvas written
// as it is shown, in the format of its name; the background and the drawn
// design stay apart, so the next Draw still replaces the design. A design
// not saved yet is saved where the user says.
#include <QFileInfo>
#include <QWidget>

#include "design/design_state.h"
#include "design/tool_design.h"
#include "document/document_design.h"
#include "document/document_file.h"
#include "files/bmp_file.h"
#include "files/file_filter.h"
#include "files/paths.h"
#include "files/picture_formats.h"
#include "main_window/file_commands.h"
#include "output/jpeg_optimiser.h"
#include "output/web_export.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "platform/work_names.h"

using namespace Qt::StringLiterals;

namespace {

// The Save As entry of documents comes before the pictures' entries.
constexpr int documentEntry = 0;
constexpr int firstPictureEntry = 1;

// `chosen` ending in ".velloro", in place of another extension.
QString documentNameOf(const QString& chosen) {
  if (isDocumentName(chosen)) return chosen;
  const QFileInfo file(chosen);
  const QString base = file.suffix().isEmpty() || file.completeBaseName().isEmpty()
                           ? file.fileName()
                           : file.completeBaseName();
  return file.path() + u'/' + base + documentSuffix;
}

}  // namespace

void FileCommands::savePicture() { saveToCurrentName(); }

bool FileCommands::saveToCurrentName() {
  const QString name = design_.currentPictureName;
  if (name.isEmpty()) return saveAsChosen();
  if (isDocumentName(name)) {
    saveDocument(name);
  } else if (isJpegName(name)) {
    if (!saveThroughJpegOptimiser(u"save"_s, QString())) return false;
  } else if (const std::optional<WebFormat> web = webFormatOfName(name)) {
    // A PNG or WebP picture stays one: the canvas is written in its format.
    writeWebPicture(window_.canvasPicture(), savedWebEncoding(*web), name);
  } else {
    const QString bitmapName = bitmapNameInsteadOfGif(name);
    if (bitmapName.isEmpty()) return false;
    saveBmp(window_.canvasPicture(), bitmapName);
    design_.currentPictureName = bitmapName;
  }
  savedAs(design_.currentPictureName);
  return true;
}

void FileCommands::savedAs(const QString& name) {
  unsavedChanges_ = false;
  window_.ownerWidget().setWindowTitle(captionOf(name));
}

// A failed write throws before the name changes: Save keeps its old target.
void FileCommands::saveDocument(const QString& name) {
  writeDocumentFile(name, documentOf(design_, window_.designBeside()));
}

bool FileCommands::saveDocumentAs(const QString& chosen) {
  const QString name = documentNameOf(chosen);
  if (!mayWrite(name, chosen)) return false;
  saveDocument(name);
  design_.currentPictureName = name;
  return true;
}

// GIF pictures are read but not written: their canvas becomes a bitmap beside
// them, once the user agrees, so the GIF is never overwritten with other
// bytes. Any other name is kept; an empty name means the user declined.
QString FileCommands::bitmapNameInsteadOfGif(const QString& name) {
  if (!name.endsWith(u".gif"_s, Qt::CaseInsensitive)) return name;
  const QString bitmapName = bitmapNameOf(name);
  const Message question{fileNamePart(name) +
                             u" cannot be written as GIF.\r\nSave the picture as "_s +
                             fileNamePart(bitmapName) + u" instead?"_s,
                         MessageIcon::Question, MessageButtons::YesNo};
  if (platform_.showMessage(question) != MessageAnswer::Yes) return {};
  return bitmapName;
}

void FileCommands::savePictureAs() { saveAsChosen(); }

// A known extension beats the dialog's type.
bool FileCommands::saveAsChosen() {
  const QString outputs = programFolder_ + u"/outputs"_s;
  const QString current = design_.currentPictureName;
  FileDialogRequest request;
  request.filter = qtFileFilter(u"Velloro document (*.velloro)|*.velloro|"_s + savePictureFilter());
  request.folder = outputs;
  request.fileName = u"MyWork%1"_s.arg(freeWorkNumber(outputs, platform_));
  request.selectedFilter = current.isEmpty() || isDocumentName(current)
                               ? documentEntry
                               : firstPictureEntry + saveEntryOfName(current, bitmapEntry);
  const FileChoice choice = platform_.chooseFileAndTypeToSave(request);
  if (choice.path.isEmpty()) return false;
  const int entry = saveEntryOfName(choice.path, choice.filter - firstPictureEntry);
  const std::optional<WebFormat> web = webFormatOfSaveEntry(entry);
  bool saved = false;
  if (isDocumentName(choice.path) || entry < 0)
    saved = saveDocumentAs(choice.path);
  else if (entry == bitmapEntry)
    saved = saveBitmapAs(choice.path);
  else if (web)
    saved = saveWebPictureAs(choice.path, *web);
  else
    saved = saveThroughJpegOptimiser(u"saveas"_s, choice.path);
  if (saved) savedAs(design_.currentPictureName);
  return saved;
}

// The dialog asked before overwriting the name the user typed; when the
// extension changes, the name written is another one, so ask for that too.
bool FileCommands::mayWrite(const QString& name, const QString& chosen) {
  if (name == chosen || pathKindOf(name) == pathKind::Nothing) return true;
  const Message replace{fileNamePart(name) + u" already exists.\r\nDo you want to replace it?"_s,
                        MessageIcon::Exclamation, MessageButtons::YesNo};
  return platform_.showMessage(replace) == MessageAnswer::Yes;
}

bool FileCommands::saveBitmapAs(const QString& chosen) {
  const QString name = bitmapNameOf(chosen);
  if (!mayWrite(name, chosen)) return false;
  // A failed write throws before the name changes: Save keeps its old target.
  saveBmp(window_.canvasPicture(), name);
  design_.currentPictureName = name;
  return true;
}

// PNG and WebP keep the canvas losslessly; the name is the file's once it
// is written.
bool FileCommands::saveWebPictureAs(const QString& chosen, WebFormat format) {
  const QString name = webNameOf(chosen, format);
  if (!mayWrite(name, chosen)) return false;
  writeWebPicture(window_.canvasPicture(), savedWebEncoding(format), name);
  design_.currentPictureName = name;
  return true;
}

// The optimiser writes the JPEG and makes it the current picture name; the
// canvas keeps the picture it shows.
bool FileCommands::saveThroughJpegOptimiser(const QString& mode, const QString& chosenName) {
  platform_.processPendingEvents();
  if (!showJpegSizeOptimiser(mode, chosenName)) return false;
  platform_.processPendingEvents();
  return true;
}

bool FileCommands::jpegOptimiserSaved(const QString& mode, const QString& chosenName) {
  JpegOptimiser optimiser(window_.canvasPicture(), {mode, chosenName, design_.currentPictureName},
                          screenScaleOf(design_), platform_, &window_.ownerWidget());
  optimiser.load();
  optimiser.exec();
  if (optimiser.jpegSucceeded()) design_.currentPictureName = optimiser.savedName();
  return optimiser.jpegSucceeded();
}
