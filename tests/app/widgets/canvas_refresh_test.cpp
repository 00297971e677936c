// The canvas brought up to a render in place: the exact pixels of the
// render's canvas part, the rows that changed and no others, and a canvas
// that cannot be refreshed left alone.
#include "rendering/canvas_refresh.h"

#include <gtest/gtest.h>

#include <QColor>

#include "design/design_state.h"

namespace {

// A pixel of the layer space that no other pixel within 256 rows and
// columns repeats, and none of them grey.
QColor spacePixel(int x, int y) {
  return QColor((10 + x) % 256, (100 + y) % 256, (200 + x + 2 * y) % 256);
}

// The layer space `space` as a render leaves it in the output buffer: rows
// bottom first, blue-green-red, each row padded to four bytes.
QByteArray outputBuffer(QSize space) {
  const int stride = (3 * space.width() + 3) / 4 * 4;
  QByteArray buffer(stride * space.height(), char(0x5a));
  for (int y = 0; y < space.height(); ++y)
    for (int x = 0; x < space.width(); ++x) {
      const QColor colour = spacePixel(x, y);
      char* pixel = buffer.data() + stride * (space.height() - 1 - y) + 3 * x;
      pixel[0] = char(colour.blue());
      pixel[1] = char(colour.green());
      pixel[2] = char(colour.red());
    }
  return buffer;
}

DesignState renderedState(QSize canvas, QPoint origin) {
  DesignState state;
  state.geometry.canvasWidth = canvas.width();
  state.geometry.canvasRows = canvas.height();
  state.layerOrigin = origin;
  state.buffers.output = outputBuffer(canvas + QSize(origin.x(), origin.y()));
  return state;
}

// The canvas as the render left it, but for the rows `stale` in grey.
QImage shownCanvas(QSize canvas, QPoint origin, std::pair<int, int> stale) {
  QImage picture(canvas, QImage::Format_RGB888);
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      picture.setPixelColor(x, y,
                            y >= stale.first && y <= stale.second
                                ? QColor(128, 128, 128)
                                : spacePixel(x + origin.x(), y + origin.y()));
  return picture;
}

struct Refresh {
  const char* name;
  QSize canvas;
  QPoint origin;
  std::pair<int, int> stale;  // first and last stale row; first > last: none
  QRect changed;
};

void PrintTo(const Refresh& refresh, std::ostream* out) { *out << refresh.name; }

class CanvasRefreshTest : public testing::TestWithParam<Refresh> {};

TEST_P(CanvasRefreshTest, GivesTheRenderedPixelsAndTheRowsThatChanged) {
  const auto& [name, size, origin, stale, changed] = GetParam();
  const DesignState state = renderedState(size, origin);
  QImage canvas = shownCanvas(size, origin, stale);
  ASSERT_TRUE(refreshableCanvas(state, canvas));
  EXPECT_EQ(refreshCanvas(state, canvas), changed);
  EXPECT_EQ(canvas, shownCanvas(size, origin, {1, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Canvases, CanvasRefreshTest,
    testing::Values(
        Refresh{"middle rows", {5, 4}, {}, {1, 2}, QRect(0, 1, 5, 2)},
        Refresh{"first row", {5, 4}, {}, {0, 0}, QRect(0, 0, 5, 1)},
        Refresh{"last row", {5, 4}, {}, {3, 3}, QRect(0, 3, 5, 1)},
        Refresh{"every row", {4, 3}, {}, {0, 2}, QRect(0, 0, 4, 3)},
        Refresh{"nothing", {5, 4}, {}, {1, 0}, QRect()},
        Refresh{"padded rows", {3, 2}, {}, {1, 1}, QRect(0, 1, 3, 1)},
        Refresh{"past a layer origin", {5, 4}, {2, 3}, {2, 3}, QRect(0, 2, 5, 2)},
        Refresh{"one pixel", {1, 1}, {1, 1}, {0, 0}, QRect(0, 0, 1, 1)},
        // Canvases of a million pixels and more are shared out
        // by halves.
        Refresh{"both halves of a large canvas",
                {1030, 1024},
                {3, 1},
                {500, 530},
                QRect(0, 500, 1030, 31)},
        Refresh{
            "the upper half of a large canvas", {1030, 1024}, {}, {0, 511}, QRect(0, 0, 1030, 512)},
        Refresh{"the lower half of a large canvas",
                {1030, 1024},
                {},
                {512, 1023},
                QRect(0, 512, 1030, 512)},
        Refresh{"nothing of a large canvas", {1030, 1024}, {}, {1, 0}, QRect()}));

// A canvas that shares its pixels with a copy is refreshed alone.
TEST(CanvasRefresh, LeavesACopyOfTheCanvasAsItWas) {
  const QSize size(1030, 1024);
  const DesignState state = renderedState(size, {});
  QImage canvas = shownCanvas(size, {}, {0, 1023});
  const QImage copy = canvas;
  const QImage before = canvas.copy();
  EXPECT_EQ(refreshCanvas(state, canvas), QRect(QPoint(), size));
  EXPECT_EQ(copy, before);
  EXPECT_EQ(canvas, shownCanvas(size, {}, {1, 0}));
}

struct Unrefreshable {
  const char* name;
  std::function<void(DesignState&, QImage&)> spoil;
};

void PrintTo(const Unrefreshable& case_, std::ostream* out) { *out << case_.name; }

class UnrefreshableCanvasTest : public testing::TestWithParam<Unrefreshable> {};

TEST_P(UnrefreshableCanvasTest, IsLeftAsItWas) {
  DesignState state = renderedState({5, 4}, {1, 2});
  QImage canvas = shownCanvas({5, 4}, {1, 2}, {0, 3});
  GetParam().spoil(state, canvas);
  const QImage before = canvas.copy();
  EXPECT_FALSE(refreshableCanvas(state, canvas));
  EXPECT_EQ(refreshCanvas(state, canvas), QRect());
  EXPECT_EQ(canvas, before);
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, UnrefreshableCanvasTest,
    testing::Values(
        Unrefreshable{"another format",
                      [](DesignState&, QImage& canvas) { canvas.convertTo(QImage::Format_RGB32); }},
        Unrefreshable{"denser",
                      [](DesignState&, QImage& canvas) { canvas.setDevicePixelRatio(2); }},
        Unrefreshable{"narrower",
                      [](DesignState&, QImage& canvas) { canvas = canvas.copy(0, 0, 4, 4); }},
        Unrefreshable{"shorter",
                      [](DesignState&, QImage& canvas) { canvas = canvas.copy(0, 0, 5, 3); }},
        Unrefreshable{"buffer cut short",
                      [](DesignState& state, QImage&) { state.buffers.output.chop(1); }},
        Unrefreshable{"no render yet",
                      [](DesignState& state, QImage&) { state.buffers.output.clear(); }},
        Unrefreshable{"origin before the layer space", [](DesignState& state, QImage&) {
                        state.layerOrigin = {-1, 0};
                      }}));

}  // namespace
