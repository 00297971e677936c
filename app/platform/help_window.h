// Velloro's help viewer: the HTML help pages shipped in help/ shown in one
// browser window, "MyWindow", reused for every page.
#pragma once

#include <QTextBrowser>

class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void showPage(const QUrl& page);

 private:
  void placeBesideOwner();
};
