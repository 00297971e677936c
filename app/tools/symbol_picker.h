// `SymbolPicker`: the symbol picker. The user picks characters of one of the
// installed symbol fonts into a small text box; Apply makes them the design's text in that
// font and the text the design's source. The window stays loaded between its
// modal openings, keeping the font, the list and the composed text.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "design/screen_scale.h"
#include "tools/symbol_fonts.h"

class MainWindowLink;
class Platform;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class SymbolPicker : public QDialog {
  Q_OBJECT
 public:
  // Shown without an owner; `main` is the window whose text it sets.
  SymbolPicker(MainWindowLink& main, ScreenScale scale, Platform& platform);

  // One button per font offered, at most six; none when no symbol font is
  // installed, which the note says.
  const std::vector<QRadioButton*>& fontButtons() const { return fontButtons_; }
  QLabel* noFontNote() const { return noFontNote_; }
  // Offers these fonts in place of the ones before (the installed symbol
  // fonts at first) and chooses the first.
  void offerFonts(std::vector<SymbolFont> fonts);
  QListWidget* symbolList() const { return symbolList_; }
  // The picked characters, in the chosen symbol font.
  QLineEdit* composedBox() const { return composedBox_; }
  QPushButton* applyButton() const { return commandButtons_[0]; }
  QPushButton* cancelButton() const { return commandButtons_[1]; }

  bool CursorPlaced = false;

  void load();
  void fontClicked(int index);
  void listClicked();
  void textClicked();
  void commandClicked(int index);

  void reject() override { commandClicked(1); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void chooseFont(int index);
  void insertPicked(const QString& character);
  void apply();

  MainWindowLink& main_;
  ScreenScale scale_;
  Platform& platform_;
  std::vector<SymbolFont> fonts_;  // offered
  std::vector<QRadioButton*> fontButtons_;
  QButtonGroup* fontGroup_;
  QLabel* noFontNote_;
  QListWidget* symbolList_;
  QLineEdit* composedBox_;
  std::array<QPushButton*, 2> commandButtons_;  // "&Apply", "&Cancel"
};
