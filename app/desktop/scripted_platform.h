// A platform for tests: records everything the program shows or starts and
// answers with prepared replies, in order. When the replies run out, a
// message box is answered with its first button (the question about unsaved
// work with Discard) and a dialog is cancelled.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "platform/platform.h"

class ScriptedPlatform : public Platform {
 public:
  struct StartedProgram {
    QString program;
    QStringList arguments;
  };

  // Prepared replies.
  std::deque<MessageAnswer> messageAnswers;
  std::deque<QString> fileAnswers;
  std::deque<int> filterAnswers;  // for typed saves; none keeps the entry in force
  std::deque<QColor> colourAnswers;
  std::deque<QFont> fontAnswers;
  std::deque<bool> printerAnswers;
  // What the user picks in the printer set-up before an OK answer.
  std::function<void(QPrinter&)> printerChoice;
  bool programsStart = true;
  bool urlsOpen = true;
  // Each works a modal dialog while it is shown, like a user would; a
  // dialog still shown afterwards is cancelled.
  std::deque<std::function<void(QDialog&)>> modalAnswers;

  // What was shown.
  std::vector<Message> messages;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;
  int colourRequests = 0;
  int fontRequests = 0;
  int printerRequests = 0;
  // The owner each colour, font and printer dialog named, in order.
  std::vector<QWidget*> colourOwners;
  std::vector<QWidget*> fontOwners;
  std::vector<QWidget*> printerOwners;
  std::vector<StartedProgram> startedPrograms;
  std::vector<QUrl> openedUrls;
  std::vector<QUrl> helpPages;
  int busyDepth = 0;
  int busyPeriods = 0;
  int pendingEventRuns = 0;
  std::vector<QString> modalDialogs;  // window titles

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
};
