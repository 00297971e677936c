// Velloro's help viewer: the HTML help pages shipped in help/ shown in one
// browser window, "MyWindow", reused for every page.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QTextBrowser>
#include <optional>

class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  void showPage(const QUrl& page);

 protected:
  // Esc closes the help, as it closes every other window of the program.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool placeBesideOwner();
  void fitOnScreen();
};

// Where a window of the `wanted` size goes, centred on `centre`, so that it
// and its `frame` (title bar and borders) lie wholly on the `available`
// part of the screen: moved in, and made smaller where the screen is.
QRect fittedOnScreen(QSize wanted, const QMargins& frame, const QRect& available, QPoint centre);

// Where the help goes beside an `owner` window (its inner rectangle) whose
// frame is `ownerFrame`, null while the window system has not told it: a
// usual title bar and borders then stand in, for the owner and the help.
struct HelpPlacement {
  QRect help;                          // inner rectangle of the help
  std::optional<QPoint> ownerFrameAt;  // where the owner's frame goes, when it must move
};
HelpPlacement helpBesideOwner(const QRect& owner, const QMargins& ownerFrame, QSize help,
                              const QRect& available);
