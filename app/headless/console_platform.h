// The platform seam of a render without a window: messages go to the error
// stream as one line each, and every dialog is answered as cancelled.
#pragma once

#include <cstdio>

#include "platform/platform.h"

class ConsolePlatform : public Platform {
 public:
  explicit ConsolePlatform(std::FILE* errors);

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
  void beginBusy() override {}
  void endBusy() override {}
  void processPendingEvents() override {}
  void showModal(QDialog& dialog) override;

 private:
  std::FILE* errors_;
};
