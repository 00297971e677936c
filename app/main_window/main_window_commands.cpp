// The toolbar, the menus and the commands they run.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "design/design_state.h"
#include "files/picture_loading.h"
#include "files/site_tags.h"
#include "main_window/font_file_command.h"
#include "main_window/main_window.h"
#include "main_window/menu_table.h"
#include "main_window/panel_building.h"
#include "main_window/text_layout_controls.h"
#include "main_window/toolbar_icons.h"
#include "main_window/toolbar_table.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "rendering/layer_space.h"
#include "tools/picture_tool.h"

namespace {

// The widest the font box grows to show a family's whole name.
constexpr int widestFontBox = 220;

// What the box needs to show `name` whole: the name, the line edit's own
// margins and what the style draws around its edit field.
int boxWidthShowing(const QComboBox& box, const QString& name) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  option.editable = true;
  option.rect = QRect(0, 0, widestFontBox, box.height());
  const QRect field =
      box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box);
  const QLineEdit& shown = *box.lineEdit();
  const QMargins margins = shown.textMargins() + shown.contentsMargins();
  // A line edit keeps 2 pixels beside its text on each side, and the
  // cursor one more.
  return widestFontBox - field.width() + shown.fontMetrics().horizontalAdvance(name) +
         margins.left() + margins.right() + 5;
}

// A theme's larger font still shows the family whole: the box grows from
// its toolbar width as far as `widestFontBox`, and a name longer than that
// is shown from its start and given whole in the tooltip.
void fitToFamilyName(QComboBox& box, int narrowest, const QString& name) {
  const int wanted = boxWidthShowing(box, name);
  box.setFixedWidth(std::clamp(wanted, narrowest, widestFontBox));
  box.lineEdit()->setToolTip(wanted > widestFontBox ? name : box.toolTip());
}

QComboBox* fontCombo(const QString& name, int width, bool editable) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setFixedWidth(width);
  if (editable) return list;
  QLineEdit* shown = list->lineEdit();
  shown->setReadOnly(true);
  // Setting a text puts the cursor after its last letter, and a name wider
  // than the box would scroll its first letters out of view to show it.
  QObject::connect(shown, &QLineEdit::cursorPositionChanged, shown, [shown](int, int now) {
    if (now != 0) shown->home(false);
  });
  QObject::connect(shown, &QLineEdit::textChanged, list,
                   [list, width](const QString& family) { fitToFamilyName(*list, width, family); });
  return list;
}

// The menu entry whose command a plain toolbar button runs; none for others.
QAction* toolbarMenuEntry(const MenuActions& actions, const QString& key) {
  const std::pair<const char*, QAction*> entries[] = {
      {"New", actions.fileNew},       {"Open", actions.fileOpen}, {"Save", actions.fileSave},
      {"Print", actions.print},       {"Undo", actions.undo},     {"Redo", actions.redo},
      {"Help", actions.helpContents},
  };
  for (const auto& [button, entry] : entries)
    if (key == QLatin1String(button)) return entry;
  return nullptr;
}

QWidget* spacer(int width) {
  auto* gap = new QWidget;
  gap->setFixedWidth(width);
  return gap;
}

}  // namespace

