// The shape's figures in a document: kept, read back, checked, and left out
// where they would not draw the shape kept beside them.
#include "document/document_shape.h"

#include <QJsonArray>

#include "core_test.h"
#include "design/design_state.h"
#include "document/document_design.h"
#include "document/document_reading.h"

using namespace Qt::StringLiterals;

namespace {

ShapeDrawing drawnShape() {
  ShapeDrawing drawing;
  drawing.sheet = QSize(120, 80);
  drawing.figures = {
      {sketchTool::FilledRectangle, {10, 10}, {50, 40}, 15, Qt::black, 0.0},
      {sketchTool::Freehand, {30, 60}, {45, 50}, 6, Qt::black, 0.0},
      {sketchTool::Freehand, {45, 50}, {70, 65}, 6, Qt::black, 0.0},
      {sketchTool::Freehand, {70, 65}, {90, 55}, 6, Qt::black, 0.0},
      {sketchTool::Eraser, {20, 25}, {45, 25}, 3, Qt::white, 0.0},
      {sketchTool::Eraser, {45, 25}, {48, 30}, 3, Qt::white, 0.0},
      {sketchTool::FilledEllipse, {90, 25}, {110, 25}, 9, Qt::black, 0.5},
  };
  return drawing;
}

// A design whose shape was drawn from `drawing`, its shape picture kept.
void drawShape(DesignState& state, DesignBeside& beside, const ShapeDrawing& drawing) {
  state.sourceKind = SourceKind::Shape;
  state.kindSettings[SourceKind::Shape].available = true;
  state.shapeDrawing = drawing;
  beside.canvas = filledPicture(200, 150, Qt::white);
  beside.shape = framedShape(drawnSheet(drawing, 1), 1);
}

std::optional<ShapeDrawing> reopened(const VelloroDocument& document) {
  DesignState opened;
  DesignBeside openedBeside;
  putDocument(readDocument(documentBytes(document)), opened, openedBeside);
  return opened.shapeDrawing;
}

}  // namespace

// A stroke is one entry of its pointer places; a figure its two corners.
TEST(DocumentShape, FiguresAreKeptAsWrittenAndComeBackAsDrawn) {
  DesignState state;
  DesignBeside beside;
  drawShape(state, beside, drawnShape());
  const VelloroDocument document = documentOf(state, beside);
  const QJsonObject figures = document.design[u"shapeFigures"_s].toObject();
  EXPECT_EQ(figures[u"sheet"_s].toArray(), (QJsonArray{120, 80}));
  const QJsonArray entries = figures[u"figures"_s].toArray();
  ASSERT_EQ(entries.size(), 4);
  const struct {
    int tool;
    int pen;
    const char* colour;
    double ratio;
    const char* points;
  } expected[] = {{5, 15, "#000000", 0.0, "10,10 50,40"},
                  {0, 6, "#000000", 0.0, "30,60 45,50 70,65 90,55"},
                  {4, 3, "#ffffff", 0.0, "20,25 45,25 48,30"},
                  {6, 9, "#000000", 0.5, "90,25 110,25"}};
  for (qsizetype i = 0; i < entries.size(); ++i) {
    const QJsonObject entry = entries[i].toObject();
    const auto& e = expected[i];
    EXPECT_EQ(entry, (QJsonObject{{u"tool"_s, e.tool},
                                  {u"pen"_s, e.pen},
                                  {u"colour"_s, QString::fromLatin1(e.colour)},
                                  {u"ellipseRatio"_s, e.ratio},
                                  {u"points"_s, QString::fromLatin1(e.points)}}))
        << i;
  }
  EXPECT_EQ(reopened(document), drawnShape());
}

// An older document, figures of another shape or sheet, a shape pasted
// over: the shape stays its pixels, and the document still opens.
TEST(DocumentShape, FiguresThatDoNotDrawTheKeptShapeAreLeftOut) {
  DesignState state;
  DesignBeside beside;
  drawShape(state, beside, drawnShape());
  const VelloroDocument good = documentOf(state, beside);
  ShapeDrawing moved = drawnShape();
  moved.figures[0].end += QPoint(1, 0);
  ShapeDrawing wider = drawnShape();
  wider.sheet += QSize(1, 0);
  const struct {
    const char* name;
    std::function<void(VelloroDocument&)> change;
  } cases[] = {
      {"older document", [](VelloroDocument& d) { d.design.remove(u"shapeFigures"_s); }},
      {"another shape",
       [&](VelloroDocument& d) { d.design[u"shapeFigures"_s] = *shapeFiguresObject(moved); }},
      {"another sheet",
       [&](VelloroDocument& d) { d.design[u"shapeFigures"_s] = *shapeFiguresObject(wider); }},
      {"no shape picture", [](VelloroDocument& d) { d.pictures.erase(u"shape"_s); }},
  };
  ASSERT_EQ(reopened(good), drawnShape());
  for (const auto& c : cases) {
    VelloroDocument changed = good;
    c.change(changed);
    EXPECT_EQ(reopened(changed), std::nullopt) << c.name;
  }
  // A shape of pixels only is saved without figures.
  state.shapeDrawing.reset();
  EXPECT_FALSE(documentOf(state, beside).design.contains(u"shapeFigures"_s));
}

