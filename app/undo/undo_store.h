// The main window's linear history of canvas pictures. Each step is a copy
// of the canvas file, "Undo" + n + ".tmp", in a folder inside this run's own
// folder (so two running copies never overwrite each other's history).
#pragma once

#include <QHash>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

class Platform;

// What the window does for the store: load a picture file into the canvas,
// capture the canvas again, and show whether undo and redo are possible.
// Each step also keeps where its canvas lay among the design's layers (a
// crop moves it), so a step back puts the design where it was on that canvas,
// and the name of the file the canvas came from, so Save after a step back
// writes to that canvas's own file and not to the one opened after it.
struct UndoListener {
  std::function<void(const QString& pictureFile)> loadCanvas;
  std::function<void()> captureCanvas;
  std::function<void(bool)> undoEnabled;
  std::function<void(bool)> redoEnabled;
  std::function<QPoint()> layerOrigin;
  std::function<void(QPoint)> restoreLayerOrigin;
  std::function<QString()> pictureName;
  std::function<void(const QString&)> restorePictureName;
};

struct UndoCounters {
  int16_t position = 0;  // file the next step writes; after an undo, the file shown
  int16_t top = 0;       // one past the newest step: the limit for redo
};

class UndoStore {
 public:
  using FileCopier = std::function<void(const QString& source, const QString& target)>;

  UndoStore() : UndoStore(nullptr) {}
  explicit UndoStore(FileCopier copier);

  void setListener(UndoListener listener) { listener_ = std::move(listener); }

  // Each reports a full disk with the critical message and ends silently on
  // any other failure; redo ends silently on every failure.
  void record(const QString& canvasFile, Platform& platform);
  void undo(const QString& canvasFile, Platform& platform);
  void redo();

  QString undoFile(int number);
  // Deletes every undo file of this run and their folder.
  void deleteUndoFiles();
  // Forgets every step, as when another design replaces the one they were
  // steps of: nothing is left to undo or redo.
  void forgetSteps();

  UndoCounters counters;

 private:
  void recordStep(const QString& canvasFile);
  void stepBack(const QString& canvasFile);
  void stepForward();
  void keepStep(const QString& canvasFile, int16_t number);
  void showStep(int16_t number);
  const QString& folder();

  FileCopier copy_;
  UndoListener listener_;
  QString folder_;
  // What each step's canvas belonged to besides its pixels.
  struct StepPlace {
    QPoint layerOrigin;
    QString pictureName;
  };
  QHash<int16_t, StepPlace> places_;
};
