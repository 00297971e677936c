#include "document/document_design.h"

#include <QJsonArray>

#include "core_test.h"
#include "design/design_state.h"
#include "design/style_design.h"
#include "document/document_reading.h"

namespace {

// A design with every setting away from its start value.
void changeEverySetting(DesignState& state, DesignBeside& beside, SourceKind kind) {
  state.sourceKind = kind;
  state.designFrame = {-12, 34, 250, 90};
  DesignModel& model = state.model;
  setKind(model, Setting::SurfacePattern, SurfacePatternType::Ripples);
  setKind(model, Setting::Material, Material::Gold);
  setKind(model, Setting::CurveAxis, CurveAxis::CentreToEdge);
  setKind(model, Setting::Deformation, DeformationType::Curve);
  model.set(Setting::DeformationAmount, int32_t(-17));
  model.set(Setting::Effects, EffectStack{{EffectType::DropShadow, {1, 2, 3}, {}, false},
                                          {EffectType::Glow, {6, 0, 0}, {40, 50, 60}}});
  setKind(model, Setting::FillKind, FillKind::Gradient);
  model.set(Setting::FillColour, StyleColour{1, 2, 3});
  setGradient(model, {{QColor(9, 8, 7), QColor(200, 100, 50), QColor(0, 255, 1)}, 135.5});
  CurvePoints curve;
  curve.x = {3, 40, 90, 160, 210, 250};
  curve.y = {10, 200, 30, 240, 50, 255};
  setCurve(model, curve);
  state.ellipseRatio = 1.75;
  state.layerOrigin = {-40, 25};
  for (SourceKind each : sourceKinds) {
    KindRow& row = state.kindSettings[each];
    row.available = true;
    row.frameLeft = 11 * velloro::toInt(each);
    row.frameTop = -3 * velloro::toInt(each);
    row.surfacePattern = SurfacePatternType::Grain;
    row.fillKind = FillKind::Texture;
    row.fillColour = {velloro::toInt(each), 99, 250};
    row.effectType = EffectType::Outline2;
    row.effectSliders[3].positions = {7, -8, velloro::toInt(each)};
    row.effectSliders[7].colour = {5, 6, velloro::toInt(each)};
    row.deformationType = DeformationType::Rotate;
    row.deformationAmount = 45;
    row.material = Material::Chrome;
    state.textureNames[each] = QStringLiteral("wood %1.jpg").arg(velloro::toInt(each));
    state.curveAxisTable[each].fill(CurveAxis::LeftToRight);
  }
  state.texturePicture = patterned(30, 20);
  state.textPicture.font = QFont(QStringLiteral("DejaVu Serif"));
  state.textPicture.font.setPointSizeF(41.5);
  state.textPicture.font.setItalic(true);
  state.textPicture.font.setUnderline(true);
  state.textPicture.arrangement = {LineAlignment::Right, 1.25, -4};
  beside.text = QStringLiteral("Sunny Bakery\nsince 1987");
  beside.shape = patterned(64, 48);
  beside.picture = patterned(80, 60);
  beside.mask = filledPicture(80, 60, Qt::black);
  beside.preview = patterned(70, 50);
}

}  // namespace