TEST(DocumentShape, FiguresTooManyToKeepAreLeftOutOfTheDocument) {
  ShapeDrawing many;
  many.sheet = QSize(120, 80);
  const auto drawLines = [&](int count) {
    for (int i = 0; i < count; ++i)
      many.figures.append({sketchTool::Line, {i % 100, 5}, {i % 100, 70}, 3, Qt::black, 0.0});
  };
  drawLines(1000);
  ASSERT_TRUE(shapeFiguresObject(many));
  drawLines(3000);
  EXPECT_FALSE(shapeFiguresObject(many));
  DesignState state;
  DesignBeside beside;
  drawShape(state, beside, many);
  const VelloroDocument document = documentOf(state, beside);
  EXPECT_FALSE(document.design.contains(u"shapeFigures"_s));
  EXPECT_LT(documentBytes(document).size(), largestManifest);
}

TEST(DocumentShape, RefusesFiguresOfTheWrongFormNamingTheKey) {
  const QJsonObject line{{u"tool"_s, 1},
                         {u"pen"_s, 3},
                         {u"colour"_s, u"#000000"_s},
                         {u"ellipseRatio"_s, 1},
                         {u"points"_s, u"1,2 3,4"_s}};
  const auto with = [&](const QString& key, const QJsonValue& value) {
    QJsonObject entry = line;
    entry[key] = value;
    return QJsonObject{{u"sheet"_s, QJsonArray{120, 80}}, {u"figures"_s, QJsonArray{entry}}};
  };
  const QString at = u"design.json: \"design.shapeFigures"_s;
  const struct {
    QJsonValue figures;
    QString message;
  } cases[] = {
      {5, at + u"\" is not an object"_s},
      {QJsonObject{{u"sheet"_s, QJsonArray{0, 80}}, {u"figures"_s, QJsonArray()}},
       at + u".sheet\" is not 2 whole numbers from 1 to 16384"_s},
      {QJsonObject{{u"sheet"_s, QJsonArray{120, 80}}}, at + u".figures\" is not an array"_s},
      {QJsonObject{{u"sheet"_s, QJsonArray{120, 80}}, {u"figures"_s, QJsonArray{1}}},
       at + u".figures[0]\" is not an object"_s},
      {with(u"tool"_s, 7), at + u".figures[0].tool\" is not a whole number from 0 to 6"_s},
      {with(u"pen"_s, 0.5), at + u".figures[0].pen\" is not a whole number from 1 to 100"_s},
      {with(u"colour"_s, u"ink"_s), at + u".figures[0].colour\" is not a colour #rrggbb"_s},
      {with(u"ellipseRatio"_s, u"wide"_s),
       at + u".figures[0].ellipseRatio\" is not a number from 0 to 1000"_s},
      {with(u"points"_s, u"1,2"_s), at + u".figures[0].points\" is not two places x,y"_s},
      {with(u"points"_s, u"1,2 3,4 5,6"_s), at + u".figures[0].points\" is not two places x,y"_s},
      {with(u"points"_s, u"1,2 3;4"_s),
       at + u".figures[0].points\" is not two places x,y within 1048576"_s},
      {with(u"points"_s, u"1,2 3,2000000"_s),
       at + u".figures[0].points\" is not two places x,y within 1048576"_s},
  };
  for (const auto& c : cases) {
    try {
      shapeDrawingOf({{u"shapeFigures"_s, c.figures}}, framedShape(QImage(), 1));
      ADD_FAILURE() << c.message.toStdString() << ": accepted";
    } catch (const DocumentRefusal& refusal) {
      EXPECT_EQ(refusal.cause(), c.message);
    }
  }
  // A stroke is two places or more.
  QJsonObject stroke = with(u"tool"_s, 0);
  EXPECT_NO_THROW(shapeDrawingOf({{u"shapeFigures"_s, stroke}}, QImage()));
}
