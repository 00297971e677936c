#include "main_window/font_file_command.h"

#include <QAction>
#include <QFileInfo>
#include <QToolButton>
#include <QWidget>

#include "design/font_file.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

FontFileCommand::FontFileCommand(Platform& platform, QWidget& owner)
    : QObject(&owner), platform_(platform), owner_(owner), action_(new QAction(&owner)) {
  action_->setObjectName(u"FontFile"_s);
  action_->setText(u"Font file\u2026"_s);
  action_->setToolTip(u"Add a font file (TTF, OTF, WOFF, WOFF2) to the font list"_s);
  connect(action_, &QAction::triggered, this, &FontFileCommand::chooseAndAdd);
}

QToolButton* FontFileCommand::button() {
  auto* shown = new QToolButton;
  shown->setObjectName(u"FontFileButton"_s);
  shown->setText(u"\u2026"_s);
  shown->setToolTip(action_->toolTip());
  shown->setAccessibleName(u"Font file"_s);
  shown->setFixedWidth(fontFileButtonWidth);
  shown->setFocusPolicy(Qt::TabFocus);
  connect(shown, &QToolButton::clicked, action_, &QAction::trigger);
  return shown;
}

void FontFileCommand::chooseAndAdd() {
  FileDialogRequest request;
  request.filter = u"Font files (*.ttf *.otf *.ttc *.otc *.woff *.woff2)"_s;
  request.title = u"Font file"_s;
  request.owner = &owner_;
  const QString path = platform_.chooseFileToOpen(request);
  if (path.isEmpty()) return;
  const AddedFont added = addFontFile(path);
  if (!added.problem.isEmpty()) {
    platform_.showMessage(
        {u"The font file '%1' cannot be used: %2"_s.arg(QFileInfo(path).fileName(), added.problem),
         MessageIcon::Exclamation, MessageButtons::Ok, applicationTitle, &owner_});
    return;
  }
  keep(added, path);
  emit familyAdded(added.family);
}

QString FontFileCommand::addStyleFont(const QString& path) {
  const AddedFont added = addFontFile(path);
  if (added.problem.isEmpty()) keep(added, path);
  return added.problem;
}

QString FontFileCommand::addDocumentFont(const DocumentFontFile& font) {
  const AddedFont added = addFontBytes(font.bytes);
  if (!added.problem.isEmpty()) return added.problem;
  for (const QString& family : QStringList(added.family) + added.instanceFamilies)
    carried_.insert(family, font);
  return {};
}

// A variable font's instances come from the same file as its family.
void FontFileCommand::keep(const AddedFont& added, const QString& path) {
  const DocumentFontFile carried{QFileInfo(fontFileName(path).path).fileName(), added.bytes};
  for (const QString& family : QStringList(added.family) + added.instanceFamilies) {
    files_.insert(family, path);
    carried_.insert(family, carried);
  }
}
