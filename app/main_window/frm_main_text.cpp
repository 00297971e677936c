// The source frame and the font controls: font and size lists, the style
// buttons, the font dialog, the source selection and Draw.
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <algorithm>
#include <cmath>

#include "main_window/frm_main.h"
#include "platform/platform.h"
#include "state/design_state.h"
#include "state/error_report.h"
#include "state/font_choices.h"
#include "state/site_tags.h"
#include "state/text_picture.h"

namespace {

constexpr double largestFontSize = 300;
constexpr double smallestDialogFontSize = 20;

TextPicture& textPicture() { return design().textPicture; }

void showExclamation(const QString& text) {
  platform().showMessage({text, MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace

void FrmMain::connectControls() {
  connect(List1, &QComboBox::activated, this, &FrmMain::fontListClicked);
  connect(List2, &QComboBox::activated, this, &FrmMain::sizeListClicked);
  connect(List2->lineEdit(), &QLineEdit::returnPressed, this, &FrmMain::sizeListValidated);
  connect(Frame1->BtnDraw, &QPushButton::clicked, this, &FrmMain::draw);
  connect(Frame1, &SourceFrame::sourcePressed, this,
          [this](int index, Qt::MouseButton button) { selectSource(SourceKind{index}, button); });
  connect(panels->tabstrip1, &QTabBar::tabBarClicked, this, [this](int index) {
    panels->tabstrip1->setCurrentIndex(index);
    selectTab();
  });
  connect(panels->List3, &QListWidget::itemClicked, this, &FrmMain::effectListClicked);
  connect(Pct, &PictureBox::mousePressed, this, &FrmMain::canvasPressed);
  connect(Pct, &PictureBox::mouseMoved, this, &FrmMain::canvasMoved);
  connect(Pct, &PictureBox::mouseReleased, this, &FrmMain::canvasReleased);
  connect(Picture1, &CanvasViewport::scrolledByUser, this, [this] {
    if (Frame1->Text1->isVisible()) Frame1->Text1->setFocus();
  });
}

void FrmMain::fillFontList() {
  List1->clear();
  List1->addItems(QFontDatabase::families());
  const QString name = textPicture().font.family();
  List1->setEditText(name);
  QFont shown = Frame1->Text1->font();
  shown.setFamily(name);
  Frame1->Text1->setFont(shown);
}

void FrmMain::fillSizeList() {
  List2->clear();
  List2->addItems(fontSizeChoices());
  List2->setEditText(QString::number(textPicture().roundedFontSize()));
}

void FrmMain::fontListClicked() {
  runTrapped(platform(), siteTag::frmMain_List1_Click, [this] {
    const QString name = List1->currentText();
    QFont shown = Frame1->Text1->font();
    shown.setFamily(name);
    shown.setPointSizeF(14 * design().fontScaleFactor);
    Frame1->Text1->setFont(shown);
    textPicture().font.setFamily(name);
    Frame1->Text1->setFocus();
  });
}

void FrmMain::sizeListClicked() {
  runTrapped(platform(), siteTag::frmMain_List2_Click, [this] {
    textPicture().font.setPointSizeF(List2->currentText().toDouble());
    Frame1->Text1->setFocus();
  });
}

void FrmMain::sizeListValidated() {
  runTrapped(platform(), siteTag::frmMain_List2_Validate, [this] { validateFontSize(); });
}

void FrmMain::validateFontSize() {
  QString entry = List2->currentText();
  if (entry.size() >= 4) {
    entry.truncate(3);
    List2->setEditText(entry);
  }
  bool isNumber = false;
  const double size = entry.trimmed().toDouble(&isNumber);
  // A size below one point prints nothing to render: it is no figure for a font.
  if (!isNumber || !(size >= 1)) {
    showExclamation(entry + QStringLiteral(" is not a figure !"));
    sizeValid = false;
  } else if (std::floor(size) <= largestFontSize) {
    textPicture().font.setPointSizeF(size);
  } else {
    showExclamation(QStringLiteral("Size above 300 pts not allowed !"));
    List2->setEditText(QStringLiteral("300"));
    sizeValid = false;
  }
}

void FrmMain::toggleFontAttribute(const QString& key) {
  QFont shown = Frame1->Text1->font();
  QFont& printed = textPicture().font;
  bool set = false;
  if (key == QLatin1String("Bold")) {
    set = !shown.bold();
    shown.setBold(set);
    printed.setBold(set);
  } else if (key == QLatin1String("Italic")) {
    set = !shown.italic();
    shown.setItalic(set);
    printed.setItalic(set);
  } else {
    set = !shown.underline();
    shown.setUnderline(set);
    printed.setUnderline(set);
  }
  Frame1->Text1->setFont(shown);
  toolButton(key)->setChecked(set);
}

void FrmMain::fontDialog() {
  runTrapped(platform(), siteTag::frmMain_mnuEditFont_Click, [this] {
    std::optional<QFont> chosen = platform().chooseFont(textPicture().font);
    if (!chosen) return;
    chosen->setPointSizeF(
        std::clamp(chosen->pointSizeF(), smallestDialogFontSize, largestFontSize));
    textPicture().font = *chosen;
    QFont shown = Frame1->Text1->font();
    shown.setFamily(chosen->family());
    shown.setStrikeOut(chosen->strikeOut());
    shown.setUnderline(chosen->underline());
    shown.setBold(chosen->bold());
    shown.setItalic(chosen->italic());
    Frame1->Text1->setFont(shown);
    // The style buttons show the styles the dialog chose.
    toolButton(QStringLiteral("Bold"))->setChecked(shown.bold());
    toolButton(QStringLiteral("Italic"))->setChecked(shown.italic());
    toolButton(QStringLiteral("Underline"))->setChecked(shown.underline());
    fillFontList();
    fillSizeList();
  });
}

void FrmMain::selectSource(SourceKind kind, Qt::MouseButton button) {
  runTrapped(platform(), siteTag::frmMain_Option4_MouseDown, [&] {
    DesignState& state = design();
    const SourceKind previous = state.sourceKind;
    Frame1->selectSource(velloro::toInt(kind));
    state.sourceKind = kind;
    switchSourceKind(previous);
    showSourceTool(kind, button);
    showSourceHint(kind, button);
  });
}

// The shape and picture tools open on any press but the left one; a left
// press on a source that has nothing yet tells how to make it.
void FrmMain::showSourceHint(SourceKind kind, Qt::MouseButton button) {
  if (kind == SourceKind::Text || button != Qt::LeftButton) return;
  if (design().kindSettings[kind].available) return;
  const QString text =
      kind == SourceKind::Shape
          ? QStringLiteral(
                "No shape drawn !\r\nRight-click on the \"shape\" button to call the "
                "shape drawing tool.")
          : QStringLiteral(
                "No picture loaded !\r\nRight-click on the \"pic\" button to call the "
                "picture tool.");
  platform().showMessage({text, MessageIcon::Information, MessageButtons::Ok});
}

void FrmMain::draw() {
  runTrapped(platform(), siteTag::frmMain_BtnDraw_Click, [this] {
    validateFontSize();
    if (!sizeValid) {
      sizeValid = true;
      return;
    }
    design().deformationType = DeformationType{panels->selectedDeformation()};
    if (design().sourceKind == SourceKind::Text) textPicture().print(Frame1->Text1->text());
    renderDesign();
  });
}
