// The main window's size and place: big enough to show its canvas whole,
// growing with a larger canvas up to the screen, and where the user left it
// in the last run.
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

#include "main_window/main_window.h"
#include "main_window/scroll_fit.h"
#include "main_window/source_frame.h"
#include "platform/program_settings.h"

namespace {

// The tab panels are laid out for this width.
constexpr int panelsWidth = 556;
// Room for a title bar before the window is shown and its frame is known.
constexpr int titleBarAllowance = 32;

// How far each further copy of the program opens from the one before.
constexpr int copyStep = 32;

const QString placementKey = QStringLiteral("Window/Geometry");

}  // namespace

// The viewport takes the canvas with a bar's thickness around it, so no
// scroll bar shows.
QSize MainWindow::sizeShowingCanvas(QSize canvas) const {
  const int bars = menuBar()->sizeHint().height() + toolBar_->sizeHint().height() +
                   statusBar()->sizeHint().height();
  const int width = std::max(
      {panelsWidth, toolBar_->sizeHint().width(), canvas.width() + 2 * scrollBarThickness});
  return {width,
          bars + sourceFrameHeight + tabStripHeight + canvas.height() + 2 * scrollBarThickness};
}

QSize MainWindow::boundedToScreen(QSize wanted) const {
  QSize frame = frameGeometry().size() - size();
  if (!isVisible()) frame = frame.expandedTo({0, titleBarAllowance});
  return wanted.boundedTo(screen()->availableGeometry().size() - frame);
}

void MainWindow::placeAtStart() {
  placeAsLastLeft();
  stepAsideFromOtherCopies();
}

void MainWindow::placeAsLastLeft() {
  const QByteArray kept = programSettings().value(placementKey).toByteArray();
  if (!kept.isEmpty() && restoreGeometry(kept)) return;
  const QRect screenArea = screen()->availableGeometry();
  const QSize wanted = boundedToScreen(sizeShowingCanvas(canvasView()->size()));
  setGeometry(screenArea.x() + (screenArea.width() - wanted.width()) / 2,
              screenArea.y() + std::max(0, (screenArea.height() - wanted.height()) / 3),
              wanted.width(), wanted.height());
}

// Each further copy opens a title bar's height lower and to the right.
void MainWindow::stepAsideFromOtherCopies() {
  if (isMaximized() || isFullScreen()) return;
  if (windowSlot_.number() == 0) return;
  // move() places the frame, as frameGeometry() measures it.
  const QRect frame = frameGeometry();
  move(placeOfCopy(frame.topLeft(), frame.size(), screen()->availableGeometry(),
                   windowSlot_.number(), copyStep));
}

// A window the user maximised keeps its size; one that grows is moved back
// onto the screen where it would leave it.
void MainWindow::growToCanvas() {
  if (canvasView()->size() == grownForCanvas_) return;
  grownForCanvas_ = canvasView()->size();
  if (!isVisible() || isMaximized() || isFullScreen()) return;
  const QSize wanted = boundedToScreen(sizeShowingCanvas(canvasView()->size()).expandedTo(size()));
  if (wanted == size()) return;
  resize(wanted);
  const QRect screenArea = screen()->availableGeometry();
  const QRect frame = frameGeometry();
  move(std::clamp(frame.x(), screenArea.left(),
                  std::max(screenArea.left(), screenArea.right() + 1 - frame.width())),
       std::clamp(frame.y(), screenArea.top(),
                  std::max(screenArea.top(), screenArea.bottom() + 1 - frame.height())));
}

void MainWindow::rememberPlacement() { programSettings().setValue(placementKey, saveGeometry()); }