// Every setting, each source kind on each kind of background, comes back
// as it was saved, the pictures byte for byte.
TEST(DocumentDesign, EverySettingAndPictureSurvivesTheRoundTrip) {
  const QImage backgrounds[] = {filledPicture(300, 200, QColor(12, 34, 56)), patterned(300, 200)};
  for (SourceKind kind : sourceKinds)
    for (const QImage& background : backgrounds) {
      DesignState saved;
      DesignBeside savedBeside;
      changeEverySetting(saved, savedBeside, kind);
      savedBeside.canvas = background;
      DesignState opened;
      DesignBeside openedBeside;
      putDocument(readDocument(documentBytes(documentOf(saved, savedBeside))), opened,
                  openedBeside);
      const QString where =
          QStringLiteral("kind %1, %2 background")
              .arg(velloro::toInt(kind))
              .arg(background.pixel(0, 0) == background.pixel(1, 0) ? "colour" : "picture");
      SCOPED_TRACE(where.toStdString());
      EXPECT_EQ(opened.sourceKind, kind);
      EXPECT_EQ(opened.designFrame.left, -12);
      EXPECT_EQ(opened.designFrame.top, 34);
      EXPECT_EQ(opened.designFrame.width, 250);
      EXPECT_EQ(opened.designFrame.height, 90);
      EXPECT_EQ(opened.layerOrigin, QPoint(-40, 25));
      EXPECT_EQ(opened.kindSettings, saved.kindSettings);
      EXPECT_EQ(opened.textureNames, saved.textureNames);
      EXPECT_EQ(opened.curveAxisTable, saved.curveAxisTable);
      EXPECT_EQ(opened.ellipseRatio, 1.75);
      EXPECT_EQ(opened.textPicture.arrangement, saved.textPicture.arrangement);
      EXPECT_EQ(styleOf(opened, opened.textPicture.font), styleOf(saved, saved.textPicture.font));
      EXPECT_EQ(openedBeside.text, savedBeside.text);
      EXPECT_EQ(openedBeside.canvas, background);
      EXPECT_EQ(openedBeside.shape, savedBeside.shape);
      EXPECT_EQ(openedBeside.picture, savedBeside.picture);
      EXPECT_EQ(openedBeside.mask, savedBeside.mask);
      EXPECT_EQ(openedBeside.preview, savedBeside.preview);
      EXPECT_EQ(opened.texturePicture, saved.texturePicture);
    }
}

// A value out of range names its key, and the design stays as it was.
TEST(DocumentDesign, RefusesAValueOutOfRangeAndLeavesTheDesign) {
  DesignState state;
  DesignBeside beside;
  beside.canvas = filledPicture(10, 10, Qt::white);
  const VelloroDocument good = documentOf(state, beside);
  const struct {
    const char* key;
    QJsonValue value;
    const char* message;
  } cases[] = {
      {"source", "sound", "design.json: \"design.source\" is not text, shape or picture"},
      {"frame", QJsonObject{{"left", 1e300}, {"top", 0}, {"width", 0}, {"height", 0}},
       "design.json: \"design.frame.left\" is not a whole number from -1048576 to 1048576"},
      {"ellipseRatio", -1, "design.json: \"design.ellipseRatio\" is not a number from 0 to 1000"},
      {"layerOrigin", QJsonArray{1}, "design.json: \"design.layerOrigin\" is not 2 numbers"},
      {"text", 5, "design.json: \"design.text\" is not a text"},
      {"canvas", QJsonObject{{"width", 20000}, {"height", 10}, {"colour", "#ffffff"}},
       "design.json: \"design.canvas.width\" is not a whole number from 1 to 16384"},
      {"canvas", QJsonObject{{"width", 16000}, {"height", 16000}, {"colour", "#ffffff"}},
       "design.json: \"design.canvas.width\" is not within 100000000 pixels in all"},
      {"canvas", QJsonObject{{"width", 10}, {"height", 10}},
       "design.json: \"design.canvas.width\" is not the size of the canvas picture"},
      {"kinds", QJsonObject{}, "design.json: \"design.kinds.text\" is not an object"},
  };
  for (const auto& c : cases) {
    VelloroDocument bad = good;
    bad.design[c.key] = c.value;
    DesignState opened;
    opened.ellipseRatio = 3;
    DesignBeside openedBeside;
    openedBeside.text = "kept";
    try {
      putDocument(bad, opened, openedBeside);
      ADD_FAILURE() << c.key << " accepted";
    } catch (const DocumentRefusal& refusal) {
      EXPECT_EQ(refusal.cause(), c.message);
    }
    EXPECT_EQ(opened.ellipseRatio, 3);
    EXPECT_EQ(openedBeside.text, "kept");
  }
}
