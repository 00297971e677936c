// Times the whole Draw of the default text at 75 points on the default
// 631 x 331 canvas: the text printed into its mask, the relief engine, and
// the result shown and painted on the canvas; and one frame of the live
// preview while the deformation slider is dragged over the drawn title, on
// that canvas and on a 2524 x 1324 one, where the fill colour, the
// engraving's width, a bend's or a turn's amount and the title itself are
// dragged too. A frame is the change, the event-loop turn that previews it
// and the paint of what it changed (showFrame, up to frameShown: what
// frame_instructions.sh counts); the timer stops around everything else.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <vector>

#include "design/design_state.h"
#include "design/effect_stack.h"
#include "desktop/scripted_platform.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "main_window/style_gallery.h"
#include "main_window/tab_panels.h"
#include "main_window/title_text_box.h"
#include "rendering/engine_library.h"
#include "widgets/picture_box.h"
#include "widgets/track_slider.h"

namespace {

// The machine is shared: the fastest of the repetitions is the one least
// slowed by others.
double fastest(const std::vector<double>& times) {
  return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
}

// The default window on a captured default canvas.
struct DrawnWindow {
  DrawnWindow() {
    auto scripted = std::make_unique<ScriptedPlatform>();
    seam = scripted.get();
    usePlatform(std::move(scripted));
    DesignState document;
    createStartupWorkingFiles(document.workingFiles);
    // The window's parts take the platform as the window is made.
    window = std::make_unique<MainWindow>(folder.path(), std::move(document));
    window->useEngine(engine);
    window->resize(556, 433);
    window->show();
    window->fillSizeList();
    window->canvasArea().captureCanvas();
  }
  ~DrawnWindow() { deleteWorkingFiles(window->document().workingFiles); }

  void reportMessages(benchmark::State& run) const {
    if (!seam->messages.empty())
      run.SkipWithError(seam->messages.front().text.toUtf8().constData());
  }

