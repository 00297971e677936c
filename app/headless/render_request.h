// What `Velloro --render` was asked to do, as read from its command line.
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
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
  QString documentFile;  // a Velloro document: its title, style, canvas and place
  StyleOverrides overrides;
  std::optional<QSize> canvasSize;
  std::optional<QColor> backgroundColour;
  QString backgroundPicture;
  std::optional<QPoint> designPosition;
  std::optional<int> fitMargin;
  bool transparent = false;
  std::optional<int> trimMargin;
  std::optional<int> quality;
  int scale = 1;  // pixel density: every pixel measure times this
  ServiceSettings service;
};
