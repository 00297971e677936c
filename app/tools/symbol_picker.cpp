#include "tools/symbol_picker.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "design/text_picture.h"
#include "files/site_tags.h"
#include "platform/error_report.h"
#include "platform/platform.h"
#include "tools/symbol_fonts.h"
#include "widgets/control_fonts.h"
#include "widgets/described.h"
#include "widgets/escape_cancels.h"
#include "widgets/main_window_link.h"
#include "widgets/placed_control.h"

namespace {

constexpr int windowWidth = 469;
constexpr int windowHeight = 354;
constexpr int listPointSize = 28;
constexpr int textPointSize = 18;
// The window has room for six font buttons above its commands.
constexpr std::size_t maxFontButtons = 6;

QListWidget* makeSymbolList(QWidget* window) {
  auto* list = new QListWidget(window);
  list->setObjectName(QStringLiteral("List1"));
  list->setViewMode(QListView::IconMode);
  list->setFlow(QListView::LeftToRight);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  list->setMovement(QListView::Static);
  list->setGridSize({48, 52});
  list->setGeometry(200, 12, 256, 240);
  // A click must leave the focus in the text box: taking it would drop the
  // box's selection, which the picked symbol replaces.
  list->setFocusPolicy(Qt::TabFocus);
  describe(list, QStringLiteral("Symbols"), QStringLiteral("Click a symbol to add it to the text"));
  return list;
}

}  // namespace

SymbolPicker::SymbolPicker(MainWindowLink& main, ScreenScale scale, Platform& platform)
    : main_(main), scale_(scale), platform_(platform) {
  setObjectName(QStringLiteral("FrmSymbols"));
  setWindowTitle(QStringLiteral("Click the symbol to select it"));
  fontGroup_ = new QButtonGroup(this);
  noFontNote_ = placed<QLabel>(this, "LabelNoFont", QStringLiteral("No symbol font is installed."),
                               {12, 12, 180, 48});
  noFontNote_->setWordWrap(true);
  symbolList_ = makeSymbolList(this);
  composedBox_ = placed<QLineEdit>(this, "Text1", QString(), {12, 262, 444, 40});
  QFont composed = composedBox_->font();
  composed.setPointSize(textPointSize);
  composed.setBold(true);
  composedBox_->setFont(composed);
  describe(composedBox_, QStringLiteral("Text with symbols"));
  composedBox_->installEventFilter(this);
  const char* captions[] = {"&Apply", "&Cancel"};
  for (int i = 0; i < 2; ++i) {
    commandButtons_[i] = placed<QPushButton>(this, "Command1", QLatin1String(captions[i]),
                                             {12 + i * 108, 200, 96, 28});
    connect(commandButtons_[i], &QPushButton::clicked, this, [this, i] { commandClicked(i); });
  }
  commandButtons_[0]->setToolTip(QStringLiteral("Put the text with symbols into the design"));
  commandButtons_[1]->setToolTip(QStringLiteral("Close without changing the design"));
  cancelOnEscape(*this, *commandButtons_[1]);
  connect(fontGroup_, &QButtonGroup::idClicked, this, &SymbolPicker::fontClicked);
  connect(symbolList_, &QListWidget::itemClicked, this, &SymbolPicker::listClicked);
  offerFonts(installedSymbolFonts());
}

void SymbolPicker::offerFonts(std::vector<SymbolFont> fonts) {
  if (fonts.size() > maxFontButtons) fonts.resize(maxFontButtons);
  // The same fonts again keep the choice and the composed text.
  if (fonts == fonts_ && !fontButtons_.empty()) return;
  for (QRadioButton* button : fontButtons_) delete button;
  fontButtons_.clear();
  fonts_ = std::move(fonts);
  for (int i = 0; i < int(fonts_.size()); ++i) {
    auto* button =
        placed<QRadioButton>(this, "Option1", fonts_[i].name, {12, 12 + i * 30, 180, 24});
    button->setToolTip(QStringLiteral("Show the symbols of the font ") + fonts_[i].name);
    button->show();
    fontGroup_->addButton(button, i);
    fontButtons_.push_back(button);
  }
  noFontNote_->setVisible(fonts_.empty());
  applyButton()->setEnabled(!fonts_.empty());
  chooseFont(0);
}

bool SymbolPicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == composedBox_ && event->type() == QEvent::MouseButtonPress) textClicked();
  return QDialog::eventFilter(watched, event);
}

void SymbolPicker::load() {
  runTrapped(platform_, siteTag::FrmSymbols_Load, [this] {
    setFixedSize(scale_.width(windowWidth), scale_.height(windowHeight));
    CursorPlaced = false;
    chooseFont(0);
    adjustControlFonts(*this, scale_.fontScaleFactor, platform_);
  });
}

void SymbolPicker::fontClicked(int index) {
  runTrapped(platform_, siteTag::FrmSymbols_Option1_Click, [&] { chooseFont(index); });
}

void SymbolPicker::chooseFont(int index) {
  symbolList_->clear();
  composedBox_->clear();
  if (index >= int(fonts_.size())) return;
  const SymbolFont& font = fonts_[index];
  fontButtons_[index]->setChecked(true);
  QFont composed = composedBox_->font();
  composed.setFamily(font.name);
  composedBox_->setFont(composed);
  symbolList_->addItems(symbolCharacters(font));
  QFont listed = symbolList_->font();
  listed.setFamily(font.name);
  listed.setPointSize(listPointSize);
  symbolList_->setFont(listed);
}

void SymbolPicker::listClicked() {
  runTrapped(platform_, siteTag::FrmSymbols_List1_Click, [this] {
    const QListWidgetItem* item = symbolList_->currentItem();
    if (item) insertPicked(item->text());
  });
}

// A pick replaces the selection; with none it goes at the cursor, except that
// a cursor at the start that the user did not put there means "append".
void SymbolPicker::insertPicked(const QString& character) {
  QString text = composedBox_->text();
  const int start = composedBox_->hasSelectedText() ? composedBox_->selectionStart()
                                                    : composedBox_->cursorPosition();
  const int length = int(composedBox_->selectedText().size());
  if (length == 0 && start == 0 && !CursorPlaced)
    text.append(character);
  else
    text = text.left(start) + character + text.mid(start + length);
  composedBox_->setText(text);
  CursorPlaced = false;
}

void SymbolPicker::textClicked() {
  runTrapped(platform_, siteTag::FrmSymbols_Text1_Click, [this] { CursorPlaced = true; });
}

void SymbolPicker::commandClicked(int index) {
  runTrapped(platform_, siteTag::FrmSymbols_Command1_Click, [&] {
    if (index == 0)
      apply();
    else
      hide();
  });
}

void SymbolPicker::apply() {
  const int chosen = fontGroup_->checkedId();
  if (chosen < 0) return;
  const QString name = fonts_[chosen].name;
  main_.setTextInFont(composedBox_->text(), name);
  main_.selectSource(SourceKind::Text, Qt::NoButton);
  hide();
}
