// Styles in the window: File > Save style..., Load style... and the Styles
// submenu. A style is applied through the same handlers the user's clicks
// run, so that the kind settings and the source switch keep what it set.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>

#include "design/design_state.h"
#include "design/font_installed_instances.h"
#include "design/outside_effects.h"
#include "design/style_contrast.h"
#include "design/style_design.h"
#include "design/style_json.h"
#include "design/style_library.h"
#include "design/text_picture.h"
#include "files/file_writing.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "main_window/design_scene.h"
#include "main_window/font_file_command.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "main_window/style_gallery.h"
#include "main_window/text_layout_controls.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "widgets/thumbnail_menu_style.h"

using namespace Qt::StringLiterals;

namespace {

void showRefusal(const QString& path, const QString& problem) {
  platform().showMessage(
      {u"Cannot load the style \""_s + QFileInfo(path).fileName() + u"\": "_s + problem,
       MessageIcon::Exclamation});
}

QString shownStyleName(const QString& path) {
  QFile file(path);
  const QString named = file.open(QIODevice::ReadOnly) ? styleName(file.readAll()) : QString();
  return named.isEmpty() ? QFileInfo(path).completeBaseName() : named;
}

// A title about as light as the canvas under it is all but invisible: the
// user is told why, and what kind of canvas the style is made for.
void tellWhenTheTitleHardlyShows(const Style& style, const QString& path, const QImage& canvas) {
  if (style.fillKind == FillKind::Texture) return;
  const std::optional<Lightness> shared = sharedLightness(style.fillColour, canvas);
  if (!shared) return;
  const bool light = *shared == Lightness::Light;
  platform().showMessage(
      {u"The style \"%1\" draws a %2 title, which hardly shows on this %2 canvas: try it on a "
       u"%3 one (File > New, Open or Paste)."_s.arg(
           shownStyleName(path), light ? u"light"_s : u"dark"_s, light ? u"dark"_s : u"light"_s),
       MessageIcon::Information});
}

}  // namespace

QString MainWindow::stylesFolder() const { return programFolder_ + u"/styles"_s; }

Style MainWindow::currentStyle() const {
  Style style = styleOf(document_, document_.textPicture.font);
  // A texture of the shipped folder travels by name, so the style works in
  // every copy of the program.
  const QFileInfo texture(style.texture);
  if (texture.absolutePath() == QFileInfo(programFolder_ + u"/textures"_s).absoluteFilePath())
    style.texture = texture.fileName();
  return style;
}

void MainWindow::connectStyleCommands() {
  connect(actions_.saveStyle, &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuFileSaveStyle_Click, [this] { saveStyle(); });
  });
  connect(actions_.loadStyle, &QAction::triggered, this, [this] {
    runTrapped(platform(), siteTag::frmMain_mnuFileLoadStyle_Click, [this] {
      FileDialogRequest request;
      request.folder = stylesFolder();
      request.filter = u"Velloro styles (*.vstyle)"_s;
      request.title = u"Load style"_s;
      const QString chosen = platform().chooseFileToOpen(request);
      if (!chosen.isEmpty()) applyStyleFile(chosen);
    });
  });
  QMenu* styles = menu(u"mnuFileStyles"_s);
  auto* thumbnails = new ThumbnailMenuStyle(StyleGallery::thumbnailSize());
  thumbnails->setParent(styles);
  styles->setStyle(thumbnails);
  styleGallery_ = new StyleGallery(this);
  connect(styles, &QMenu::aboutToShow, this, &MainWindow::listStyles);
  menu(u"mnuFile"_s)->insertMenu(actions_.stylesPlace, styles);
}

void MainWindow::listStyles() {
  QMenu* styles = menu(u"mnuFileStyles"_s);
  styles->clear();
  const std::vector<StyleEntry> entries = stylesIn(stylesFolder());
  QList<QAction*> choices;
  for (const StyleEntry& entry : entries) {
    QAction* choice = styles->addAction(entry.name);
    connect(choice, &QAction::triggered, this, [this, path = entry.path] {
      runTrapped(platform(), siteTag::frmMain_mnuFileStyles_Click,
                 [this, &path] { applyStyleFile(path); });
    });
    choices << choice;
  }
  if (styles->isEmpty()) styles->addAction(u"(no styles)"_s)->setEnabled(false);
  showStyleThumbnails(entries, choices);
}

