// Renders titles the way the window's Draw does, without a window: each
// title replaces the text layer of the one before, so a batch reuses the
// loaded engine and buffers. Every title is first drawn on a probe canvas
// with room around it, which shows the whole design: a canvas that fits the
// design is cut from it, and a fixed canvas learns how far the design runs
// past its edges. A denser title is the title of scale 1 at N times the
// pixels: its picture's frame is that of the title drawn at scale 1, N times
// as large.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <optional>

#include "design/design_state.h"
#include "design/style.h"
#include "design/text_picture.h"
#include "design/title_fit.h"
#include "files/bmp_file.h"
#include "rendering/design_overrun.h"
#include "rendering/render_pipeline.h"
#include "rendering/whole_design.h"

class EngineEntryPoints;
class BusyIndicator;

// What stays the same for every title of a run.
struct TitleScene {
  Style style;
  QImage canvas;                 // a canvas of a fixed size; null when the canvas fits each design
  QColor fitColour = Qt::white;  // of a canvas that fits the design
  int fitMargin = 0;             // pixels around the design on a canvas that fits it
  std::optional<QPoint> designPosition;  // on a fixed canvas; where Draw puts it when not given
  QImage texture;                        // the fill texture of a texture style
  QString documentText;                  // the title of a document, drawn when no --text is given
  double dotsPerInch = 96;               // of the screen the points are measured on
  std::optional<QString> fontNotice;     // the title's family is drawn in another font
  std::optional<QSize> box;              // the size each title's whole design is fitted to
  int largestLineCount = 0;              // of a title fitted to the box; 0 for as many as fit
  int scale = 1;  // the pixel density to draw at; the measures above are those of scale 1
};

// A title's picture and how far its design runs past the picture's edges.
struct RenderedTitle {
  QImage picture;
  EdgeOverrun cut;
};

class TitleRenderer {
 public:
  // A render without a window has no undo: the canvas is captured in memory
  // and nothing but the written pictures reaches the disk. `busy` is shown
  // while the engine runs.
  TitleRenderer(const TitleScene& scene, const EngineEntryPoints& engine, BusyIndicator& busy);

  // The characters of `text` that no font draws, as the title prints it.
  QList<char32_t> missingCharacters(const QString& text) const;

  // `text` as it fits the scene's box, effects included: wrapped, smaller
  // or cut with an ellipsis; the titles drawn next have the size found.
  // Without a box, `text` at the style's size. Throws a Failure.
  TitleFit fitToBox(const QString& text);

  // The canvas with `text` rendered on it; throws a Failure.
  RenderedTitle render(const QString& text);

  // The design of `text` alone on a transparent picture, as Export for the
  // web writes it: the canvas grown to hold the whole design, or cut to what
  // can be seen of the design plus `trimMargin` pixels on every side. Throws
  // a Failure, also when there is nothing to cut out.
  QImage renderAlone(const QString& text, std::optional<int> trimMargin);

  // The design of `text` alone, seen whole, with the place of the fixed
  // canvas in it: what a window that drew the title on that canvas holds,
  // also where it runs past the canvas. Throws a Failure.
  WholeDesign renderWhole(const QString& text);

 private:
  // Prints `text` into the mask; throws a Failure when the letters fold
  // back over one another or the mask holds nothing for the engine to draw.
  void printTitle(const QString& text);
  bool lettersFoldBack(const QString& text) const;

  // The printed title drawn on a canvas of the fit colour with room around
  // it; the state's output buffer holds the probe canvas with the design.
  struct Probe {
    QSize size;    // of the probe canvas
    QPoint at;     // where the design was put
    QRect extent;  // what can be seen of the design, or the mask where nothing can
  };
  Probe probe();
  QRect probeExtent(QSize size) const;
  QRect fittedArea(const Probe& probe) const;
  // The area the title alone is cut from: the fitted canvas, or the fixed
  // canvas with all of the design.
  QRect aloneArea(const Probe& probe) const;
  QImage fittedPicture(const Probe& probe, QRect area) const;
  // Where the fixed canvas lies on the probe.
  QRect canvasOn(const Probe& probe) const;
  // Prints `text` into the mask; a denser mask is exactly `scale_` times
  // the size of the mask of scale 1.
  void printMask(const QString& text);
  // The mask with the colour glyphs printed with it, at this renderer's density.
  PrintedText printedText() const { return {mask_, textPicture_.colourGlyphs}; }
  // Throws a Failure when a transparent picture of `size` is past the
  // canvas limit.
  static void checkAloneSize(QSize size);
  // A part of the probe of scale 1 (`small`), at this renderer's density
  // on its own probe.
  QRect denserArea(QRect area, const Probe& small, const Probe& dense) const;
  RenderedTitle renderDenserFitted();
  QImage renderDenserAlone(std::optional<int> trimMargin);

  // Draws at `points` from now on (at this renderer's density).
  void setPointSize(double points);

  QImage fixedCanvas_;
  PictureBuffer fixedCanvasBuffer_;  // the fixed canvas, captured afresh for each title
  QColor fitColour_;
  int fitMargin_;
  QPoint placed_;  // the design's place on the fixed canvas
  DesignState state_;
  TextPicture textPicture_;
  QImage mask_;  // the printed title, the engine's mask
  RenderMeasures measures_;
  // Above scale 1: the same title at scale 1, which sets the picture's frame.
  std::unique_ptr<TitleRenderer> designScale_;
  const EngineEntryPoints& engine_;
  BusyIndicator& busy_;
  int scale_ = 1;
  double styleSize_;
  std::optional<QSize> box_;
  int largestLineCount_;
};
