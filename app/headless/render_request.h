// What `Velloro --render` was asked to do, as read from its command line.
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

// Settings given on the command line; each one given overrides the style.
struct StyleOverrides {
  std::optional<QString> fontFamily;
  std::optional<double> fontSize;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::optional<QColor> colour;
  std::optional<int> material;
  std::optional<int> effectType;
  std::optional<int> letterSpacing;
  std::optional<int> alignment;
  std::optional<double> lineSpacing;
  std::optional<QList<QColor>> gradientStops;
  std::optional<double> gradientAngle;
};

struct RenderRequest {
  QString text;        // one title, or empty for a batch
  QString batchList;   // the list of a batch, or empty for one title
  QString outputFile;  // one title's picture
  QString outputFolder;
  QString styleFile;
  StyleOverrides overrides;
  std::optional<QSize> canvasSize;
  std::optional<QColor> backgroundColour;
  QString backgroundPicture;
  std::optional<QPoint> designPosition;
  bool transparent = false;
  std::optional<int> trimMargin;
  std::optional<int> quality;
};