// Each readable style gets the title drawn in it; the rest keep their plain
// entry, which reports what is wrong when chosen.
void MainWindow::showStyleThumbnails(const std::vector<StyleEntry>& entries,
                                     const QList<QAction*>& choices) {
  const QString text = sourceFrame_->textBox()->text();
  if (text.trimmed().isEmpty()) return;
  const Style current = currentStyle();
  QList<GalleryEntry> gallery;
  for (size_t i = 0; i < entries.size(); ++i) {
    try {
      const Style style = readStyleFile(entries[i].path, current);
      const QString texture = QFileInfo(style.texture).isAbsolute()
                                  ? style.texture
                                  : programFolder_ + u"/textures/"_s + style.texture;
      gallery << GalleryEntry{choices[qsizetype(i)], titleSceneOf(document_, style, {}, {}),
                              texture};
    } catch (const StyleError&) {
    }
  }
  styleGallery_->show(gallery, text, privateEngine());
}

void MainWindow::saveStyle() {
  FileDialogRequest request;
  request.folder = stylesFolder();
  request.fileName = u"MyStyle.vstyle"_s;
  request.filter = u"Velloro styles (*.vstyle)"_s;
  request.defaultSuffix = u"vstyle"_s;
  request.title = u"Save style"_s;
  const QString chosen = platform().chooseFileToSave(request);
  if (chosen.isEmpty()) return;
  Style style = currentStyle();
  keepFontFileBeside(chosen, style);
  writeFileReplacing(chosen, styleDocument(style, QFileInfo(chosen).completeBaseName()));
}

// A family added from a font file, or from a document that carried it, is
// on no other machine: the style may keep the file beside it, and name it,
// when the user wants that.
void MainWindow::keepFontFileBeside(const QString& styleFile, Style& style) {
  const DocumentFontFile carried = fontFile_->carriedFileOf(style.font.family);
  if (carried.name.isEmpty()) return;
  const QString& name = carried.name;
  const MessageAnswer answer = platform().showMessage(
      {u"The font \"%1\" comes from the font file '%2'. Keep a copy of the file beside the "
       u"style, so that the style draws in this font on any machine?"_s.arg(style.font.family,
                                                                            name),
       MessageIcon::Question, MessageButtons::YesNo, applicationTitle, this});
  if (answer != MessageAnswer::Yes) return;
  const QString beside = QFileInfo(styleFile).absoluteDir().filePath(name);
  const QString fontFile = fontFile_->fileOf(style.font.family);  // none from a document
  if (fontFile.isEmpty() ||
      QFileInfo(beside).canonicalFilePath() != QFileInfo(fontFile).canonicalFilePath())
    writeFileReplacing(beside, carried.bytes);
  style.font.file = name;
}

void MainWindow::applyStyleFile(const QString& path) {
  Style style;
  QString texture;
  try {
    style = readStyleFile(path, currentStyle());
    if (!style.font.file.isEmpty()) {
      const QString fontFile = QFileInfo(path).absoluteDir().filePath(style.font.file);
      if (const QString problem = fontFile_->addStyleFont(fontFile); !problem.isEmpty())
        throw StyleError(u"\"font.file\" '"_s + style.font.file + u"': "_s + problem);
    }
    if (style.fillKind == FillKind::Texture) {
      texture = QFileInfo(style.texture).isAbsolute()
                    ? style.texture
                    : programFolder_ + u"/textures/"_s + style.texture;
      if (!QFileInfo(texture).isFile())
        throw StyleError(u"\"fill.texture\" names no texture file: "_s + style.texture);
      loadPicture(texture);
    }
  } catch (const StyleError& error) {
    showRefusal(path, error.message());
    return;
  } catch (const Failure& failure) {
    showRefusal(path, u"\"fill.texture\": "_s + failure.description());
    return;
  }
  applyStyle(style, texture);
  tellWhenTheTitleHardlyShows(style, path, canvasView()->picture());
}

void MainWindow::applyStyle(const Style& style, const QString& texturePath) {
  panels_->applyStyle(style, texturePath);
  applyStyleFont(style.font);
  livePreview_->settingChanged();
}

// A family missing on this machine is drawn in another font, which the
// status pane names, as a render's line on standard error does.
void MainWindow::applyStyleFont(const StyleFont& font) {
  const bool installed = listedFamilies().contains(font.family, Qt::CaseInsensitive);
  fontNameBox()->setEditText(font.family);
  fontListClicked();
  if (!installed)
    showStatus(
        u"The font family '%1' is not installed and no font file provides it; drawn in "
        u"'%2'"_s.arg(font.family, document_.textPicture.font.family()));
  fontSizeBox()->setEditText(QString::number(font.pointSize));
  validateFontSize();
  const QFont& printed = document_.textPicture.font;
  if (printed.bold() != font.bold) toggleFontAttribute(u"Bold"_s);
  if (printed.italic() != font.italic) toggleFontAttribute(u"Italic"_s);
  if (printed.underline() != font.underline) toggleFontAttribute(u"Underline"_s);
  document_.textPicture.arrangement = styleArrangement(font);
  textLayout_->show(document_.textPicture.arrangement);
}
