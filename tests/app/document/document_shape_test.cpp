// The shape's figures in a document: kept, read back, checked, and left out
// where they would not draw the shape kept beside them.
#include "document/document_shape.h"

#include <QJsonArray>

#include "core_test.h"
#include "design/design_state.h"
#include "document/document_design.h"
#include "document/document_reading.h"
#include "test_shapes.h"

using namespace Qt::StringLiterals;

namespace {

VelloroDocument savedShape(const std::optional<ShapeDrawing>& figures) {
  DesignState state;
  DesignBeside beside;
  state.shapeDrawing = figures;
  beside.canvas = filledPicture(200, 150, Qt::white);
  beside.shape = framedShape(drawnSheet(drawnShape(), 1), 1);
  return documentOf(state, beside);
}

std::optional<ShapeDrawing> reopened(const VelloroDocument& document) {
  DesignState opened;
  DesignBeside openedBeside;
  putDocument(readDocument(documentBytes(document)), opened, openedBeside);
  return opened.shapeDrawing;
}

}  // namespace

// A stroke is one entry of its pointer places, a figure its two points.
TEST(DocumentShape, FiguresAreKeptAsWrittenAndComeBackAsDrawn) {
  const VelloroDocument document = savedShape(drawnShape());
  const QJsonObject figures = document.design[u"shapeFigures"_s].toObject();
  EXPECT_EQ(figures[u"sheet"_s].toArray(), (QJsonArray{300, 160}));
  const QJsonArray entries = figures[u"figures"_s].toArray();
  ASSERT_EQ(entries.size(), 6);
  EXPECT_EQ(entries[2].toObject(), (QJsonObject{{u"tool"_s, 0},
                                                {u"pen"_s, 12},
                                                {u"colour"_s, u"#000000"_s},
                                                {u"ellipseRatio"_s, 0},
                                                {u"points"_s, u"30,130 60,110 90,140"_s}}));
  EXPECT_EQ(reopened(document), drawnShape());
}

// An older document, figures of another shape or sheet, too many figures:
// the shape stays its pixels, and the document still opens.
TEST(DocumentShape, FiguresThatCannotDrawTheKeptShapeAreLeftOut) {
  ShapeDrawing moved = drawnShape();
  moved.figures[0].end += QPoint(1, 0);
  ShapeDrawing wider = drawnShape();
  wider.sheet += QSize(1, 0);
  ShapeDrawing many = drawnShape();
  many.figures.fill(moved.figures[0], 4000);
  EXPECT_FALSE(savedShape(std::nullopt).design.contains(u"shapeFigures"_s));
  EXPECT_FALSE(savedShape(many).design.contains(u"shapeFigures"_s));
  many.figures.resize(1000);
  EXPECT_TRUE(shapeFiguresObject(many));
  // Long strokes far off the sheet draw the shape, but take time to draw.
  const SketchFigure far{
      sketchTool::Eraser, {-900000, -1000000}, {-900000, 1000000}, 100, Qt::white, 0};
  ShapeDrawing kept = drawnShape();
  kept.figures << far << far << far << far;
  ShapeDrawing slow = kept;
  slow.figures << far << far;
  for (const ShapeDrawing& other : {moved, wider, slow, kept}) {
    VelloroDocument document = savedShape(drawnShape());
    document.design[u"shapeFigures"_s] = *shapeFiguresObject(other);
    EXPECT_EQ(reopened(document), other == kept ? std::optional(kept) : std::nullopt)
        << other.figures.size();
  }
}

TEST(DocumentShape, RefusesFiguresOfTheWrongFormNamingTheKey) {
  const auto with = [](const QString& key, const QJsonValue& value, int tool = 1) {
    QJsonObject line{{u"tool"_s, tool},
                     {u"pen"_s, 3},
                     {u"colour"_s, u"#000000"_s},
                     {u"ellipseRatio"_s, 1},
                     {u"points"_s, u"1,2 3,4"_s}};
    line[key] = value;
    return QJsonObject{{u"sheet"_s, QJsonArray{120, 80}}, {u"figures"_s, QJsonArray{line}}};
  };
  const std::pair<QJsonValue, const char*> cases[] = {
      {5, "\" is not an object"},
      {QJsonObject{{u"sheet"_s, QJsonArray{0, 80}}},
       ".sheet\" is not 2 whole numbers from 1 to 16384"},
      {with(u"tool"_s, 7), ".figures[0].tool\" is not a whole number from 0 to 6"},
      {with(u"ellipseRatio"_s, u"1"_s),
       ".figures[0].ellipseRatio\" is not a number from 0 to 1000"},
      {with(u"points"_s, u"1,2 3,4 5,6"_s), ".figures[0].points\" is not two places x,y"},
      {with(u"points"_s, u"1,2 3,2000000"_s),
       ".figures[0].points\" is not two places x,y within 1048576"},
  };
  for (const auto& [figures, message] : cases) {
    const QJsonObject design{{u"shapeFigures"_s, figures}};
    try {
      shapeDrawingOf(design, framedShape(drawnSheet(drawnShape(), 1), 1));
      ADD_FAILURE() << message << ": accepted";
    } catch (const DocumentRefusal& refusal) {
      EXPECT_EQ(refusal.cause(), u"design.json: \"design.shapeFigures"_s + QLatin1String(message));
    }
  }
  // A stroke is two places or more.
  const QJsonObject stroke = with(u"points"_s, u"1,2 3,4 5,6"_s, sketchTool::Freehand);
  EXPECT_NO_THROW(shapeDrawingOf({{u"shapeFigures"_s, stroke}}, QImage()));
}
