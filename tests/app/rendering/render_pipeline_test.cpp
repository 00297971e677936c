// The engine's arguments, the canvas captured for it and its render; the
// values each outside effect keeps per source kind, and their labels.
#include "rendering/render_pipeline.h"

#include "core_test.h"
#include "design/curve_file.h"
#include "design/design_state.h"
#include "design/kind_settings.h"
#include "design/outside_effects.h"
#include "design/source_kind_switch.h"
#include "files/bmp_file.h"
#include "rendering/engine_library.h"

namespace {

class RenderPipelineTest : public testing::Test {
 protected:
  void SetUp() override {
    state.workingFiles.canvas = folder.filePath(QStringLiteral("canvas.bmp"));
  }

  QTemporaryDir folder;
  DesignState state;
  RenderMeasures measures;
  ScriptedPlatform platform;
};

}  // namespace

TEST_F(RenderPipelineTest, EngineArgumentsOfTheTextDesignAndTheFramedShapeAndPictureMasks) {
  captureCanvas(state, filledPicture(631, 331, Qt::white));
  const velloro::ActionArguments a = engineArguments(state, measures, {strideOf(301), 129});
  EXPECT_EQ((std::array{a.maskStride, a.maskRows, a.outputStride, a.outputRows}),
            (std::array{904, 129, 1896, 331}));
  EXPECT_EQ((std::array{a.columnOffset, a.rowOffset, a.smoothingSize}), (std::array{5, 5, 75}));
  EXPECT_EQ((std::array{a.fillRed, a.fillGreen, a.fillBlue, a.layerSlot}),
            (std::array{0, 0, 200, 1}));
  EXPECT_EQ(a.knotX, (std::array{0, 50, 100, 150, 200, 255}));
  EXPECT_EQ(a.knotY[0], 128);
  EXPECT_EQ(a.mask, nullptr);  // the render sets the pictures itself
  // Shape and picture masks carry a frame of 32 pixels.
  state.designFrame = {40, 50, 0, 0};
  for (SourceKind kind : {SourceKind::Shape, SourceKind::Picture}) {
    state.sourceKind = kind;
    const velloro::ActionArguments a = engineArguments(state, measures, {12, 4});
    EXPECT_EQ((std::array{a.columnOffset, a.rowOffset, a.layerSlot}),
              (std::array{8, 18, velloro::toInt(kind)}));
  }
}

TEST_F(RenderPipelineTest, EffectArgumentsFollowTheEffectType) {
  state.model.set(Setting::DeformationAmount, 66);
  using Values = std::array<int32_t, 4>;
  auto effect = [&](int type) {
    // The positions the effect keeps, the others 0.
    EffectEntry entry{EffectType(type), {11, 22, 33}, {1, 2, 3}};
    for (int slot = outsideEffect(entry.type).sliderCount; slot < 3; ++slot)
      entry.values[size_t(slot)] = 0;
    state.model.set(Setting::Effects, type == 0 ? EffectStack{} : EffectStack{entry});
    const velloro::ActionArguments a = engineArguments(state, measures, {3, 1});
    EXPECT_EQ(velloro::toInt(a.effectType), type);
    EXPECT_EQ(a.deformationAmount, 66);
    return Values{a.effectAmount, a.effectValue1, a.effectValue2, a.effectValue3};
  };
  // Engraved and raised take their width alone, and no colour.
  const Values expected[] = {{0, 0, 0, 0},  {11, 22, 33, 0}, {11, 22, 33, 0}, {11, 0, 0, 0},
                             {11, 0, 0, 0}, {11, 1, 2, 3},   {11, 1, 2, 3},   {11, 1, 2, 3}};
  for (int type = 0; type < 8; ++type) EXPECT_EQ(effect(type), expected[type]) << type;
  // Slider positions travel as 16-bit values.
  EXPECT_EQ(effectArguments(outsideEffect(EffectType::Engraved), {70000, 0, 0}, {}).amount, 4464);
  const EffectArguments shadow =
      effectArguments(outsideEffect(EffectType::DropShadow), {70000, 65535, 32768}, {});
  EXPECT_EQ((Values{shadow.amount, shadow.values[0], shadow.values[1], shadow.values[2]}),
            (Values{4464, -1, -32768, 0}));
}

