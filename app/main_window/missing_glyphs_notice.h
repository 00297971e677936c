// The status bar's notice of a drawn title with characters that no font
// draws: the title is drawn as far as it can be, and the notice names what
// it lacks, as the cut notice names where a design runs past the canvas.
#pragma once

#include <QLabel>

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
};
