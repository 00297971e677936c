// "Font file…" beside the font list: adds a font file the user holds (the
// brand's own font) to the fonts of this run, so its family joins the list
// until the program ends. A file that cannot be used is refused with its
// cause in a message; nothing of it is copied anywhere.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class Platform;
class QAction;
class QToolButton;
class QWidget;

// The button beside the font list is this wide: a toolbar at the window's
// start width has no room for its caption, which its tooltip gives.
inline constexpr int fontFileButtonWidth = 24;

class FontFileCommand : public QObject {
  Q_OBJECT
 public:
  FontFileCommand(Platform& platform, QWidget& owner);

  QAction* action() const { return action_; }
  // A new button for the toolbar, beside the font list, that triggers the
  // action; owned by whatever holds it.
  QToolButton* button();

  // Asks for a font file and adds it; what came of it is told by a signal
  // or a message.
  void chooseAndAdd();

  // Adds the font file a style names; the problem when it cannot be used.
  QString addStyleFont(const QString& path);

  // The font file that provided `family` in this run; empty when none did.
  QString fileOf(const QString& family) const { return files_.value(family); }

 signals:
  // The file's family was added to the run's fonts.
  void familyAdded(const QString& family);

 private:
  Platform& platform_;
  QWidget& owner_;
  QAction* action_;
  QHash<QString, QString> files_;  // family -> the font file that provided it
};
