// The Help commands: the help contents and the About box.
#include <QAction>
#include <QFileInfo>
#include <QUrl>

#include "files/site_tags.h"
#include "main_window/about_box.h"
#include "main_window/main_window.h"
#include "platform/error_report.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

void MainWindow::connectHelpCommands() {
  connect(actions_.helpContents, &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuHelpContents_Click, [this] { showHelpContents(); });
  });
  connect(actions_.about, &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuHelpAbout_Click, [this] { showAbout(); });
  });
}

void MainWindow::showHelpContents() {
  const QString contents = programFolder_ + u"/help/velloro.htm"_s;
  if (QFileInfo(contents).isFile()) {
    platform().showHelp(QUrl::fromLocalFile(contents));
    return;
  }
  platform().showMessage(
      {u"Unable to display Help Contents. There is no Help associated with this project."_s,
       MessageIcon::Information, MessageButtons::Ok, windowTitle()});
}

void MainWindow::showAbout() {
  AboutBox about(this, document_.fontScaleFactor);
  about.load();
  about.exec();
}
