#include "platform/first_run_help.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/platform.h"
#include "platform/registry.h"

void showFirstRunHelpOnce(Platform& platform, const QString& programFolder) {
  const QString key = QStringLiteral("Software\\Velloro\\First");
  const QString value = QStringLiteral("Value");
  if (!registryRead(key, value).isEmpty()) return;
  registryWrite(key, value, QStringLiteral("1"));
  const QString helpPage = programFolder + QStringLiteral("/help/velloro.htm");
  if (!QFileInfo(helpPage).isFile()) return;
  QUrl page = QUrl::fromLocalFile(helpPage);
  page.setFragment(QStringLiteral("FirstRun"));
  platform.showHelp(page);
}
