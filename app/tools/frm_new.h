// `FrmNew`: the new canvas dialog. It sets the canvas size and its
// background, a plain colour or a tiled texture; Apply replaces the canvas
// picture (as an undoable step) and closes the dialog, so every opening
// starts from the defaults.
#pragma once

#include <QDialog>
#include <array>

class MainWindowLink;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class FrmNew : public QDialog {
  Q_OBJECT
 public:
  // Opens without an owner and not modal; `main` is the window whose canvas
  // it replaces.
  explicit FrmNew(MainWindowLink& main);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  std::array<QSpinBox*, 2> ES1;          // width, height
  std::array<QRadioButton*, 2> Option1;  // "Color ", "Texture"
  QPushButton* Command1;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  void load();
  void whichOneClicked();
  void applyClicked();
  void cancelClicked();

  // Escape and the window's close box are the cancel button.
  void reject() override { cancelClicked(); }

 private:
  void chooseColour();
  void chooseTexture();

  MainWindowLink& main_;
};
