#include "desktop/help_window.h"

#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "platform/beside_placement.h"
#include "platform/platform.h"

namespace {

const QSize pageSize(720, 540);
// A help page is hard to read any narrower.
constexpr int narrowestHelp = 360;
// The frame a window manager adds, before the window has one to measure: a
// title bar and thin borders.
const QMargins usualFrame(4, 30, 4, 4);

int clampedStart(int start, int length, int freeStart, int freeLength) {
  return std::clamp(start, freeStart, freeStart + std::max(0, freeLength - length));
}

QMargins frameOf(const QWidget& window) {
  const QRect inner = window.geometry();
  const QRect outer = window.frameGeometry();
  const QMargins measured(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom());
  return measured;
}

}  // namespace

QRect fittedOnScreen(QSize wanted, const QMargins& frame, const QRect& available, QPoint centre) {
  const QSize inner = wanted.boundedTo(available.size().shrunkBy(frame));
  QRect outer(QPoint(), inner.grownBy(frame));
  outer.moveCenter(centre);
  outer.moveTo(clampedStart(outer.left(), outer.width(), available.left(), available.width()),
               clampedStart(outer.top(), outer.height(), available.top(), available.height()));
  return outer.marginsRemoved(frame);
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setObjectName(QStringLiteral("MyWindow"));
  setWindowTitle(applicationTitle);
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setOpenExternalLinks(true);
  resize(pageSize);
}

void HelpWindow::showPage(const QUrl& page) {
  setSource(page);
  if (isHidden() && !placeBesideOwner()) fitOnScreen();
  show();
  raise();
  activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QTextBrowser::keyPressEvent(event);
}

// The help opens beside the window it explains, not over it; the window
// moves aside when the screen is too narrow for both where it stands. The
// help's own frame is not known before it shows: the owner's stands in, or
// a usual frame while the owner, just shown, has none measured yet (at
// start, with the first-run help), so the help's title bar stays on the
// screen however large the scale.
bool HelpWindow::placeBesideOwner() {
  QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner || !owner->isVisible()) return false;
  const HelpPlacement placed = helpBesideOwner(owner->geometry(), frameOf(*owner), size(),
                                               owner->screen()->availableGeometry());
  if (placed.ownerFrameAt) owner->move(*placed.ownerFrameAt);
  setGeometry(placed.help);
  return true;
}

HelpPlacement helpBesideOwner(const QRect& owner, const QMargins& ownerFrame, QSize help,
                              const QRect& available) {
  const QMargins frame = ownerFrame.isNull() ? usualFrame : ownerFrame;
  const QRect framedOwner = owner.marginsAdded(frame);
  const BesidePlacement placed =
      besideOwner(framedOwner, help.grownBy(frame), available, narrowestHelp);
  if (placed.owner == framedOwner.topLeft()) return {placed.companion.marginsRemoved(frame), {}};
  return {placed.companion.marginsRemoved(frame), placed.owner};
}

// Without a shown owner the help stands alone, centred, with its frame wholly
// on the screen's free area whatever the scale.
void HelpWindow::fitOnScreen() {
  const QScreen* shownOn = screen();
  if (!shownOn) return;
  const QRect available = shownOn->availableGeometry();
  const QMargins frame = frameOf(*this);
  setGeometry(
      fittedOnScreen(pageSize, frame.isNull() ? usualFrame : frame, available, available.center()));
}