void MainWindow::buildToolbar() {
  toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize({16, 16});
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  fontNameBox_ = fontCombo(QStringLiteral("List1"), 98, false);
  fontFile_ = new FontFileCommand(platform(), *this);
  connect(fontFile_, &FontFileCommand::familyAdded, this, &MainWindow::chooseAddedFamily);
  // The size box gives the font file button its room: three digits still
  // show whole in it.
  fontSizeBox_ = fontCombo(QStringLiteral("List2"), 102 - fontFileButtonWidth, true);
  describeSetting(fontSizeBox_, Setting::FontSize);
  describeSetting(fontNameBox_, Setting::FontFamily);
  for (QComboBox* box : {fontNameBox_, fontSizeBox_}) {
    box->lineEdit()->setAccessibleName(box->accessibleName());
    box->lineEdit()->setToolTip(box->toolTip());
  }
  int placeholder = 0;
  for (const ToolButtonEntry& entry : toolButtonTable()) {
    switch (entry.style) {
      case ToolStyle::Separator: toolBar_->addSeparator(); break;
      case ToolStyle::Placeholder: {
        QWidget* held = placeholder == 0   ? fontNameBox_
                        : placeholder == 1 ? fontSizeBox_
                                           : spacer(entry.width);
        toolBar_->addWidget(held);
        if (held == fontNameBox_) toolBar_->addWidget(fontFile_->button());
        ++placeholder;
        break;
      }
      default: {
        QAction* button = toolBar_->addAction(
            toolIcon(entry.key, *style(), palette().color(QPalette::ButtonText)), entry.key);
        button->setObjectName(entry.key);
        button->setToolTip(entry.key);
        button->setCheckable(entry.style == ToolStyle::Check);
        if (entry.style == ToolStyle::Check)
          button->setChecked(entry.initiallyOn);
        else
          button->setEnabled(entry.initiallyOn);
        connect(button, &QAction::triggered, this,
                [this, key = entry.key] { toolbarClicked(key); });
        toolButtons_.insert(entry.key, button);
        // Tab reaches the toolbar's buttons too, not only the pointer.
        toolBar_->widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
      }
    }
  }
  textLayout_ = new TextLayoutControls(*sourceFrame_);
}

void MainWindow::buildMenus() {
  for (const MenuDefinition& definition : menuTable()) {
    auto* menu = new QMenu(definition.caption, this);
    menu->setObjectName(definition.name);
    menus_.insert(definition.name, menu);
    if (definition.inMenuBar) menuBar()->addMenu(menu);
    for (const MenuEntry& entry : definition.entries) {
      QAction* action = entry.caption == QLatin1String("-") ? menu->addSeparator()
                                                            : menu->addAction(entry.caption);
      action->setObjectName(entry.name);
      action->setShortcuts(QKeySequence::listFromString(entry.shortcut));
      menuEntries_.insert(entry.name, action);
    }
  }
  actions_ = menuActions(menuEntries_);
  actions_.crop->setCheckable(true);
}

void MainWindow::connectMenuEntries() {
  auto on = [this](QAction* entry, std::string_view tag, std::function<void()> command) {
    connect(entry, &QAction::triggered, this,
            [tag, command] { runTrapped(platform(), tag, command); });
  };
  connectHelpCommands();
  connectPictureTool();
  on(actions_.exit, siteTag::frmMain_mnuFileExit_Click, [this] { close(); });
  on(actions_.copy, siteTag::frmMain_mnuEditCopy_Click, [this] { copyCanvas(); });
  on(actions_.paste, siteTag::frmMain_mnuEditPaste_Click, [this] { pasteCanvas(); });
  on(actions_.undo, siteTag::frmMain_mnuEditUndo_Click,
     [this] { document_.undo.undo(document_.workingFiles.canvas, platform()); });
  on(actions_.redo, siteTag::frmMain_mnuEditRedo_Click, [this] { document_.undo.redo(); });
  on(actions_.picture, siteTag::frmMain_mnuToolsPicture_Click, [this] {
    selectSource(SourceKind::Picture, Qt::NoButton);
    showPictureTool();
  });
  on(actions_.drawing, siteTag::frmMain_mnuToolsDrawing_Click,
     [this] { selectSource(SourceKind::Shape, Qt::NoButton); });
  on(actions_.symbols, siteTag::frmMain_mnuToolsSymbols_Click, [this] { showSymbols(); });
  connect(actions_.font, &QAction::triggered, this, &MainWindow::fontDialog);
  connect(actions_.fitToBox, &QAction::triggered, this, [this] { boxFit_.ask(platform(), *this); });
  connect(menu(QStringLiteral("mnuedit")), &QMenu::aboutToShow, this, &MainWindow::editMenuOpening);
}

