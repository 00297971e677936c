#include "desktop/scripted_platform.h"

#include <QDialog>

namespace {

template <typename Reply>
std::optional<Reply> nextReply(std::deque<Reply>& replies) {
  if (replies.empty()) return std::nullopt;
  Reply reply = replies.front();
  replies.pop_front();
  return reply;
}

// The question about unsaved work is answered with Discard, so a test that
// does not expect it writes no file.
MessageAnswer firstButton(MessageButtons buttons) {
  if (buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Discard;
  return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                              : MessageAnswer::Yes;
}

}  // namespace

MessageAnswer ScriptedPlatform::showMessage(const Message& message) {
  messages.push_back(message);
  return nextReply(messageAnswers).value_or(firstButton(message.buttons));
}

QString ScriptedPlatform::chooseFileToOpen(const FileDialogRequest& request) {
  openRequests.push_back(request);
  return nextReply(fileAnswers).value_or(QString());
}

QString ScriptedPlatform::chooseFileToSave(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  return nextReply(fileAnswers).value_or(QString());
}

FileChoice ScriptedPlatform::chooseFileAndTypeToSave(const FileDialogRequest& request) {
  saveRequests.push_back(request);
  const QString path = nextReply(fileAnswers).value_or(QString());
  return {path, nextReply(filterAnswers).value_or(request.selectedFilter)};
}

std::optional<QColor> ScriptedPlatform::chooseColour(const QColor&, QWidget* owner) {
  ++colourRequests;
  colourOwners.push_back(owner);
  return nextReply(colourAnswers);
}

std::optional<QFont> ScriptedPlatform::chooseFont(const QFont&, QWidget* owner) {
  ++fontRequests;
  fontOwners.push_back(owner);
  return nextReply(fontAnswers);
}

bool ScriptedPlatform::setUpPrinter(QPrinter& printer, QWidget* owner) {
  ++printerRequests;
  printerOwners.push_back(owner);
  const bool accepted = nextReply(printerAnswers).value_or(false);
  if (accepted && printerChoice) printerChoice(printer);
  return accepted;
}

bool ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
  startedPrograms.push_back({program, arguments});
  return programsStart;
}

bool ScriptedPlatform::openUrl(const QUrl& url) {
  openedUrls.push_back(url);
  return urlsOpen;
}

void ScriptedPlatform::showHelp(const QUrl& page) { helpPages.push_back(page); }

void ScriptedPlatform::beginBusy() {
  ++busyDepth;
  ++busyPeriods;
}

void ScriptedPlatform::endBusy() { --busyDepth; }

void ScriptedPlatform::processPendingEvents() { ++pendingEventRuns; }

void ScriptedPlatform::showModal(QDialog& dialog) {
  modalDialogs.push_back(dialog.windowTitle());
  dialog.show();
  if (!modalAnswers.empty()) {
    const std::function<void(QDialog&)> answer = modalAnswers.front();
    modalAnswers.pop_front();
    answer(dialog);
  }
  if (dialog.isVisible()) dialog.reject();
}
