// What a drag's frame costs in renders, counted at the engine library (this
// executable's ENGINE_PATH is a library that counts the renders it hands on
// to the real engine): a frame is its draft and nothing more, however long
// it stands before the next, and the notice of a design past the canvas is
// told once the drag rests, as a Draw tells it.
#include <QLibrary>
#include <QThread>
#include <functional>

#include "main_window_fixture.h"

namespace {

long long rendersSoFar() {
  static const auto counted = reinterpret_cast<long long (*)()>(
      QLibrary::resolve(QStringLiteral(ENGINE_PATH), "countedRenders"));
  return counted ? counted() : -1;
}

struct Drag {
  const char* name;
  // Moves the dragged control to the position of `step`.
  std::function<void(MainWindow&, int step)> step;
};

void PrintTo(const Drag& drag, std::ostream* out) { *out << drag.name; }

const Drag drags[] = {
    {"turn amount",
     [](MainWindow& window, int step) {
       window.panels()->deformation().amountSlider()->setValue(10 + 7 * step);
     }},
    {"fill colour",
     [](MainWindow& window, int step) {
       PictureBox* palette = window.panels()->inside().fillPalette();
       emit palette->mouseMoved(Qt::LeftButton,
                                QPoint(3 + 5 * step, palette->picture().height() / 2));
     }},
    {"engraving width",
     [](MainWindow& window, int step) {
       TrackSlider* slider = window.panels()->outside().engravedSlider();
       slider->setValue(slider->Min() + 1 + step);
     }},
};

}  // namespace

class DragFrameTest : public MainWindowTest, public testing::WithParamInterface<Drag> {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_GE(rendersSoFar(), 0) << "the counting engine library is not in use";
    window->livePreview().setEnabled(true);
    window->panels()->deformation().buttons()[1]->setChecked(true);  // "Rotate"
    // A title wider than the canvas: its whole design is worth measuring.
    useCanvas({200, 120});
    window->draw();
  }

  // The renders of one frame of the drag: the step and the event-loop turn
  // that previews it.
  long long rendersOfFrame(int step) {
    const long long before = rendersSoFar();
    GetParam().step(*window, step);
    QCoreApplication::processEvents();
    return rendersSoFar() - before;
  }
  QString notice() const { return window->canvasArea().cutNotice()->text(); }
};

TEST_P(DragFrameTest, AFrameIsItsDraftAloneHoweverLongItStands) {
  rendersOfFrame(0);
  const long long quick = rendersOfFrame(1);
  EXPECT_GT(quick, 0);
  // Longer than the design takes to rest, with no event handled meanwhile,
  // as on a machine too busy to keep up with the pointer.
  QThread::msleep(LivePreview::restMilliseconds + 100);
  EXPECT_EQ(rendersOfFrame(2), quick);
  EXPECT_EQ(rendersOfFrame(3), quick);
}

TEST_P(DragFrameTest, TheRestedDesignTellsItsOverrunAsADrawDoes) {
  rendersOfFrame(0);
  window->canvasArea().cutNotice()->clear();
  const long long frame = rendersOfFrame(1);
  EXPECT_TRUE(notice().isEmpty()) << "told during the drag";
  const long long beforeRest = rendersSoFar();
  [&] { QTRY_VERIFY(!window->livePreview().restPending()); }();
  // The exact frame, then the whole design measured apart.
  EXPECT_GT(rendersSoFar() - beforeRest, frame);
  const QString rested = notice();
  EXPECT_TRUE(rested.startsWith(u"The design runs past the canvas: "_s)) << rested.toStdString();
  window->canvasArea().cutNotice()->clear();
  window->draw();
  EXPECT_EQ(notice(), rested);
}

INSTANTIATE_TEST_SUITE_P(Drags, DragFrameTest, testing::ValuesIn(drags));