TEST_F(RenderPipelineTest, TextureTileBySourceKindAndOption) {
  auto tile = [&](bool textureOption) {
    setKind(state.model, Setting::FillKind, textureOption ? FillKind::Texture : FillKind::Colour);
    return textureTileFor(state);
  };
  EXPECT_EQ(tile(true).source, TileSource::None);  // nothing loaded yet
  loadTexture(state, filledPicture(5, 3, Qt::white));
  EXPECT_EQ((std::array{state.geometry.textureStride, state.geometry.textureRows}),
            (std::array{16, 3}));
  EXPECT_EQ(tile(false).source, TileSource::None);
  EXPECT_EQ(tile(true).source, TileSource::TextureBuffer);
  EXPECT_EQ(tile(true).offset, 0);
  state.sourceKind = SourceKind::Shape;
  EXPECT_EQ(tile(true).offset, 30);
  state.sourceKind = SourceKind::Picture;
  EXPECT_EQ(tile(false).source, TileSource::PictureFile);  // material 0
  setKind(state.model, Setting::Material, Material::Ridge);
  EXPECT_EQ(tile(true).offset, 30);
  EXPECT_EQ(tile(false).source, TileSource::None);
}

TEST_F(RenderPipelineTest, CaptureKeepsTheFrameOnTheCanvasAndFillsBothBuffers) {
  state.designFrame = {90, 70, 0, 0};
  captureCanvas(state, filledPicture(101, 60, Qt::white));
  EXPECT_EQ((std::array{state.geometry.canvasStride, state.geometry.canvasRows,
                        state.designFrame.left, state.designFrame.top}),
            (std::array{304, 60, 51, 10}));
  EXPECT_EQ(state.buffers.output, state.buffers.background);
  EXPECT_EQ(readPictureBuffer(state.workingFiles.canvas).bytes, state.buffers.background);

  captureCanvas(state, filledPicture(30, 30, Qt::white));  // narrower than 50 pixels
  EXPECT_EQ((std::array{state.designFrame.left, state.geometry.canvasStride}),
            (std::array{-20, 92}));
  // Without a canvas file the capture fails and keeps the buffers.
  const QByteArray before = state.buffers.background;
  state.workingFiles.canvas = folder.filePath(QStringLiteral("missing/canvas.bmp"));
  EXPECT_THROW(captureCanvas(state, filledPicture(20, 20, Qt::white)), Failure);
  EXPECT_EQ(state.buffers.background, before);
}

TEST_F(RenderPipelineTest, RenderGivesACanvasOfTheCapturedSizeAndLeavesTheBackground) {
  EngineLibrary engine(QStringLiteral(ENGINE_PATH));
  // Without a captured canvas the render fails before the engine.
  EXPECT_THROW(renderDesign(state, {QImage(10, 10, QImage::Format_RGB888)}, measures,
                            engine.entryPoints(), platform),
               Failure);
  EXPECT_EQ(platform.busyPeriods, 0);
  captureCanvas(state, filledPicture(120, 80, Qt::white));
  const QByteArray background = state.buffers.background;
  QImage mask = filledPicture(60, 30, Qt::white);
  for (int y = 8; y < 22; ++y)
    for (int x = 10; x < 50; ++x) mask.setPixelColor(x, y, Qt::black);
  const QImage rendered = renderDesign(state, {mask}, measures, engine.entryPoints(), platform);
  EXPECT_EQ(rendered.size(), QSize(120, 80));
  EXPECT_EQ(state.buffers.background, background);
  EXPECT_EQ((std::array{platform.busyPeriods, platform.busyDepth}), (std::array{1, 0}));
  // Without its shape file a shape fails before the engine.
  state.sourceKind = SourceKind::Shape;
  state.workingFiles.shape = folder.filePath(QStringLiteral("absent.bmp"));
  EXPECT_THROW(renderDesign(state, {}, measures, engine.entryPoints(), platform), Failure);
  EXPECT_EQ(platform.busyPeriods, 1);
}

