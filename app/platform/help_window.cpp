#include "platform/help_window.h"

#include "platform/platform.h"

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
  show();
  raise();
  activateWindow();
}
