// The platform seam on Qt Widgets: real dialogs, message boxes, processes
// and the help window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/help_window.h"
#include "platform/platform.h"

class QtPlatform : public Platform {
 public:
  // Dialogs opened from now on are owned by `owner` (the main window).
  void setOwner(QWidget* owner) { owner_ = owner; }

  MessageAnswer showMessage(const Message& message) override;
  QString chooseFileToOpen(const FileDialogRequest& request) override;
  QString chooseFileToSave(const FileDialogRequest& request) override;
  FileChoice chooseFileAndTypeToSave(const FileDialogRequest& request) override;
  std::optional<QColor> chooseColour(const QColor& initial) override;
  std::optional<QFont> chooseFont(const QFont& initial) override;
  bool setUpPrinter(QPrinter& printer) override;
  bool startProgram(const QString& program, const QStringList& arguments) override;
  bool openUrl(const QUrl& url) override;
  void showHelp(const QUrl& page) override;
  void beginBusy() override;
  void endBusy() override;
  void processPendingEvents() override;
  void showModal(QDialog& dialog) override;

 private:
  QPointer<QWidget> owner_;
  QPointer<HelpWindow> helpWindow_;
};