// The values an effect does not keep come back as zero.
TEST(KindSettingsTable, EachEffectKeepsItsOwnSlidersAndStrayKindsReadAsText) {
  KindRow row;
  storeEffectSliders(row, EffectType::CastShadow, {{11, 12, 13}, {1, 2, 3}});
  storeEffectSliders(row, EffectType::Raised, {{44, 45, 46}, {}});
  EXPECT_EQ(loadEffectSliders(row, EffectType::CastShadow), (EffectSliders{{11, 12, 13}, {}}));
  EXPECT_EQ(loadEffectSliders(row, EffectType::Raised), (EffectSliders{{44, 0, 0}, {}}));
  // 42 reads as "No contour".
  for (EffectType other :
       {EffectType::Outline2, EffectType::DropShadow, EffectType::NoContour, EffectType{42}})
    EXPECT_EQ(loadEffectSliders(row, other), (EffectSliders{{0, 0, 0}, {}})) << int(other);
  KindSettingsTable table = defaultKindSettings();  // a kind outside the three reads as text
  table[SourceKind{9}].frameLeft = 77;
  EXPECT_EQ(table[SourceKind::Text].frameLeft, 77);
}

// The curve is stored by kind and material group, in a curves folder made
// again if it was removed.
TEST(SourceKindSwitch, StoresTheCurveOfKindAndMaterialGroup) {
  QTemporaryDir curves;
  DesignState state;
  setKind(state.model, Setting::Material, Material::Gold);
  state.model.set(Setting::CurveValues, CurveList{1, 2, 3, 4, 5, 6});
  storeSourceKind(state, SourceKind::Text, curves.path());
  ScriptedPlatform platform;
  EXPECT_EQ(readCurveFile(curves.filePath("temp13.txt"), platform).y,
            (std::array{1, 2, 3, 4, 5, 6}));
  setKind(state.model, Setting::Material, Material::Profile);
  state.model.set(Setting::CurveValues, CurveList{9, 8, 7, 6, 5, 4});
  storeSourceKind(state, SourceKind::Shape, curves.filePath("curves"));
  EXPECT_EQ(readCurveFile(curves.filePath("curves/temp21.txt"), platform).y,
            (std::array{9, 8, 7, 6, 5, 4}));
  EXPECT_TRUE(platform.messages.empty());
}

// Drop shadow offsets run from -25 to +25 with their sign; the cast shadow
// shows its height and its orientation in steps of 5 degrees.
TEST(OutsideEffects, ShadowStrengthAndDeformationLabels) {
  // The effect, the slider and its position, and the label shown.
  const std::tuple<EffectType, int, int, const char*> cases[] = {
      {EffectType::DropShadow, 2, 50, "0"},      {EffectType::DropShadow, 2, 60, "+ 5"},
      {EffectType::DropShadow, 3, 0, "- 25"},    {EffectType::DropShadow, 3, 100, "+ 25"},
      {EffectType::CastShadow, 3, 100, "360 °"}, {EffectType::CastShadow, 3, 3, "10 °"},
      {EffectType::CastShadow, 3, 25, "90 °"},   {EffectType::CastShadow, 3, 50, "180 °"},
      {EffectType::CastShadow, 3, 75, "270 °"},  {EffectType::CastShadow, 2, 61, "60"},
      {EffectType::Glow, 1, 51, "50 %"},
  };
  for (const auto& [effect, slider, value, label] : cases)
    EXPECT_EQ(shadowLabels(slider, value, outsideEffect(effect))->value, QString::fromUtf8(label))
        << label;
  // The strength is a percent for every effect, the parameters only for shadows.
  EXPECT_FALSE(shadowLabels(1, 51, outsideEffect(EffectType::Glow))->first);
  EXPECT_FALSE(shadowLabels(2, 60, outsideEffect(EffectType::Engraved)));
  EXPECT_FALSE(shadowLabels(3, 60, outsideEffect(EffectType::NoContour)));
  using velloro::DeformationType;
  EXPECT_EQ(*deformationLabel(DeformationType::Curve, 100), QStringLiteral("180 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 100), QStringLiteral("360 °"));
  EXPECT_EQ(*deformationLabel(DeformationType::Rotate, 3), QStringLiteral("10 °"));
  EXPECT_FALSE(deformationLabel(DeformationType::None, 50));
}
