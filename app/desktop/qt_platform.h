// The platform seam on Qt Widgets: real dialogs, message boxes, processes
// and the help window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "desktop/help_window.h"
#include "platform/platform.h"

class QtPlatform : public Platform {
 public:
  // Owns the dialogs whose caller names no owner while no window is active
  // (the main window).
  void setOwner(QWidget* owner) { owner_ = owner; }

  MessageAnswer showMessage(const Message& message) override;
  QString chooseFileToOpen(const FileDialogRequest& request) override;
  QString chooseFileToSave(const FileDialogRequest& request) override;
  FileChoice chooseFileAndTypeToSave(const FileDialogRequest& request) override;
  std::optional<QColor> chooseColour(const QColor& initial, QWidget* owner) override;
  std::optional<QFont> chooseFont(const QFont& initial, QWidget* owner) override;
  bool setUpPrinter(QPrinter& printer, QWidget* owner) override;
  bool startProgram(const QString& program, const QStringList& arguments) override;
  bool openUrl(const QUrl& url) override;
  void showHelp(const QUrl& page) override;
  void beginBusy() override;
  void endBusy() override;
  void processPendingEvents() override;
  void showModal(QDialog& dialog) override;

 private:
  QWidget* ownerFor(QWidget* named) const;

  QPointer<QWidget> owner_;
  QPointer<HelpWindow> helpWindow_;
};
