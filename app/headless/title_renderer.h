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
  int scale = 1;                         // pixel density the style's measures are drawn at
};

class TitleRenderer {
 public:
  // Throws a Failure when the canvas cannot be captured.
  TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine, Platform& platform);

  // The canvas with `text` rendered on it; throws a Failure.
  QImage render(const QString& text);

  // The design of `text` alone on a transparent picture, as Export for the
  // web writes it: the whole canvas, or cut to what can be seen of the design
  // plus `trimMargin` pixels on every side. Throws a Failure, also when there
  // is nothing to cut out.
  QImage renderAlone(const QString& text, std::optional<int> trimMargin);

 private:
  void captureOnce(const QImage& canvas);
  PanelReadings readingsFor(const QString& text);

  DesignState state_;
  TextPicture textPicture_;
  TextPicture unscaledText_;  // the title at scale 1, measured for the effect's reach
  PanelReadings readings_;
  const EngineEntryPoints& engine_;
  Platform& platform_;
  int scale_ = 1;
};
