// `FrmSymbols`: the symbol picker. The user picks characters of a symbol
// font into a small text box; Apply makes them the design's text in that
// font and the text the design's source. The window stays loaded between its
// modal openings, keeping the font, the list and the composed text.
#pragma once

#include <QDialog>
#include <array>

class MainWindowLink;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class FrmSymbols : public QDialog {
  Q_OBJECT
 public:
  // Shown without an owner; `main` is the window whose text it sets.
  explicit FrmSymbols(MainWindowLink& main);

  const std::array<QRadioButton*, 6>& fontButtons() const { return fontButtons_; }
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
  std::array<QRadioButton*, 6> fontButtons_;  // the symbol fonts
  QListWidget* symbolList_;
  QLineEdit* composedBox_;
  std::array<QPushButton*, 2> commandButtons_;  // "&Apply", "&Cancel"
};
