// The status bar's notice of a drawn title with characters that no font
// draws: the title is drawn as far as it can be, and the notice names what
// it lacks, as the cut notice names where a design runs past the canvas.
// It follows the title box as the user types and changes the font, so it
// tells at once, drawn or not, and goes away once every character draws.
#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>

class QPlainTextEdit;
class QStatusBar;
class TextPicture;

class MissingGlyphsNotice : public QLabel {
  Q_OBJECT
 public:
  // Takes its place in `statusBar`, before the cut notice.
  explicit MissingGlyphsNotice(QStatusBar& statusBar);

  // Shows which characters of `text` no font draws as `picture` prints
  // them, or hides the notice when every one is drawn.
  void showFor(const TextPicture& picture, const QString& text);

  // Runs `check` (which shows or hides the notice) whenever the text or the
  // font of `titleBox` changed, once the handlers of that change are done:
  // they set the title's font after the box's.
  void follow(QPlainTextEdit& titleBox, std::function<void()> check);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer recheck_;
};
