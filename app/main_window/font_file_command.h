// "Font file…" beside the font list: adds a font file the user holds (the
// brand's own font) to the fonts of this run, so its family joins the list
// until the program ends. A file that cannot be used is refused with its
// cause in a message; nothing of it is copied anywhere.
#pragma once

#include <QObject>

class Platform;
class QAction;
class QWidget;

class FontFileCommand : public QObject {
  Q_OBJECT
 public:
  FontFileCommand(Platform& platform, QWidget& owner);

  QAction* action() const { return action_; }

  // Asks for a font file and adds it; what came of it is told by a signal
  // or a message.
  void chooseAndAdd();

 signals:
  // The file's family was added to the run's fonts.
  void familyAdded(const QString& family);

 private:
  Platform& platform_;
  QWidget& owner_;
  QAction* action_;
};
