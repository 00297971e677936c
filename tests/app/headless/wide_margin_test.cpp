// A margin wider than the room the probe leaves around the design.
#include "render_run_fixture.h"

using WideMargin = RenderRunFixture;

// The wide margin is the narrow one's picture surrounded by the canvas colour.
TEST_F(WideMargin, PastTheProbeTheMarginIsThePlainCanvas) {
  const QImage narrow = rendered("--text Wq --background #336699 --margin 3 -o %", "n.png");
  const QImage wide = rendered("--text Wq --background #336699 --margin 250 -o %", "w.png");
  ASSERT_EQ(wide.size(), narrow.size() + QSize(494, 494));
  EXPECT_EQ(wide.copy(247, 247, narrow.width(), narrow.height()), narrow);
  for (const QPoint at : {QPoint(0, 0), QPoint(wide.width() - 1, wide.height() - 1)})
    EXPECT_EQ(wide.pixel(at), 0xff336699u);
}
