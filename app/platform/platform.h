// The one seam through which Velloro reaches everything modal or outside the
// program: message boxes, the common dialogs, starting programs, the help
// viewer, the hourglass pointer and the event loop. Windows and shared
// procedures talk to `Platform` only, so tests can answer in their place.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

#include "platform/busy_indicator.h"

class QDialog;
class QPrinter;
class QWidget;

inline const QString applicationTitle = QStringLiteral("Velloro");

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

// Every dialog belongs to the window that opens it, which stays in front
// when the dialog closes. A caller without a window of its own (a shared
// procedure) names none: the dialog then belongs to the active window.
struct Message {
  QString text;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  QString title = applicationTitle;
  QWidget* owner = nullptr;
};

// A pane shown with an open dialog, under its file list, that previews the
// file under the selection.
class FilePreview {
 public:
  virtual ~FilePreview() = default;
  virtual QWidget* pane() = 0;
  // Called with each existing file the user selects.
  virtual void LoadImage(const QString& path) = 0;
};

struct FileDialogRequest {
  QString folder;          // where the dialog starts
  QString fileName;        // proposed name, may be empty
  QString filter;          // e.g. "Curves (*.txt)"; empty offers all files
  QString defaultSuffix;   // appended when the user types a bare name
  QString title;           // empty: the application's title
  int selectedFilter = 0;  // the filter entry in force when the dialog opens
  // Makes the preview pane of an open dialog, for the dialog's lifetime;
  // none when empty.
  std::function<std::unique_ptr<FilePreview>()> preview;
  QWidget* owner = nullptr;  // see Message
};

// A save dialog's answer: the path (empty when cancelled) and the index of
// the filter entry the user left in force.
struct FileChoice {
  QString path;
  int filter = 0;
};

// The hourglass is its busy indicator (beginBusy, endBusy).
class Platform : public BusyIndicator {
 public:
  virtual MessageAnswer showMessage(const Message& message) = 0;
  // Both return the chosen full path, or an empty text when cancelled.
  virtual QString chooseFileToOpen(const FileDialogRequest& request) = 0;
  virtual QString chooseFileToSave(const FileDialogRequest& request) = 0;
  virtual FileChoice chooseFileAndTypeToSave(const FileDialogRequest& request) = 0;
  // `owner` as in Message.
  virtual std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner) = 0;
  virtual std::optional<QFont> chooseFont(const QFont& initial, QWidget* owner) = 0;
  // Lets the user pick and set up the printer; false when cancelled.
  virtual bool setUpPrinter(QPrinter& printer, QWidget* owner) = 0;
  virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
  virtual bool openUrl(const QUrl& url) = 0;
  virtual void showHelp(const QUrl& page) = 0;
  virtual void processPendingEvents() = 0;
  // Shows one of the program's own dialogs modally and returns when it closes.
  virtual void showModal(QDialog& dialog) = 0;
};

// The platform the main window uses, installed before it opens (the Qt one,
// or a test's scripted one).
Platform& platform();
void usePlatform(std::unique_ptr<Platform> replacement);