  const ScriptedPlatform* seam = nullptr;
  QTemporaryDir folder;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  std::unique_ptr<MainWindow> window;
};

void BM_DrawDefaultText(benchmark::State& run) {
  DrawnWindow drawn;
  for (auto _ : run) {
    drawn.window->draw();
    drawn.window->canvasView()->repaint();
  }
  drawn.reportMessages(run);
}
BENCHMARK(BM_DrawDefaultText)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A change the user makes: `step` is the frame's number.
using FrameChange = std::function<void(DrawnWindow&, int step)>;

// Called as a frame ends, for frame_instructions.sh to end its count there.
[[gnu::noinline]] void frameShown() { asm volatile(""); }

// One frame: the change, the event-loop turn that previews it, and the
// window's pending paint, as its next update request makes it: only what
// the frame marked changed.
[[gnu::noinline]] void showFrame(DrawnWindow& drawn, const FrameChange& change, int step) {
  change(drawn, step);
  QCoreApplication::processEvents();
  QEvent paint(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(drawn.window.get(), &paint);
  frameShown();
}

// Times frames of the live preview: `change(drawn, step)` with the step's
// number, and what it shows. Between frames, untimed, each is checked to
// be a frame of a drag: no more than one preview render, and that a draft.
void timeFrames(DrawnWindow& drawn, benchmark::State& run, const FrameChange& change) {
  LivePreview& preview = drawn.window->livePreview();
  int renders = 0;
  bool exact = false;
  // A draft leaves the exact frame to come.
  const QMetaObject::Connection counting = QObject::connect(&preview, &LivePreview::redrawn, [&] {
    ++renders;
    exact = exact || !preview.restPending();
  });
  int step = 0;
  for (auto _ : run) {
    renders = 0;
    showFrame(drawn, change, ++step);
    run.PauseTiming();
    if (renders > 1 || exact) run.SkipWithError("a frame held more than a draft of the drag");
    run.ResumeTiming();
  }
  QObject::disconnect(counting);
  drawn.reportMessages(run);
}

// Draws, then times deformation slider steps.
void timeSliderSteps(DrawnWindow& drawn, benchmark::State& run) {
  drawn.window->livePreview().setEnabled(true);
  drawn.window->draw();
  timeFrames(drawn, run, [](DrawnWindow& drawn, int step) {
    drawn.window->panels()->deformation().amountSlider()->setValue(step % 90);
  });
}

// One slider step and the event-loop turn that previews it.
void BM_PreviewSliderDrag(benchmark::State& run) {
  DrawnWindow drawn;
  timeSliderSteps(drawn, run);
}
BENCHMARK(BM_PreviewSliderDrag)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One frame of the live preview on the largest canvas of the size cases,
// 2524 x 1324, with the default text at 300 points: text print, engine and
// display, as a slider drag redraws it.
void BM_PreviewFrameOnLargeCanvas(benchmark::State& run) {
  DrawnWindow drawn;
  QImage canvas(2524, 1324, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  drawn.window->replaceCanvas(canvas);
  drawn.window->fontSizeBox()->setCurrentText(QStringLiteral("300"));
  timeSliderSteps(drawn, run);
}
BENCHMARK(BM_PreviewFrameOnLargeCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

// File > Styles with the five shipped styles: the menu opening with a title
// not drawn before ("open"), which only starts the thumbnails, against the
// thumbnails all drawn ("thumbnails").
void BM_StylesMenu(benchmark::State& run) {
  DrawnWindow drawn;
  QDir().mkpath(drawn.folder.filePath(QStringLiteral("styles")));
  for (const QString& style : QDir(QStringLiteral(SHIPPED_STYLES)).entryList(QDir::Files))
    QFile::copy(QStringLiteral(SHIPPED_STYLES "/") + style,
                drawn.folder.filePath(QStringLiteral("styles/")) + style);
  QMenu* menu = drawn.window->menu(QStringLiteral("mnuFileStyles"));
  const bool thumbnails = run.range(0) == 1;
  int title = 0;
  for (auto _ : run) {
    drawn.window->findChild<TitleTextBox*>(QStringLiteral("Text1"))
        ->setText(QStringLiteral("Title %1").arg(++title));
    emit menu->aboutToShow();
    if (thumbnails) drawn.window->styleGallery()->waitForThumbnails();
  }
  drawn.window->styleGallery()->waitForThumbnails();
  run.SetLabel(thumbnails ? "thumbnails" : "open");
  drawn.reportMessages(run);
}
BENCHMARK(BM_StylesMenu)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Frames of the live preview on the 2524 x 1324 canvas with the default
// text at 300 points, each after `change(drawn, step)` with the step's
// number: text print, engine and display. A first change, not timed,
// starts the drag: the frames timed are those of a drag in progress.
void timeLargeCanvasFrames(benchmark::State& run, const FrameChange& change) {
  DrawnWindow drawn;
  QImage canvas(2524, 1324, QImage::Format_RGB888);
  canvas.fill(Qt::white);
  drawn.window->replaceCanvas(canvas);
  drawn.window->fontSizeBox()->setCurrentText(QStringLiteral("300"));
  drawn.window->livePreview().setEnabled(true);
  drawn.window->draw();
  change(drawn, 0);
  QCoreApplication::processEvents();
  timeFrames(drawn, run, change);
}

// The fill colour dragged across its palette: the relief is shaded anew on
// the geometry of the frame before.
void BM_PreviewColourDragOnLargeCanvas(benchmark::State& run) {
  timeLargeCanvasFrames(run, [](DrawnWindow& drawn, int step) {
    PictureBox* palette = drawn.window->panels()->inside().fillPalette();
    const QSize size = palette->picture().size();
    emit palette->mouseMoved(Qt::LeftButton,
                             QPoint(step % std::max(size.width(), 1), size.height() / 2));
  });
}
BENCHMARK(BM_PreviewColourDragOnLargeCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

// The engraving's width dragged: the background around the element is
// searched anew to the new width, and everything after.
void BM_PreviewEngravingDragOnLargeCanvas(benchmark::State& run) {
  timeLargeCanvasFrames(run, [](DrawnWindow& drawn, int step) {
    TrackSlider* slider = drawn.window->panels()->outside().engravedSlider();
    const int span = std::max(slider->Max() - slider->Min(), 1);
    slider->setValue(slider->Min() + 1 + step % span);
  });
}
BENCHMARK(BM_PreviewEngravingDragOnLargeCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

// A deformation chosen, then its amount dragged across the slider: the
// stored layer is laid anew, every pixel it may cover mapped through the
// bend or the turn. Argument: the deformation's place among the options.
void BM_PreviewDeformationDragOnLargeCanvas(benchmark::State& run) {
  const auto option = static_cast<size_t>(run.range(0));
  timeLargeCanvasFrames(run, [option](DrawnWindow& drawn, int step) {
    if (step == 0) {
      // Only the panel of the selected tab takes clicks.
      drawn.window->panels()->showPanelOfTab(4);
      drawn.window->panels()->deformation().buttons()[option]->click();
    }
    TrackSlider* slider = drawn.window->panels()->deformation().amountSlider();
    const int span = std::max(slider->Max() - slider->Min(), 1);
    slider->setValue(slider->Min() + step % span);
  });
  run.SetLabel(option == 1 ? "turn" : "bend");
}
BENCHMARK(BM_PreviewDeformationDragOnLargeCanvas)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

// The title itself dragged over the canvas: pressed inside its frame, then
// moved a step each frame; the frame follows the pointer until the release.
void BM_PreviewTitleDragOnLargeCanvas(benchmark::State& run) {
  timeLargeCanvasFrames(run, [](DrawnWindow& drawn, int step) {
    const DesignFrame& frame = drawn.window->document().designFrame;
    const QPoint grip(frame.left + frame.width / 2, frame.top + frame.height / 2);
    PictureBox* view = drawn.window->canvasView();
    if (step == 0) emit view->mousePressed(Qt::LeftButton, Qt::LeftButton, grip);
    emit view->mouseMoved(Qt::LeftButton, grip + QPoint(step % 300, step % 150));
  });
}
BENCHMARK(BM_PreviewTitleDragOnLargeCanvas)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

// The three-entry stack of the stack cases, bottom first, and each of its
// entries alone: arguments 0 to 2 take one entry, 3 the whole stack.
EffectStack benchStack(int64_t choice) {
  const EffectStack stack{
      {EffectType::DropShadow, {60, 70, 70}, {}, true},
      {EffectType::Glow, {60, 0, 0}, {255, 200, 40}, true},
      {EffectType::Outline1, {30, 0, 0}, {255, 255, 255}, true},
  };
  if (choice >= 0 && choice < int64_t(stack.size())) return {stack[size_t(choice)]};
  return stack;
}

const char* benchStackLabel(int64_t choice) {
  static const char* const labels[] = {"drop shadow", "glow", "outline", "three-entry stack"};
  return labels[std::clamp<int64_t>(choice, 0, 3)];
}

// Frames of the live preview on the default canvas with the default title
// and the stack case's effects: the fill colour dragged across its palette,
// so every entry is shaded and painted anew each frame ("colour"), or the
// deformation slider, which lays the stored layers again ("deformation").
void BM_PreviewStackOnDefaultCanvas(benchmark::State& run) {
  DrawnWindow drawn;
  drawn.window->document().model.set(Setting::Effects, benchStack(run.range(0)));
  drawn.window->livePreview().setEnabled(true);
  drawn.window->draw();
  const bool colour = run.range(1) == 0;
  timeFrames(drawn, run, [colour](DrawnWindow& drawn, int step) {
    if (colour) {
      PictureBox* palette = drawn.window->panels()->inside().fillPalette();
      const QSize size = palette->picture().size();
      emit palette->mouseMoved(Qt::LeftButton,
                               QPoint(step % std::max(size.width(), 1), size.height() / 2));
    } else {
      drawn.window->panels()->deformation().amountSlider()->setValue(step % 90);
    }
  });
  run.SetLabel(std::string(benchStackLabel(run.range(0))) +
               (colour ? ", colour" : ", deformation"));
}
BENCHMARK(BM_PreviewStackOnDefaultCanvas)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ComputeStatistics("min", fastest)
    ->ReportAggregatesOnly(true);

}  // namespace
