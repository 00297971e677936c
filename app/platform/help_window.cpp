#include "platform/help_window.h"

#include <QScreen>

#include "platform/beside_placement.h"
#include "platform/platform.h"

namespace {

// A help page is hard to read any narrower.
constexpr int narrowestHelp = 360;

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setObjectName(QStringLiteral("MyWindow"));
  setWindowTitle(applicationTitle);
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setOpenExternalLinks(true);
  resize(720, 540);
}

void HelpWindow::showPage(const QUrl& page) {
  setSource(page);
  if (isHidden()) placeBesideOwner();
  show();
  raise();
  activateWindow();
}

// The help opens beside the window it explains, not over it; the window
// moves aside when the screen is too narrow for both where it stands. The
// help's own frame is not known before it shows: the owner's stands in.
void HelpWindow::placeBesideOwner() {
  QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner || !owner->isVisible()) return;
  const QRect ownerFrame = owner->frameGeometry();
  const QPoint inset = owner->geometry().topLeft() - ownerFrame.topLeft();
  const QSize extra = ownerFrame.size() - owner->size();
  const BesidePlacement placed =
      besideOwner(ownerFrame, size() + extra, owner->screen()->availableGeometry(), narrowestHelp);
  if (placed.owner != ownerFrame.topLeft()) owner->move(placed.owner);
  setGeometry(QRect(placed.companion.topLeft() + inset, placed.companion.size() - extra));
}
