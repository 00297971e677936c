#include "platform/help_window.h"

#include <QScreen>
#include <algorithm>

#include "platform/platform.h"

namespace {

const QSize pageSize(720, 540);
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
  return measured.isNull() ? usualFrame : measured;
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

// Placed on the owner's screen, over the owner, with its frame on the
// screen: at a doubled scale a small screen has room for less than a page.
void HelpWindow::showPage(const QUrl& page) {
  setSource(page);
  if (!isVisible()) {
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : this->screen();
    if (screen) {
      const QRect available = screen->availableGeometry();
      const QPoint centre = owner ? owner->frameGeometry().center() : available.center();
      setGeometry(fittedOnScreen(pageSize, frameOf(*this), available, centre));
    }
  }
  show();
  raise();
  activateWindow();
}
