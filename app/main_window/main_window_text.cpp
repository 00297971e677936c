// The source frame and the font controls: font and size lists, the style
// buttons, the font dialog, the source selection and Draw.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <cmath>
#include <mutex>

#include "design/design_state.h"
#include "design/font_choices.h"
#include "design/font_installed_instances.h"
#include "design/setting_declarations.h"
#include "design/text_picture.h"
#include "files/site_tags.h"
#include "headless/private_engine.h"
#include "headless/title_renderer.h"
#include "main_window/design_scene.h"
#include "main_window/font_family_step.h"
#include "main_window/font_file_command.h"
#include "main_window/live_preview.h"
#include "main_window/main_window.h"
#include "main_window/missing_glyphs_notice.h"
#include "main_window/text_layout_controls.h"
#include "platform/error_report.h"
#include "platform/platform.h"

using namespace Qt::StringLiterals;

namespace {

const double largestFontSize = declaration(Setting::FontSize).high;
constexpr double smallestDialogFontSize = 20;

void showExclamation(const QString& text) {
  platform().showMessage({text, MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace

void MainWindow::connectControls() {
  connect(fontNameBox_, &QComboBox::activated, this, &MainWindow::fontListClicked);
  connect(fontSizeBox_, &QComboBox::activated, this, &MainWindow::sizeListClicked);
  // Return and leaving the box both end the entry and check it.
  connect(fontSizeBox_->lineEdit(), &QLineEdit::editingFinished, this,
          &MainWindow::sizeListValidated);
  connect(sourceFrame_->drawButton(), &QPushButton::clicked, this, &MainWindow::draw);
  connect(textLayout_, &TextLayoutControls::changed, this,
          [this] { document_.textPicture.arrangement = textLayout_->arrangement(); });
  // Enter starts a new line of the title; Ctrl+Enter draws, as the Draw
  // button does.
  auto* drawKeys = new QAction(this);
  drawKeys->setObjectName(QStringLiteral("drawKeys"));
  drawKeys->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  addAction(drawKeys);
  connect(drawKeys, &QAction::triggered, sourceFrame_->drawButton(), &QPushButton::click);
  connect(sourceFrame_, &SourceFrame::sourcePressed, this,
          [this](int index, Qt::MouseButton button) { selectSource(SourceKind{index}, button); });
  // The panels follow the current tab however it changes (click, wheel,
  // arrow keys); a click on the current tab still clears the status pane.
  connect(panels_->tabStrip(), &QTabBar::currentChanged, this, &MainWindow::selectTab);
  connect(panels_->tabStrip(), &QTabBar::tabBarClicked, this, [this](int index) {
    if (index == panels_->tabStrip()->currentIndex()) selectTab();
  });
  connect(canvasArea_->viewport(), &CanvasViewport::scrolledByUser, this, [this] {
    if (sourceFrame_->textBox()->isVisible()) sourceFrame_->textBox()->setFocus();
  });
}

namespace {

// The box keeps its narrow toolbar width; its drop-down shows whole names.
void widenPopupToLongestName(QComboBox& box) {
  const QFontMetrics metrics(box.view()->font());
  int widest = 0;
  for (int i = 0; i < box.count(); ++i)
    widest = std::max(widest, metrics.horizontalAdvance(box.itemText(i)));
  const int frame =
      2 * box.view()->frameWidth() + box.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  box.view()->setMinimumWidth(widest + frame + 8);
}

}  // namespace

void MainWindow::fillFontList() {
  fontNameBox_->clear();
  fontNameBox_->addItems(listedFamilies());
  widenPopupToLongestName(*fontNameBox_);
  // A family that is not installed (the default Tahoma on most Linux
  // systems) is drawn in a substitute: the design names that one, so the
  // box and the font dialog show the face the title really has.
  QFont& printed = document_.textPicture.font;
  printed.setFamily(familyNowDrawn(printed));
  const QString name = printed.family();
  fontNameBox_->setEditText(name);
  QFont shown = sourceFrame_->textBox()->font();
  shown.setFamily(name);
  sourceFrame_->textBox()->setFont(shown);
}

// The title is fitted as the command line fits it, on the private engine;
// the size box keeps the size chosen, from which the next fit starts.
void MainWindow::printFittedTitle(const QString& text, QSize box) {
  const DesignFrame& frame = document_.designFrame;
  TitleScene scene = titleSceneOf(document_, currentStyle(), canvasView()->picture().size(),
                                  QPoint(frame.left, frame.top));
  scene.box = box;
  TitleFit fit;
  {
    const std::shared_ptr<PrivateEngine> engine = privateEngine();
    const std::lock_guard turn(engine->lock());
    TitleRenderer renderer(scene, engine->entryPoints(), platform());
    fit = renderer.fitToBox(text);
  }
  document_.textPicture.font.setPointSizeF(fit.pointSize);
  document_.textPicture.print(fit.text);
  if (fit.cut)
    showStatus(QStringLiteral("The title does not fit the box %1x%2: it is cut")
                   .arg(box.width())
                   .arg(box.height()));
}

// The family of an added font file joins the list and becomes the title's.
void MainWindow::chooseAddedFamily(const QString& family) {
  fontNameBox_->clear();
  fontNameBox_->addItems(listedFamilies());
  widenPopupToLongestName(*fontNameBox_);
  fontNameBox_->setCurrentText(family);
  fontListClicked();
}

void MainWindow::fillSizeList() {
  fontSizeBox_->clear();
  fontSizeBox_->addItems(fontSizeChoices());
  fontSizeBox_->setEditText(QString::number(document_.textPicture.roundedFontSize()));
}

// An installed variable font's instance that cannot be made is drawn in
// a substitute, which the box then shows: the status pane says why, as a
// render's line on standard error does.
QString MainWindow::familyNowDrawn(const QFont& chosen) {
  const FamilyInUse inUse = familyInUse(chosen);
  if (!inUse.problem.isEmpty())
    showStatus(u"The font family '%1': %2; drawn in '%3'"_s.arg(chosen.family(), inUse.problem,
                                                                inUse.family));
  return inUse.family;
}

void MainWindow::fontListClicked() {
  runTrapped(platform(), siteTag::frmMain_List1_Click, [this] {
    const QString name = familyNowDrawn(QFont(fontNameBox_->currentText()));
    fontNameBox_->setEditText(name);
    QFont shown = sourceFrame_->textBox()->font();
    shown.setFamily(name);
    shown.setPointSizeF(14 * document_.fontScaleFactor);
    sourceFrame_->textBox()->setFont(shown);
    document_.textPicture.font.setFamily(name);
    sourceFrame_->textBox()->setFocus();
  });
}

void MainWindow::sizeListClicked() {
  runTrapped(platform(), siteTag::frmMain_List2_Click, [this] {
    document_.textPicture.font.setPointSizeF(fontSizeBox_->currentText().toDouble());
    sourceFrame_->textBox()->setFocus();
  });
}

void MainWindow::sizeListValidated() {
  runTrapped(platform(), siteTag::frmMain_List2_Validate, [this] { validateFontSize(); });
}

void MainWindow::validateFontSize() {
  QString entry = fontSizeBox_->currentText();
  if (entry.size() >= 4) {
    entry.truncate(3);
    fontSizeBox_->setEditText(entry);
  }
  bool isNumber = false;
  const double size = entry.trimmed().toDouble(&isNumber);
  // A size below one point prints nothing to render: it is no figure for a font.
  if (!isNumber || !(size >= 1)) {
    showExclamation(entry + QStringLiteral(" is not a figure !"));
    sizeValid_ = false;
  } else if (std::floor(size) <= largestFontSize) {
    document_.textPicture.font.setPointSizeF(size);
  } else {
    showExclamation(QStringLiteral("Size above %1 pts not allowed !").arg(largestFontSize));
    fontSizeBox_->setEditText(QString::number(largestFontSize));
    sizeValid_ = false;
  }
}

void MainWindow::toggleFontAttribute(const QString& key) {
  QFont shown = sourceFrame_->textBox()->font();
  QFont& printed = document_.textPicture.font;
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
  sourceFrame_->textBox()->setFont(shown);
  toolButton(key)->setChecked(set);
}

void MainWindow::fontDialog() {
  runTrapped(platform(), siteTag::frmMain_mnuEditFont_Click, [this] {
    std::optional<QFont> chosen = platform().chooseFont(document_.textPicture.font, this);
    if (!chosen) return;
    chosen->setPointSizeF(
        std::clamp(chosen->pointSizeF(), smallestDialogFontSize, largestFontSize));
    document_.textPicture.font = *chosen;
    QFont shown = sourceFrame_->textBox()->font();
    shown.setFamily(chosen->family());
    shown.setStrikeOut(chosen->strikeOut());
    shown.setUnderline(chosen->underline());
    shown.setBold(chosen->bold());
    shown.setItalic(chosen->italic());
    sourceFrame_->textBox()->setFont(shown);
    // The style buttons show the styles the dialog chose.
    toolButton(QStringLiteral("Bold"))->setChecked(shown.bold());
    toolButton(QStringLiteral("Italic"))->setChecked(shown.italic());
    toolButton(QStringLiteral("Underline"))->setChecked(shown.underline());
    fillFontList();
    fillSizeList();
    livePreview_->settingChanged();
  });
}

// One step of the title box's history: Ctrl+Z there brings back the text
// and its font.
void MainWindow::setTextInFont(const QString& text, const QString& fontFamily) {
  const QString before = document_.textPicture.font.family();
  showTextFontFamily(fontFamily);
  sourceFrame_->textBox()->replaceText(
      text, new FontFamilyStep(before, fontFamily,
                               [this](const QString& family) { showTextFontFamily(family); }));
}

void MainWindow::showTextFontFamily(const QString& family) {
  fontNameBox_->setEditText(family);
  QFont shown = sourceFrame_->textBox()->font();
  shown.setFamily(family);
  sourceFrame_->textBox()->setFont(shown);
  document_.textPicture.font.setFamily(family);
}

void MainWindow::selectSource(SourceKind kind, Qt::MouseButton button) {
  runTrapped(platform(), siteTag::frmMain_Option4_MouseDown, [&] {
    DesignState& state = document_;
    const SourceKind previous = state.sourceKind;
    sourceFrame_->selectSource(velloro::toInt(kind));
    state.sourceKind = kind;
    {
      // The switch sets the effect list row by row as it stores and loads
      // the kinds' settings: those rows are no choice of the user's.
      const QSignalBlocker quietEffects(panels_->outside().effectList());
      panels_->switchSourceKind(previous);
    }
    showSourceTool(kind, button);
    showSourceHint(kind, button);
  });
}

// The shape and picture tools open on any press but the left one; a left
// press on a source that has nothing yet tells how to make it.
void MainWindow::showSourceHint(SourceKind kind, Qt::MouseButton button) {
  if (kind == SourceKind::Text || button != Qt::LeftButton) return;
  if (document_.kindSettings[kind].available) return;
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

void MainWindow::draw() {
  runTrapped(platform(), siteTag::frmMain_BtnDraw_Click, [this] {
    validateFontSize();
    if (!sizeValid_) {
      sizeValid_ = true;
      return;
    }
    if (document_.sourceKind == SourceKind::Text) {
      const QString text = sourceFrame_->textBox()->text();
      if (const QString problem = titleLinesProblem(text); !problem.isEmpty()) {
        showExclamation(QStringLiteral("Text: ") + problem);
        return;
      }
      if (const std::optional<QSize> box = boxFit_.box())
        printFittedTitle(text, *box);
      else
        document_.textPicture.print(text);
      // What a title lacks is told; the title is drawn as far as it can be.
      missingGlyphsNotice_->showFor(document_.textPicture, text);
    } else {
      missingGlyphsNotice_->hide();
    }
    renderDesign();
  });
}
