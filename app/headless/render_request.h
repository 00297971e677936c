// What `Velloro --render` was asked to do, as read from its command line.
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

#include "design/setting_declarations.h"
#include "headless/service_settings.h"

// Design settings given on the command line; each one given overrides the style.
using StyleOverrides = std::map<Setting, SettingValue>;

struct RenderRequest {
  // Whether the canvas has a size of its own; otherwise it is made to fit
  // each title's whole design.
  bool fixedCanvas() const {
    return canvasSize || !backgroundPicture.isEmpty() || !documentFile.isEmpty();
  }

  QString text;        // one title, or empty for a batch
  QString batchList;   // the list of a batch, or empty for one title
  QString outputFile;  // one title's picture
  QString outputFolder;
  QString styleFile;
  QString documentFile;      // a Velloro document: its title, style, canvas and place
  QStringList fontFiles;     // added to the fonts of the run, each "PATH" or "PATH#N"
  bool strictFonts = false;  // a family that no font provides fails the render
  StyleOverrides overrides;
  std::optional<QSize> canvasSize;
  std::optional<QSize> box;             // each title's design fitted to this size
  std::optional<int> largestLineCount;  // of a title fitted to the box
  std::optional<QColor> backgroundColour;
  QString backgroundPicture;
  std::optional<QPoint> designPosition;
  std::optional<int> fitMargin;
  bool transparent = false;
  std::optional<int> trimMargin;
  std::optional<int> quality;
  bool allowMissingGlyphs = false;  // write a title with characters no font draws
  int scale = 1;                    // pixel density: every pixel measure times this
  ServiceSettings service;

  bool operator==(const RenderRequest&) const = default;
};
