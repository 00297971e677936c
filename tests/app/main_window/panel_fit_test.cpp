// The window's controls show what they hold whole in the light and the dark
// look and with a larger desktop font: every outside effect in view, the
// font's first letter, the spacing boxes named by captions in view.
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

#include "design/design_state.h"
#include "design/outside_effects.h"
#include "desktop/colour_scheme.h"
#include "main_window/source_frame.h"
#include "main_window/tab_panels.h"
#include "main_window/text_layout_controls.h"
#include "main_window_fixture.h"

namespace {

struct Look {
  const char* style;
  bool dark;
  double pointSize;
};

const Look looks[] = {
    {"Fusion", true, 9}, {"Fusion", true, 11}, {"Fusion", false, 10}, {"Windows", false, 12}};

// Runs `check` with the application in each look, then brings back the look before.
void inEveryLook(const std::function<void()>& check) {
  const QString style = QApplication::style()->name();
  const QPalette palette = QApplication::palette();
  const QFont font = QApplication::font();
  for (const Look& look : looks) {
    SCOPED_TRACE(std::string(look.style) + (look.dark ? " dark " : " light ") +
                 std::to_string(look.pointSize));
    QApplication::setStyle(QStyleFactory::create(QLatin1String(look.style)));
    QApplication::setPalette(look.dark ? darkPalette() : palette);
    QFont sized = font;
    sized.setPointSizeF(look.pointSize);
    QApplication::setFont(sized);
    check();
  }
  QApplication::setStyle(QStyleFactory::create(style));
  QApplication::setPalette(palette);
  QApplication::setFont(font);
}

// What the panels need of a window, with no window round them.
struct NoWindow : DesignPanelsWindow {
  QWidget owner;
  QWidget& ownerWidget() override { return owner; }
  void showStatus(const QString&) override {}
};

// The panels alone, on a design of their own.
struct PanelsAlone {
  DesignState design;
  ScriptedPlatform seam;
  NoWindow window;
  PanelContext context() { return {design, seam, window, {}}; }
};

}  // namespace

TEST(PanelFit, TheStackButtonsShowTheirCaptionsBesideTheListAndLeftOfTheEffectControls) {
  inEveryLook([] {
    PanelsAlone alone;
    QWidget owner;
    auto* panels = new TabPanels(alone.context(), &owner);
    owner.resize(760, 110);
    panels->setGeometry(0, 0, 760, 106);
    panels->showPanelOfTab(3);
    owner.show();
    OutsidePanel& outside = panels->outside();
    QWidget* panel = panels->panelFrames()[2];
    int right = outside.effectList()->geometry().right();
    EXPECT_LE(outside.effectList()->geometry().bottom(), panel->height());
    for (QPushButton* button :
         {outside.addButton(), outside.removeButton(), outside.upButton(), outside.downButton()}) {
      const QFontMetrics metrics = button->fontMetrics();
      EXPECT_GE(button->width(), metrics.horizontalAdvance(button->text()))
          << button->objectName().toStdString();
      EXPECT_GT(button->x(), outside.effectList()->geometry().right());
      right = std::max(right, button->geometry().right());
    }
    for (const char* frame : {"FrameShadow", "FrameOutline", "FrameEngraved"})
      EXPECT_LT(right, panel->findChild<QWidget*>(frame)->x()) << frame;
  });
}

// Each source button shows its caption whole, left of the text box.
TEST(PanelFit, TheSourceButtonsShowTheirCaptionsWhole) {
  inEveryLook([] {
    SourceFrame frame(nullptr);
    frame.resize(700, 60);
    frame.show();
    int end = 0;
    for (int kind = 1; kind <= 3; ++kind) {
      const QRadioButton* button = frame.sourceButton(kind);
      EXPECT_GE(button->width(), button->sizeHint().width()) << kind;
      EXPECT_GE(button->x(), end) << kind;
      end = button->geometry().right() + 1;
    }
    EXPECT_GE(frame.textBox()->x(), end);
  });
}

using TextControlsFitTest = MainWindowTest;

// Each spacing box shows its name and its value whole, inside the source
// frame, and the text box keeps room for the title typed at the start.
TEST_F(TextControlsFitTest, TheSpacingBoxesShowTheirNamesWhole) {
  focusTextBox();
  TextLayoutControls* layout = window->findChild<TextLayoutControls*>();
  ASSERT_NE(layout, nullptr);
  SourceFrame* frame = window->sourceFrame();
  const QRect inFrame = frame->contentsRect();
  const std::pair<QAbstractSpinBox*, QString> boxes[] = {
      {layout->lineSpacingBox(), layout->lineSpacingBox()->prefix()},
      {layout->letterSpacingBox(), layout->letterSpacingBox()->prefix()}};
  for (const auto& [box, name] : boxes) {
    SCOPED_TRACE(box->objectName().toStdString());
    EXPECT_GE(name.trimmed().size(), 4);
    EXPECT_TRUE(box->text().startsWith(name));
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(inFrame.contains(box->geometry()));
    EXPECT_GE(box->width(), box->sizeHint().width());
    for (QWidget* other :
         {static_cast<QWidget*>(frame->textBox()), static_cast<QWidget*>(frame->drawButton()),
          static_cast<QWidget*>(layout->alignmentBox())})
      EXPECT_FALSE(box->geometry().intersects(other->geometry()))
          << other->objectName().toStdString();
  }
  EXPECT_FALSE(
      layout->lineSpacingBox()->geometry().intersects(layout->letterSpacingBox()->geometry()));
  TitleTextBox* title = frame->textBox();
  EXPECT_GT(title->width(), title->fontMetrics().horizontalAdvance(u"Velloro"_s));
}
