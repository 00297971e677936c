// Renders titles the way the window's Draw does, without a window: each
// title replaces the text layer of the one before, so a batch reuses the
// loaded engine and buffers. Every title is first drawn on a probe canvas
// with room around it, which shows the whole design: a canvas that fits the
// design is cut from it, and a fixed canvas learns how far the design runs
// past its edges.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

#include "state/bmp_file.h"
#include "state/design_overrun.h"
#include "state/design_state.h"
#include "state/render_pipeline.h"
#include "state/style.h"
#include "state/text_picture.h"

struct EngineEntryPoints;
class Platform;

// What stays the same for every title of a run.
struct TitleScene {
  Style style;
  QImage canvas;                 // a canvas of a fixed size; null when the canvas fits each design
  QColor fitColour = Qt::white;  // of a canvas that fits the design
  int fitMargin = 0;             // pixels around the design on a canvas that fits it
  std::optional<QPoint> designPosition;  // on a fixed canvas; where Draw puts it when not given
  QImage texture;                        // the fill texture of a texture style
  double dotsPerInch = 96;               // of the screen the points are measured on
  int scale = 1;                         // pixel density the style's measures are drawn at
};

// A title's picture and how far its design runs past the picture's edges.
struct RenderedTitle {
  QImage picture;
  EdgeOverrun cut;
};

class TitleRenderer {
 public:
  // A render without a window has no undo: the canvas is captured in memory
  // and nothing but the written pictures reaches the disk.
  TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine, Platform& platform);

  // The canvas with `text` rendered on it; throws a Failure.
  RenderedTitle render(const QString& text);

  // The design of `text` alone on a transparent picture, as Export for the
  // web writes it: the canvas grown to hold the whole design, or cut to what
  // can be seen of the design plus `trimMargin` pixels on every side. Throws
  // a Failure, also when there is nothing to cut out.
  QImage renderAlone(const QString& text, std::optional<int> trimMargin);

 private:
  // Prints `text` on the text picture; throws a Failure when it masks
  // nothing for the engine to draw.
  void printTitle(const QString& text);
  bool lettersFoldBack(const QString& text) const;

  // The printed title drawn on a canvas of the fit colour with room around
  // it; the state's output buffer holds the probe canvas with the design.
  struct Probe {
    QSize size;    // of the probe canvas
    QPoint at;     // where the design was put
    QRect extent;  // what can be seen of the design, or the mask where nothing can
  };
  Probe probe(const PanelReadings& readings);
  QRect probeExtent(QSize size) const;
  QRect fittedArea(const Probe& probe) const;
  QImage fittedPicture(const Probe& probe, QRect area) const;
  // Where the fixed canvas lies on the probe.
  QRect canvasOn(const Probe& probe) const;
  PanelReadings readingsFor(const QString& text);

  QImage fixedCanvas_;
  PictureBuffer fixedCanvasBuffer_;  // the fixed canvas, captured afresh for each title
  QColor fitColour_;
  int fitMargin_;
  QPoint placed_;  // the design's place on the fixed canvas
  DesignState state_;
  TextPicture textPicture_;
  TextPicture unscaledText_;  // the title at scale 1, measured for the effect's reach
  PanelReadings readings_;
  const EngineEntryPoints& engine_;
  Platform& platform_;
  int scale_ = 1;
};
