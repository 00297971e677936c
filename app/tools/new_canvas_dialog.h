// `NewCanvasDialog`: the new canvas dialog. It sets the canvas size and its
// background, a plain colour or a tiled texture; Apply replaces the canvas
// picture (as an undoable step) and closes the dialog, so every opening
// starts from the defaults.
#pragma once

#include <QDialog>
#include <array>

#include "design/tool_design.h"

class MainWindowLink;
class Platform;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class NewCanvasDialog : public QDialog {
  Q_OBJECT
 public:
  // Opens without an owner and not modal; `main` is the window whose canvas
  // it replaces, `design` keeps the texture it tiles and the undo step.
  NewCanvasDialog(MainWindowLink& main, ToolDesign design, Platform& platform);

  QLabel* sizeCaption() const { return sizeCaption_; }
  QLabel* widthCaption() const { return widthCaption_; }
  QLabel* heightCaption() const { return heightCaption_; }
  const std::array<QSpinBox*, 2>& sizeBoxes() const { return sizeBoxes_; }
  const std::array<QRadioButton*, 2>& backgroundButtons() const { return backgroundButtons_; }
  QPushButton* chooseBackgroundButton() const { return chooseBackgroundButton_; }
  QPushButton* okButton() const { return okButton_; }
  QPushButton* cancelButton() const { return cancelButton_; }

  void load();
  void whichOneClicked();
  void applyClicked();
  void cancelClicked();

  // Escape and the window's close box are the cancel button.
  void reject() override { cancelClicked(); }

 private:
  QLabel* sizeCaption_;
  QLabel* widthCaption_;
  QLabel* heightCaption_;
  std::array<QSpinBox*, 2> sizeBoxes_;              // width, height
  std::array<QRadioButton*, 2> backgroundButtons_;  // "Color ", "Texture"
  QPushButton* chooseBackgroundButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
  void chooseColour();
  void chooseTexture();

  MainWindowLink& main_;
  ToolDesign design_;
  Platform& platform_;
};
