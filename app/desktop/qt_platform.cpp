#include "desktop/qt_platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <algorithm>

#include "desktop/preview_attachment.h"
#include "platform/font_face.h"

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel:
      return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
  }
  return QMessageBox::Ok;
}

// The button Enter presses is the first of each set, the one that keeps or
// goes on with the work. Left to the theme, it is the button its layout
// puts first: on a GNOME-like desktop that is "Close without Saving".
QMessageBox::StandardButton defaultButtonOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return QMessageBox::Yes;
    case MessageButtons::SaveDiscardCancel: return QMessageBox::Save;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: break;
  }
  return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
  switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Save: return MessageAnswer::Save;
    case QMessageBox::Discard: return MessageAnswer::Discard;
    default: return MessageAnswer::Ok;
  }
}

QString titleOf(const FileDialogRequest& request) {
  return request.title.isEmpty() ? applicationTitle : request.title;
}

QString startPath(const FileDialogRequest& request) {
  if (request.fileName.isEmpty()) return request.folder;
  return request.folder.isEmpty() ? request.fileName : request.folder + '/' + request.fileName;
}

FileChoice runFileDialog(QWidget* owner, const FileDialogRequest& request,
                         QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, titleOf(request), startPath(request), request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filters = dialog.nameFilters();
  if (request.selectedFilter > 0 && request.selectedFilter < filters.size())
    dialog.selectNameFilter(filters[request.selectedFilter]);
  // Declared after the dialog, so the pane goes before the dialog does.
  std::unique_ptr<FilePreview> preview = request.preview ? request.preview() : nullptr;
  if (preview) attachPreview(dialog, *preview);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {dialog.selectedFiles().constFirst(),
          int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

}  // namespace

QWidget* QtPlatform::ownerFor(QWidget* named) const {
  if (named) return named;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return owner_;
}

MessageAnswer QtPlatform::showMessage(const Message& message) {
  QString text = message.text;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(qtIcon(message.icon), message.title, text, qtButtons(message.buttons),
                  ownerFor(message.owner));
  box.setDefaultButton(defaultButtonOf(message.buttons));
  return answerOf(box.exec());
}

QString QtPlatform::chooseFileToOpen(const FileDialogRequest& request) {
  return runFileDialog(ownerFor(request.owner), request, QFileDialog::AcceptOpen).path;
}

QString QtPlatform::chooseFileToSave(const FileDialogRequest& request) {
  return runFileDialog(ownerFor(request.owner), request, QFileDialog::AcceptSave).path;
}

FileChoice QtPlatform::chooseFileAndTypeToSave(const FileDialogRequest& request) {
  return runFileDialog(ownerFor(request.owner), request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtPlatform::chooseColour(const QColor& initial, QWidget* owner) {
  const QColor chosen = QColorDialog::getColor(initial, ownerFor(owner), applicationTitle);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

std::optional<QFont> QtPlatform::chooseFont(const QFont& initial, QWidget* owner) {
  bool accepted = false;
  QFont chosen = QFontDialog::getFont(&accepted, withFaceStyleName(initial), ownerFor(owner),
                                      applicationTitle);
  if (!accepted) return std::nullopt;
  // A style name would outrank the Bold and Italic buttons from now on.
  chosen.setStyleName(QString());
  return chosen;
}

bool QtPlatform::setUpPrinter(QPrinter& printer, QWidget* owner) {
  QPrintDialog dialog(&printer, ownerFor(owner));
  return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

bool QtPlatform::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

void QtPlatform::showHelp(const QUrl& page) {
  if (!helpWindow_) helpWindow_ = new HelpWindow(owner_);
  helpWindow_->showPage(page);
}

void QtPlatform::beginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtPlatform::endBusy() { QApplication::restoreOverrideCursor(); }

void QtPlatform::processPendingEvents() { QCoreApplication::processEvents(); }

void QtPlatform::showModal(QDialog& dialog) { dialog.exec(); }
