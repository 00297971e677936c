// The main window's linear history of canvas pictures. Each step is a copy
// of the canvas file, "Undo" + n + ".tmp", in a folder of this run's own in
// the temporary folder (so two running copies never overwrite each other's
// history).
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class Platform;

// What the window does for the store: load a picture file into the canvas,
// capture the canvas again, and show whether undo and redo are possible.
struct UndoListener {
  std::function<void(const QString& pictureFile)> loadCanvas;
  std::function<void()> captureCanvas;
  std::function<void(bool)> undoEnabled;
  std::function<void(bool)> redoEnabled;
};

struct UndoCounters {
  int16_t position = 0;  // file the next step writes; after an undo, the file shown
  int16_t top = 0;       // one past the newest step: the limit for redo
};

class UndoStore {
 public:
  using FileCopier = std::function<void(const QString& source, const QString& target)>;

  explicit UndoStore(FileCopier copier = nullptr);

  void setListener(UndoListener listener) { listener_ = std::move(listener); }

  // Each reports a full disk with the critical message and ends silently on
  // any other failure; redo ends silently on every failure.
  void record(const QString& canvasFile, Platform& platform);
  void undo(const QString& canvasFile, Platform& platform);
  void redo();

  QString undoFile(int number);
  // Deletes every undo file of this run and their folder.
  void deleteUndoFiles();

  UndoCounters counters;

 private:
  void recordStep(const QString& canvasFile);
  void stepBack(const QString& canvasFile);
  void stepForward();
  const QString& folder();

  FileCopier copy_;
  UndoListener listener_;
  QString folder_;
};