// A press on "pic" with any button but the left one opens the picture tool,
// after the source selection has made the picture the source.
void MainWindow::connectPictureTool() {
  connect(
      sourceFrame_, &SourceFrame::sourcePressed, this, [this](int index, Qt::MouseButton button) {
        if (SourceKind{index} == SourceKind::Picture && button != Qt::LeftButton)
          runTrapped(platform(), siteTag::frmMain_Option4_MouseDown, [this] { showPictureTool(); });
      });
}

PictureTool* MainWindow::pictureTool() const { return pictureTool_; }

void MainWindow::showPictureTool() {
  if (!pictureTool_) {
    pictureTool_ = new PictureTool(*this, ToolDesign(document_), platform());
    pictureTool_->useEngine(*engine_);
    pictureTool_->showEllipseRatio = [this] { showEllipseRatio(); };
    pictureTool_->load();
  }
  pictureTool_->show();
  pictureTool_->raise();
  pictureTool_->activateWindow();
}

void MainWindow::connectUndoStore() {
  document_.undo.setListener({
      [this](const QString& pictureFile) { canvasView()->setPicture(loadPicture(pictureFile)); },
      [this] {
        canvasArea_->captureCanvas();
        fileCommands_->canvasChanged();
      },
      [this](bool enabled) { enableUndoCommand(QStringLiteral("Undo"), actions_.undo, enabled); },
      [this](bool enabled) { enableUndoCommand(QStringLiteral("Redo"), actions_.redo, enabled); },
      [this] { return document_.layerOrigin; },
      [this](QPoint origin) { moveLayerOrigin(document_, origin); },
      [this] { return document_.currentPictureName; },
      [this](const QString& name) { document_.currentPictureName = name; },
  });
  enableUndoCommand(QStringLiteral("Undo"), actions_.undo, false);
  enableUndoCommand(QStringLiteral("Redo"), actions_.redo, false);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::enablePaste);
  enablePaste();
}

// The toolbar buttons and the shortcuts run the menu entries, so an entry
// follows its command's state at once rather than only when its menu opens.
void MainWindow::enableUndoCommand(const QString& key, QAction* entry, bool enabled) {
  toolButton(key)->setEnabled(enabled);
  entry->setEnabled(enabled);
}

void MainWindow::enablePaste() {
  const QMimeData* clipboard = QApplication::clipboard()->mimeData();
  actions_.paste->setEnabled(clipboard && clipboard->hasImage());
}

void MainWindow::toolbarClicked(const QString& key) {
  runTrapped(platform(), siteTag::frmMain_ToolBar1_ButtonClick, [&] {
    if (key == QLatin1String("Bold") || key == QLatin1String("Italic") ||
        key == QLatin1String("Underline")) {
      toggleFontAttribute(key);
    } else if (key == QLatin1String("Crop")) {
      // The button changed its state already; the menu entry changes it again.
      QAction* crop = toolButton(key);
      crop->setChecked(!crop->isChecked());
      actions_.crop->trigger();
    } else if (QAction* entry = toolbarMenuEntry(actions_, key)) {
      entry->trigger();
    }
  });
}

void MainWindow::editMenuOpening() {
  // Undo and Redo follow the undo store already; the clipboard may have
  // changed behind Qt's back on some platforms.
  runTrapped(platform(), siteTag::frmMain_mnuedit_Click, [this] { enablePaste(); });
}

void MainWindow::copyCanvas() {
  QApplication::clipboard()->clear();
  BusyPointer busy(platform());
  auto* content = new QMimeData;
  content->setImageData(canvasView()->picture());
  canvasArea_->offerTransparentDesign(*content);
  QApplication::clipboard()->setMimeData(content);
}

void MainWindow::pasteCanvas() {
  const QImage pasted = QApplication::clipboard()->image();
  if (pasted.isNull()) return;
  document_.undo.record(document_.workingFiles.canvas, platform());
  {
    BusyPointer busy(platform());
    // A pasted cut-out (a transparent PNG) lies on white, as an opened one does.
    canvasView()->setPicture(opaqueOnWhite(pasted));
  }
  canvasArea_->captureCanvas();
  fileCommands_->canvasChanged();
}
