#include "undo/undo_store.h"

#include <QDir>
#include <QTemporaryDir>
#include <limits>

#include "files/failure.h"
#include "files/file_writing.h"
#include "files/run_folder.h"
#include "platform/platform.h"

namespace {

void reportDiskFull(Platform& platform) {
  platform.showMessage({QStringLiteral("Thanks to give me more disk space ..."),
                        MessageIcon::Critical, MessageButtons::Ok});
}

template <typename Step>
void trapDiskFull(Platform& platform, Step&& step) {
  try {
    step();
  } catch (const Failure& failure) {
    if (failure.number() == errorNumber::DiskFull) reportDiskFull(platform);
  }
}

int16_t nextCounter(int16_t counter) {
  if (counter == std::numeric_limits<int16_t>::max())
    throw Failure(errorNumber::Overflow, QStringLiteral("Overflow"));
  return int16_t(counter + 1);
}

void notify(const std::function<void(bool)>& listener, bool enabled) {
  if (listener) listener(enabled);
}

}  // namespace

UndoStore::UndoStore(FileCopier copier)
    : copy_(copier ? std::move(copier) : FileCopier(copyFileReplacing)) {}

const QString& UndoStore::folder() {
  if (folder_.isEmpty()) {
    QTemporaryDir made(runFolder() + QStringLiteral("VelloroUndo-XXXXXX"));
    if (!made.isValid()) throw Failure(errorNumber::PathFileAccessError, made.errorString());
    made.setAutoRemove(false);
    folder_ = made.path() + '/';
  }
  return folder_;
}

QString UndoStore::undoFile(int number) {
  return folder() + QStringLiteral("Undo") + QString::number(number) + QStringLiteral(".tmp");
}

void UndoStore::record(const QString& canvasFile, Platform& platform) {
  trapDiskFull(platform, [&] { recordStep(canvasFile); });
}

void UndoStore::undo(const QString& canvasFile, Platform& platform) {
  trapDiskFull(platform, [&] { stepBack(canvasFile); });
}

void UndoStore::redo() {
  try {
    stepForward();
  } catch (const Failure&) {
  }
}

void UndoStore::keepStep(const QString& canvasFile, int16_t number) {
  copy_(canvasFile, undoFile(number));
  places_.insert(number, {listener_.layerOrigin ? listener_.layerOrigin() : QPoint(),
                          listener_.pictureName ? listener_.pictureName() : QString()});
}

void UndoStore::showStep(int16_t number) {
  listener_.loadCanvas(undoFile(number));
  const StepPlace place = places_.value(number);
  if (listener_.restoreLayerOrigin) listener_.restoreLayerOrigin(place.layerOrigin);
  if (listener_.restorePictureName) listener_.restorePictureName(place.pictureName);
}

void UndoStore::recordStep(const QString& canvasFile) {
  keepStep(canvasFile, counters.position);
  counters.position = nextCounter(counters.position);
  counters.top = counters.position;
  notify(listener_.undoEnabled, true);
  notify(listener_.redoEnabled, false);
}

void UndoStore::stepBack(const QString& canvasFile) {
  if (counters.position <= 0) return;
  if (counters.position == counters.top) keepStep(canvasFile, counters.position);
  const int16_t shown = int16_t(counters.position - 1);
  // The counter moves only once the picture is on the canvas, so a failed
  // load leaves history and canvas in step.
  showStep(shown);
  counters.position = shown;
  if (shown == 0) notify(listener_.undoEnabled, false);
  notify(listener_.redoEnabled, true);
  listener_.captureCanvas();
}

void UndoStore::stepForward() {
  if (counters.position >= counters.top) return;
  const int16_t shown = int16_t(counters.position + 1);
  showStep(shown);
  counters.position = shown;
  if (shown == counters.top) notify(listener_.redoEnabled, false);
  notify(listener_.undoEnabled, true);
  listener_.captureCanvas();
}

void UndoStore::forgetSteps() {
  deleteUndoFiles();
  counters = {};
  notify(listener_.undoEnabled, false);
  notify(listener_.redoEnabled, false);
}

void UndoStore::deleteUndoFiles() {
  if (folder_.isEmpty()) return;
  // The folder holds nothing but this run's undo files, so all of them go,
  // also those beyond a gap that a failed step left in the numbering.
  QDir(folder_).removeRecursively();
  folder_.clear();
  places_.clear();
}
