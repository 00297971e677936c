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

// The help opens beside the window it explains, not over it. Its own frame
// is not known before it shows: the owner's frame stands in for it.
void HelpWindow::placeBesideOwner() {
  const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
  if (!owner || !owner->isVisible()) return;
  const QRect ownerFrame = owner->frameGeometry();
  const QPoint inset = owner->geometry().topLeft() - ownerFrame.topLeft();
  const QSize extra = ownerFrame.size() - owner->size();
  const QRect placed =
      besideOwner(ownerFrame, size() + extra, owner->screen()->availableGeometry(), narrowestHelp);
  setGeometry(QRect(placed.topLeft() + inset, placed.size() - extra));
}
