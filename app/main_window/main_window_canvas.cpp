// What the window does on its canvas area: Draw's render onto the canvas,
// the size of the design's source, new backgrounds, and the relief engine
// for renders apart from the window's design.
#include "design/design_state.h"
#include "headless/private_engine.h"
#include "main_window/canvas_area.h"
#include "main_window/ignore_failures.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "platform/platform.h"
#include "rendering/canvas_refresh.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "tools/drawing_area.h"
#include "tools/mask_canvas.h"
#include "tools/picture_tool.h"
#include "tools/shape_tool.h"
#include "widgets/picture_box.h"

const QImage& MainWindow::canvasPicture() const { return canvasView()->picture(); }

void MainWindow::showBackground(const QImage& picture) { canvasArea_->showBackground(picture); }

void MainWindow::replaceCanvas(const QImage& canvas) {
  canvasArea_->showBackground(canvas);
  // A fresh canvas holds nothing worth keeping until a design lies on it.
  fileCommands_->canvasReplaced();
}

WholeDesign MainWindow::drawnDesign() const { return canvasArea_->drawnDesign(); }

void MainWindow::renderDesign() {
  if (!sourceReady(document_, platform())) return;
  // A drag's frames may be drafts; every other render is exact.
  engine_->entryPoints().setPreview(livePreview_->drafting());
  // The canvas keeps its picture until the render succeeds. The same design
  // drawn again at its place (a click on it, a Draw with nothing changed)
  // leaves the picture as it was: no work for the user to save.
  const TextPicture& text = document_.textPicture;
  renderIntoBuffers(document_, {text.picture, text.colourGlyphs},
                    RenderMeasures{text.roundedFontSize()}, engine_->entryPoints(), platform());
  if (showRender()) fileCommands_->canvasChanged();
  showDesignOverrun();
  livePreview_->designDrawn();
}

// The canvas is brought up to the render in place, only its changed rows
// painted again; whether anything changed.
bool MainWindow::showRender() {
  if (!refreshableCanvas(document_, canvasView()->picture())) {
    const QImage rendered = renderedCanvas(document_);
    const bool changed = rendered != canvasView()->picture();
    canvasView()->setPicture(rendered);
    return changed;
  }
  bool changed = false;
  canvasView()->changePicture([&](QImage& canvas) {
    const QRect rows = refreshCanvas(document_, canvas);
    changed = !rows.isEmpty();
    return rows;
  });
  return changed;
}

// Seeing the whole design costs several renders: a drag's draft frames
// leave the notice as it was, for the exact frame drawn once the drag rests
// to tell. The preview's check has no site tag of its own, so its failure
// leaves the notice as it was too.
void MainWindow::showDesignOverrun() {
  if (livePreview_->drafting()) return;
  if (livePreview_->rendering())
    ignoreFailures([this] { canvasArea_->showDesignOverrun(); });
  else
    canvasArea_->showDesignOverrun();
}

// The text as printed, the shape tool's drawing area, or the picture tool's
// framed mask canvas.
QSize MainWindow::sourceSize() const {
  switch (document_.sourceKind) {
    case SourceKind::Text: {
      const QSizeF text = document_.textPicture.textSize(sourceFrame_->textBox()->text());
      return QSize(roundHalfEven(text.width()), roundHalfEven(text.height()));
    }
    case SourceKind::Shape:
      if (const ShapeTool* tool = shapeTool()) return tool->drawingArea()->picture().size();
      break;
    case SourceKind::Picture:
      if (const PictureTool* tool = pictureTool()) return tool->maskCanvas()->picture().size();
      break;
  }
  return {};
}

void MainWindow::returnToTitle() {
  sourceFrame_->textBox()->setFocus();
  sourceFrame_->textBox()->deselect();
}

std::shared_ptr<PrivateEngine> MainWindow::privateEngine() {
  if (!privateEngine_) privateEngine_ = std::make_shared<PrivateEngine>(engine_->libraryPath());
  return privateEngine_;
}
