// File > Open Recent: the pictures opened lately, newest first.
#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "main_window/main_window.h"
#include "platform/platform.h"
#include "state/error_report.h"
#include "state/recent_files.h"
#include "state/site_tags.h"

using namespace Qt::StringLiterals;

void MainWindow::connectRecentFiles() {
  QMenu* recent = menu(u"mnuFileRecent"_s);
  connect(recent, &QMenu::aboutToShow, this, &MainWindow::listRecentFiles);
  menu(u"mnuFile"_s)->insertMenu(menuEntry(u"mnuFileBar0"_s), recent);
}

// Numbered entries, so each has a key of its own; the full path shows as the
// tooltip, since names alone repeat across folders.
void MainWindow::listRecentFiles() {
  QMenu* recent = menu(u"mnuFileRecent"_s);
  recent->clear();
  recent->setToolTipsVisible(true);
  const QStringList files = recentFiles();
  for (qsizetype index = 0; index < files.size(); ++index) {
    const QString& path = files[index];
    const QString number = index < 9 ? u"&%1"_s.arg(index + 1) : u"1&0"_s;
    QAction* choice = recent->addAction(number + u"  "_s + QFileInfo(path).fileName());
    choice->setToolTip(path);
    connect(choice, &QAction::triggered, this, [this, path] {
      runTrapped(platform(), siteTag::frmMain_mnuFileOpen_Click, [&] { openRecentFile(path); });
    });
  }
  if (recent->isEmpty()) recent->addAction(u"(no recent files)"_s)->setEnabled(false);
}

void MainWindow::openRecentFile(const QString& path) {
  if (QFileInfo(path).isFile()) {
    openPictureFile(path);
    return;
  }
  forgetRecentFile(path);
  platform().showMessage({path + u" no longer exists.\r\nIt was removed from the recent files."_s,
                          MessageIcon::Exclamation, MessageButtons::Ok, applicationTitle, this});
}
