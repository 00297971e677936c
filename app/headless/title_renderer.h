// Renders titles onto one canvas the way the window's Draw does, without a
// window: the canvas is captured once, and each title replaces the text
// layer of the one before, so a batch reuses the loaded engine and buffers.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

#include "state/design_state.h"
#include "state/render_pipeline.h"
#include "state/style.h"
#include "state/text_picture.h"

struct EngineEntryPoints;
class Platform;

// What stays the same for every title of a run.
struct TitleScene {
  Style style;
  QImage canvas;
  std::optional<QPoint> designPosition;  // where Draw puts it when not given
  QImage texture;                        // the fill texture of a texture style
  double dotsPerInch = 96;               // of the screen the points are measured on
};

class TitleRenderer {
 public:
  // Throws a Failure when the canvas cannot be captured.
  TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine, Platform& platform);

  // The canvas with `text` rendered on it; throws a Failure.
  QImage render(const QString& text);

 private:
  void captureOnce(const QImage& canvas);

  DesignState state_;
  TextPicture textPicture_;
  PanelReadings readings_;
  const EngineEntryPoints& engine_;
  Platform& platform_;
};
