#include "output/denser_shape.h"

#include <QFile>
#include <cstdlib>

#include "design/design_state.h"
#include "files/bmp_file.h"
#include "files/failure.h"
#include "files/temp_file.h"
#include "rendering/render_pipeline.h"
#include "rendering/stored_layers.h"
#include "rendering/whole_design.h"

using namespace Qt::StringLiterals;

namespace {

// The engine reads the mask from the shape file: a denser one of its own,
// gone when the render is.
class DenseShapeFile {
 public:
  explicit DenseShapeFile(const QImage& framed) { saveBmp(framed, file_.fullPath()); }
  ~DenseShapeFile() { QFile::remove(file_.fullPath()); }
  DenseShapeFile(const DenseShapeFile&) = delete;
  DenseShapeFile& operator=(const DenseShapeFile&) = delete;

  QString path() const { return file_.fullPath(); }

 private:
  File file_;
};

// Colours and opacity solved from two paintings differ by a step or two
// where the same design is painted twice.
constexpr int roundingReach = 8;

bool near(int one, int other) { return std::abs(one - other) <= roundingReach; }

const QString shownMoreThanTheShape =
    u"The canvas shows more than the shape as drawn now (a title beside it, or a shape not drawn "
    u"since it changed): only a title alone or a shape alone is drawn anew at 2x and 3x."_s;

// The shape drawn again at density 1 must show what the canvas shows: a
// title drawn before it, or a shape changed since the last Draw, would not
// be in the denser copies.
QString shapeRefusal(const DesignState& design, const WholeDesign& whole,
                     const std::function<const EngineEntryPoints&()>& engine, BusyIndicator& busy) {
  if (!design.kindSettings[SourceKind::Shape].available) return shownMoreThanTheShape;
  if (!design.shapeDrawing)
    return u"This shape is kept as its pixels only, without the figures it was drawn with: it "
           u"cannot be drawn at 2x and 3x. Draw it again in the shape tool to export it denser."_s;
  const QRect all(-whole.canvasAt, whole.design.size());
  if (showsTheSame(shapeAlone(design, all, 1, engine(), busy), whole.design)) return {};
  return shownMoreThanTheShape;
}

}  // namespace

// The render's canvas holds the mask whole and the area: the design stands
// at its place at no negative offset, and nothing of the area is cut.
QImage shapeAlone(const DesignState& design, QRect area, int density,
                  const EngineEntryPoints& engine, BusyIndicator& busy) {
  if (!design.shapeDrawing)
    throw Failure(errorNumber::InvalidArgument,
                  QStringLiteral("The shape has no figures to draw it anew"));
  const ShapeDrawing& drawing = *design.shapeDrawing;
  const QPoint place(design.designFrame.left, design.designFrame.top);
  const QSize framedSize = drawing.sheet + QSize(2 * shapeMargin, 2 * shapeMargin);
  const QRect mask(place - QPoint(shapeMargin, shapeMargin), framedSize);
  const QRect held = mask | area;
  // The capture keeps the design frame this far inside the canvas.
  const QSize frameRoom(50, 50);

  const DenseShapeFile shape(framedShape(drawnSheet(drawing, density), density));
  DesignState state;
  state.sourceKind = SourceKind::Shape;
  state.model.apply(design.model.style());
  state.workingFiles.shape = shape.path();
  if (design.model.style().fillKind == FillKind::Texture && !design.texturePicture.isNull())
    loadTexture(state, design.texturePicture);
  const QSize canvasSize = held.size() * density + frameRoom;
  QImage canvas(canvasSize, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  captureCanvasBuffers(state, canvas);
  const QPoint at = (place - held.topLeft()) * density;
  state.designFrame.left = at.x();
  state.designFrame.top = at.y();
  const RenderMeasures measures{design.textPicture.roundedFontSize(), density};
  renderIntoBuffers(state, PrintedText{}, measures, engine, busy);
  return designAlone(canvasSize, engine)
      .copy(QRect((area.topLeft() - held.topLeft()) * density, area.size() * density));
}

bool showsTheSame(const QImage& one, const QImage& other) {
  if (one.size() != other.size()) return false;
  const QImage a = one.convertToFormat(QImage::Format_ARGB32);
  const QImage b = other.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < a.height(); ++y) {
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = rowA[x], q = rowB[x];
      if (!near(qAlpha(p), qAlpha(q))) return false;
      // The colour of a pixel that can hardly be seen is hardly solved.
      if (qAlpha(p) > 32 &&
          !(near(qRed(p), qRed(q)) && near(qGreen(p), qGreen(q)) && near(qBlue(p), qBlue(q))))
        return false;
    }
  }
  return true;
}

// A photo, or a title beside a shape, would lose what it has.
QString denserRefusal(const DesignState& design, const WholeDesign& whole,
                      const std::function<const EngineEntryPoints&()>& shapeEngine,
                      BusyIndicator& busy) {
  if (design.kindSettings[SourceKind::Picture].available ||
      design.sourceKind == SourceKind::Picture)
    return u"A picture cut out of a photo has only the photo's pixels: it cannot be drawn at "
           u"2x and 3x."_s;
  if (design.sourceKind == SourceKind::Shape) return shapeRefusal(design, whole, shapeEngine, busy);
  if (design.kindSettings[SourceKind::Shape].available)
    return u"A shape is drawn beside the title: only a title alone or a shape alone is drawn "
           u"anew at 2x and 3x."_s;
  return {};
}
