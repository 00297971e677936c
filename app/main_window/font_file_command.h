// "Font file…" beside the font list: adds a font file the user holds (the
// brand's own font) to the fonts of this run, so its family joins the list
// until the program ends. A file that cannot be used is refused with its
// cause in a message; nothing of it is copied anywhere. A document carries
// the file of its title's family, so the run keeps each added file's bytes.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "document/velloro_document.h"

struct AddedFont;
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

  // The font file that provided `family` in this run; empty when none did,
  // or when the family came from a document.
  QString fileOf(const QString& family) const { return files_.value(family); }

  // The font file that provided `family`, to travel in a document; empty
  // when none did.
  DocumentFontFile carriedFileOf(const QString& family) const { return carried_.value(family); }

  // Adds the font file a document carries, from memory; the problem when it
  // cannot be used.
  QString addDocumentFont(const DocumentFontFile& font);

 signals:
  // The file's family was added to the run's fonts.
  void familyAdded(const QString& family);

 private:
  Platform& platform_;
  QWidget& owner_;
  QAction* action_;
  QHash<QString, QString> files_;             // family -> the font file that provided it
  QHash<QString, DocumentFontFile> carried_;  // family -> its file's name and bytes

  void keep(const AddedFont& added, const QString& path);
};
