// Whole renders of every setting, hashed group by group against the hashes of
// outputs known to be right: any change of any output byte shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine_state.h"
#include "layer_render.h"
#include "workers.h"

namespace velloro::test {
namespace {

// A mask of the text on a canvas, rendered into slot 1 (no margin needed) or
// into slots 2 and 3 (a 32-pixel margin, offsets reduced by 32).
enum class Coverage { kFew, kEffectsAndDeformations, kAll };

struct Scene {
  const char* name;
  int32_t maskWidth, maskRows, canvasWidth, canvasRows;
  Coverage coverage;
};

// Scene by scene, the hashes of its groups in the order groupsOf builds
// them, from the engine as it was before any of its speed work.
struct Recorded {
  Scene scene;
  std::vector<uint64_t> hashes;
};

const Recorded kRecorded[] = {
    {{"tiny", 14, 9, 20, 14, Coverage::kAll},
     {0xbcadea3d199a45e1ull, 0xcae4bba68a91c2d5ull, 0x3b39e4f15f3dbba8ull, 0x34b57126bf4a43d5ull,
      0x70de4c2b085610e5ull, 0xfec33da837bc8358ull, 0x82e245d2cfe0c322ull, 0xf87bbb0b32600caaull}},
    {{"small", 60, 40, 70, 50, Coverage::kAll},
     {0x63c466a19a5b7164ull, 0x16fa420ce93402faull, 0xba555adcbb98fdabull, 0x8df75be60daaeaa5ull,
      0xdd56ff8e7ce07a0eull, 0xf917645618c50398ull, 0x134453eda49a43b5ull, 0xbd89a7b8093fed71ull}},
    {{"odd stride", 123, 57, 131, 77, Coverage::kAll},
     {0xa0689313057b49e0ull, 0xd37df8d7e17af63bull, 0x19499dc24aeb3315ull, 0x95973566ad266cb3ull,
      0x8a03f39ecbf8318cull, 0x259541d4e1d9e535ull, 0xd0d0f0501d51cc52ull, 0xfe74413e54ff0962ull}},
    {{"default title", 440, 160, 631, 331, Coverage::kAll},
     {0x9b328c22d19cf165ull, 0x7a65733094c9c270ull, 0x7a8607aa65a4c0eaull, 0xc735898bb1c59c19ull,
      0x61942bb6e3d17b9aull, 0x3cc741405a4ff929ull, 0x98fa0ee00507c81cull, 0x533e904f61e47e29ull}},
    {{"four times", 880, 320, 1262, 662, Coverage::kEffectsAndDeformations},
     {0xd8c1010edef74bd8ull, 0x75440ca5cf38c33dull}},
    {{"large title", 2200, 450, 2300, 500, Coverage::kFew}, {0x98e258ccc90cafc0ull}},
};

struct Group {
  std::vector<LayerSettings> renders;
  bool textured = false;
};

// A render of the text centred on the canvas, added to `group`.
LayerSettings& add(Group& group, const Scene& scene, int32_t slot = 1) {
  LayerSettings& s = group.renders.emplace_back();
  s.layerSlot = slot;
  s.smoothingSize = 75;
  const int32_t shift = slot == 1 ? 0 : 32;
  s.columnOffset = (scene.canvasWidth - scene.maskWidth) / 2 - shift;
  s.rowOffset = (scene.canvasRows - scene.maskRows) / 2 - shift;
  std::tie(s.fillRed, s.fillGreen, s.fillBlue) = std::tuple(40, 90, 200);
  std::tie(s.effectValue1, s.effectValue2, s.effectValue3) = std::tuple(255, 30, 70);
  s.knotY = {255, 204, 153, 102, 51, 0};
  return s;
}

// The renders a large canvas can afford: the paths that differ most.
Group fewRenders(const Scene& scene) {
  Group few;
  for (EffectType effect :
       {EffectType::NoContour, EffectType::DropShadow, EffectType::Raised, EffectType::Glow}) {
    LayerSettings& s = add(few, scene);
    const bool shadow = effect == EffectType::DropShadow;
    s.effectType = toInt(effect);
    s.effectAmount = 70;
    s.material = toInt(effect) + 2;
    s.effectValue1 = shadow ? 35 : 255;
    s.effectValue2 = shadow ? 65 : 30;
    s.deformationType = shadow                       ? toInt(DeformationType::Rotate)
                        : effect == EffectType::Glow ? toInt(DeformationType::Curve)
                                                     : 0;
    s.deformationAmount = 30;
  }
  return few;
}

std::vector<Group> groupsOf(const Scene& scene) {
  if (scene.coverage == Coverage::kFew) return {fewRenders(scene)};
  std::vector<Group> groups;
  Group& effects = groups.emplace_back();
  for (int32_t effect = 0; effect <= 7; ++effect) {
    for (int32_t amount : {0, 35, 100}) {
      LayerSettings& s = add(effects, scene);
      s.effectType = effect;
      s.effectAmount = amount;
      s.material = (effect + amount) % 8;
      s.effectValue1 = effect <= toInt(EffectType::CastShadow) ? 20 + amount / 2 : 255;
      s.effectValue2 = effect <= toInt(EffectType::CastShadow) ? 70 - amount / 3 : 30;
    }
  }
  Group& deformations = groups.emplace_back();
  constexpr EffectType kByAmount[] = {EffectType::DropShadow, EffectType::CastShadow,
                                      EffectType::Outline2};
  for (DeformationType type : {DeformationType::Rotate, DeformationType::Curve}) {
    for (int32_t amount : {0, 13, 49, 50, 51, 77, 100}) {
      LayerSettings& s = add(deformations, scene);
      s.deformationType = toInt(type);
      s.deformationAmount = amount;
      s.effectType = toInt(kByAmount[amount % 3]);
      s.effectAmount = 60;
      s.effectValue1 = amount % 3 == 2 ? 255 : 40;
      s.effectValue2 = amount % 3 == 2 ? 30 : 60;
    }
  }
  if (scene.coverage != Coverage::kAll) return groups;

  for (bool textured : {false, true}) {
    Group& materials = groups.emplace_back(Group{{}, textured});
    for (int32_t material = 0; material <= 8; ++material) {
      LayerSettings& s = add(materials, scene);
      s.material = material;
      s.effectType = toInt(material % 2 == 0 ? EffectType::Raised : EffectType::Engraved);
      s.effectAmount = 80;
    }
  }
  Group& patterns = groups.emplace_back();
  for (int32_t pattern = 0; pattern <= 3; ++pattern) {
    for (int32_t axis = 0; axis <= 3; ++axis) {
      LayerSettings& s = add(patterns, scene);
      s.surfacePattern = pattern;
      s.curveAxis = axis;
      s.material = (pattern + 2 * axis) % 8;
      s.knotX = {0, 40, 90, 160, 200, 255};
      s.knotY = {30, 200, 60, 250, 10, 180};
    }
  }
  Group& smoothing = groups.emplace_back();
  for (int32_t size : {10, 99, 100, 199, 200, 400}) {
    LayerSettings& s = add(smoothing, scene);
    s.smoothingSize = size;
    s.effectType = toInt(size % 2 == 0 ? EffectType::Glow : EffectType::Outline1);
    s.effectAmount = 70;
    s.material = 6 + size % 2;
  }
  // Slots 2 and 3 over slot 1, then slot 1 again over the others; slot 3
  // with material 0 shows the texture placed once.
  constexpr EffectType kBySlot[] = {EffectType::Engraved, EffectType::DropShadow, EffectType::Glow};
  for (bool textured : {false, true}) {
    Group& slots = groups.emplace_back(Group{{}, textured});
    for (int32_t slot : {2, 3, 1, 3, 2, 1}) {
      LayerSettings& s = add(slots, scene, slot);
      s.material = slot == 3 ? 0 : 4 + slot;
      s.effectType = toInt(kBySlot[slot - 1]);
      s.effectAmount = 55;
      s.effectValue1 = slot == 2 ? 30 : 200;
      s.effectValue2 = slot == 2 ? 70 : 100;
      s.columnOffset += 7 * slot - 14;
      s.rowOffset += 5 * slot - 10;
      s.deformationType = toInt(slot == 3 ? DeformationType::Rotate : DeformationType::None);
      s.deformationAmount = 20;
    }
  }
  return groups;
}

uint64_t hashGroup(const Scene& scene, const Group& group) {
  clearLayerSlots();
  const Picture plain = textMask(scene.maskWidth, scene.maskRows, 0);
  const Picture margined = textMask(scene.maskWidth + 64, scene.maskRows + 64, 32);
  const Picture tile = patternedPicture(37, 23, 7, 253);
  Canvas canvas(scene.canvasWidth, scene.canvasRows);
  paintPattern(canvas.background);
  uint64_t hash = 14695981039346656037ull;  // FNV-1a, 64 bits, over every output in turn
  for (const LayerSettings& s : group.renders) {
    render(canvas, s.layerSlot == 1 ? plain : margined, s, group.textured ? &tile : nullptr);
    for (uint8_t byte : canvas.output.bytes) hash = (hash ^ byte) * 1099511628211ull;
  }
  return hash;
}

std::vector<uint64_t> hashesOf(const Scene& scene, WorkerPolicy policy) {
  const WorkerPolicy kept = engineState().workers;
  engineState().workers = policy;
  std::vector<uint64_t> hashes;
  for (const Group& group : groupsOf(scene)) hashes.push_back(hashGroup(scene, group));
  engineState().workers = kept;
  return hashes;
}

// Renders split between threads must give the bytes of one thread: large
// scenes on one thread too, and three threads split even the smallest
// picture. One test a scene, so that the scenes render in parallel.
class RenderHash : public ::testing::TestWithParam<Recorded> {};

void PrintTo(const Recorded& recorded, std::ostream* out) { *out << recorded.scene.name; }

TEST_P(RenderHash, EveryRenderKeepsItsOutputBytesOnAnyNumberOfThreads) {
  const auto& [scene, recorded] = GetParam();
  const WorkerPolicy other =
      scene.coverage == Coverage::kAll ? WorkerPolicy{3, 1} : WorkerPolicy{1, 1};
  for (const WorkerPolicy policy : {engineState().workers, other})
    EXPECT_EQ(hashesOf(scene, policy), recorded) << policy.threads << " threads";
}

INSTANTIATE_TEST_SUITE_P(Scenes, RenderHash, ::testing::ValuesIn(kRecorded),
                         [](const ::testing::TestParamInfo<Recorded>& info) {
                           std::string name = info.param.scene.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

}  // namespace
}  // namespace velloro::test
